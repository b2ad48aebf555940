#pragma once
// Reading and writing whole files so that nothing is lost: every file the
// tools write goes through writeFile.

#include <QString>

#include <functional>
#include <string>
#include <string_view>

namespace vorlix {

struct FileRead {
    bool missing = false; // no such file: not an error, the caller decides
    std::string bytes;
    QString error; // set when the file exists but could not be read whole
};

// Reads to the end rather than trusting the size (a pipe reports none), and
// stops with an error past limit bytes, so that a source that never ends
// cannot take all memory.
FileRead readFile(const QString& path, qint64 limit);

// Called when the new bytes are ready and nothing has been replaced yet; an
// error it returns stops the write with every file as it was.
using BeforeCommit = std::function<QString()>;

// failed and stopped leave the old content as it was; damaged says that a
// write in place failed and the old content could not be written back.
enum class WriteStatus { written, failed, stopped, damaged };

struct WriteResult {
    WriteStatus status = WriteStatus::written;
    QString error; // why, when not written
};

// Writes bytes as the whole content of path, leaving the old content whole
// on a failure (but see WriteStatus::damaged):
//  - a regular file (or none yet) is replaced by a complete temporary file
//    beside it, keeping the old file's owner, group and mode;
//  - where no temporary file can be made (a folder the user may not write),
//    an existing file is written in place, its space reserved first so that
//    a full disk fails before anything is overwritten, and its old content
//    written back should the write fail all the same;
//  - anything else (a device, a FIFO, a stream such as /dev/stdout) is
//    written into, never replaced: it is appended to, never truncated.
// A file whose mode bits allow nobody to write is refused, even for root.
WriteResult writeFile(const QString& path, std::string_view bytes,
                      const BeforeCommit& beforeCommit = {});

// A regular file, or none yet, reached by its name rather than through an
// open stream: what may be replaced as a whole.
bool isPlainFile(const QString& path);

// Whether both paths name one file, through links too. False when either
// does not exist.
bool sameFile(const QString& a, const QString& b);

} // namespace vorlix
