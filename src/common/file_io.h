#pragma once
// Reading and writing whole files so that nothing is lost: every file the
// tools write goes through writeFile.
//
// Two implementations of the writing half: file_io_posix.cpp (Linux and the
// BSDs: owners kept, room reserved, locks on the file itself) and
// file_io_portable.cpp (QSaveFile and QLockFile alone, for Windows and
// macOS; the CMake option VORLIX_PORTABLE_FILES builds it anywhere).

#include <QString>

#include <functional>
#include <memory>
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
// write in place failed and the old content could not be written back;
// taken, from writeNewFile only, that the name is another file's.
enum class WriteStatus { written, failed, stopped, damaged, taken };

struct WriteResult {
    WriteStatus status = WriteStatus::written;
    QString error; // why, when not written
};

// Writes bytes as the whole content of path, leaving the old content whole
// on a failure (but see WriteStatus::damaged):
//  - a regular file (or none yet) is replaced by a complete temporary file
//    beside it, keeping the old file's mode (and, on POSIX, its owner and
//    group);
//  - where no temporary file can be made (a folder the user may not write),
//    an existing file is written in place (on POSIX its space reserved first,
//    so that a full disk fails before anything is overwritten), and its old
//    content written back should the write fail all the same;
//  - anything else (a device, a FIFO, a stream such as /dev/stdout) is
//    written into, never replaced: it is appended to, never truncated.
// A file whose mode bits allow nobody to write is refused, even for root.
WriteResult writeFile(const QString& path, std::string_view bytes,
                      const BeforeCommit& beforeCommit = {});

// Makes path, which must not exist yet (else taken), holding bytes that are
// on the disk on return; on POSIX it is given ownerOf's owner and group when
// the caller may. On a failure nothing is left behind.
WriteResult writeNewFile(const QString& path, std::string_view bytes, const QString& ownerOf);

// Whether the user may add files to folder.
bool mayAddFilesTo(const QString& folder);

// Shuts out every other writer of path that takes this lock too: the lock
// file path.lock beside it (where the folder takes no new files, there is
// none) and, on POSIX, a lock on the file itself, taken again when another
// writer has renamed a new file over the one locked.
class WriteLock {
public:
    WriteLock(const QString& path, int waitMs);
    ~WriteLock();
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    // The file another writer holds, when the wait ran out; else empty.
    const QString& heldBy() const { return heldBy_; }

private:
    struct Held;
    std::unique_ptr<Held> held_;
    QString heldBy_;
};

// A regular file, or none yet, reached by its name rather than through an
// open stream: what may be replaced as a whole.
bool isPlainFile(const QString& path);

// Whether both paths name one file, through links too. False when either
// does not exist.
bool sameFile(const QString& a, const QString& b);

} // namespace vorlix
