#include "library/library_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vorlix {
namespace {

const auto yes = [] { return true; };

const FONTREC recordA{"A", {"&H7E", "&H11", "&H11", "&H11", "&H7E"}};
const QByteArray lineA = "\"A\",\"&H7E\",\"&H11\",\"&H11\",\"&H11\",\"&H7E\"\r\n";

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QByteArray lineZ = "\"Z\",\"&H1\",\"&H2\",\"&H3\",\"&H4\",\"&H5\"\r\n";
const FONTREC newA{"A", {"&H1", "&H2", "&H3", "&H4", "&H5"}};
const QByteArray newLineA = "\"A\",\"&H1\",\"&H2\",\"&H3\",\"&H4\",\"&H5\"\r\n";

class LibraryStore : public testing::Test {
protected:
    void write(const QByteArray& bytes, const QString& where = {}) {
        QFile file(where.isEmpty() ? path : where);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Append));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    QString path = libraryPathBeside(dir.path());
};

TEST_F(LibraryStore, LivesBesideTheProgram) {
    EXPECT_EQ(libraryPathBeside(QStringLiteral("/opt/tool")),
              QStringLiteral("/opt/tool/FONTSDAT.txt"));
}

struct SaveCase {
    const char* name;
    QByteArray before; // "<missing>" for no file
    FONTREC record;
    bool invertColumns;
    bool answer;
    QByteArray after;
    int questions;
};

const QByteArray reversedZ = "\"Z\",\"&H5\",\"&H4\",\"&H3\",\"&H2\",\"&H1\"\r\n";

TEST_F(LibraryStore, SavesAppendOrReplaceAsAsked) {
    const SaveCase cases[] = {
        {"first save creates the file", "<missing>", {"Z", newA.HEX}, false, true, lineZ, 0},
        {"append reverses with invert", lineA, {"Z", newA.HEX}, true, true, lineA + reversedZ, 0},
        {"replace in place, never reversed", lineZ + lineA + lineA, newA, true, true,
         lineZ + newLineA + lineA, 1},
        {"declined leaves the file", lineA + lineZ, newA, false, false, lineA + lineZ, 1},
        {"case counts", lineA, {"a", newA.HEX}, false, true, lineA + "\"a\"" + newLineA.mid(3), 0},
    };
    for (const SaveCase& c : cases) {
        QFile::remove(path);
        if (c.before != "<missing>") {
            write(c.before);
        }
        int questions = 0;
        const SaveOutcome outcome = saveGlyph(path, c.record, c.invertColumns, [&] {
            ++questions;
            return c.answer;
        });
        EXPECT_TRUE(outcome.error.isEmpty()) << c.name;
        EXPECT_EQ(outcome.declined, !c.answer) << c.name;
        EXPECT_EQ(contents(path), c.after) << c.name;
        EXPECT_EQ(questions, c.questions) << c.name;
    }
    EXPECT_EQ(files(), QStringList{"FONTSDAT.txt"});
}

TEST_F(LibraryStore, MissingFileIsAnEmptyLibrary) {
    const LibraryLoad load = loadLibrary(path);
    EXPECT_TRUE(load.error.isEmpty());
    EXPECT_TRUE(load.parsed.records.empty());
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(LibraryStore, ReadsAPipeToItsEnd) {
    const QString fifo = QDir(dir.path()).filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    std::thread writer([&] {
        QFile file(fifo);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(lineA + lineA);
        }
    });
    const LibraryLoad load = loadLibrary(fifo);
    writer.join();
    EXPECT_TRUE(load.error.isEmpty());
    EXPECT_EQ(load.parsed.records.size(), 2u);
}

TEST_F(LibraryStore, UnreadableFileIsAnErrorNotAnEmptyLibrary) {
    QDir(dir.path()).mkdir(QStringLiteral("FONTSDAT.txt")); // a folder cannot be read as a file
    const LibraryLoad load = loadLibrary(path);
    EXPECT_FALSE(load.error.isEmpty());
    EXPECT_FALSE(saveGlyph(path, recordA, false, yes).error.isEmpty());
}

TEST_F(LibraryStore, WhatAnotherProgramWritesWhileTheQuestionIsOpenSurvives) {
    write(lineA);
    const auto answerWhileZIsAdded = [&] {
        write(lineZ);
        return true;
    };
    EXPECT_TRUE(saveGlyph(path, newA, false, answerWhileZIsAdded).error.isEmpty());
    EXPECT_EQ(contents(path), newLineA + lineZ);
}

TEST_F(LibraryStore, TwoProgramsSavingAtOnceLoseNoGlyph) {
    QProcess first;
    QProcess second;
    first.start(QStringLiteral(SAVE_GLYPHS), {path, "a", "100"});
    second.start(QStringLiteral(SAVE_GLYPHS), {path, "b", "100"});
    for (QProcess* saver : {&first, &second}) {
        ASSERT_TRUE(saver->waitForFinished(120000));
        EXPECT_EQ(saver->exitCode(), 0) << saver->readAllStandardError().toStdString();
    }
    const LibraryLoad load = loadLibrary(path);
    std::set<std::string> names;
    for (const FONTREC& record : load.parsed.records) {
        names.insert(record.CHAR);
    }
    EXPECT_EQ(names.size(), 200u);
    EXPECT_EQ(load.parsed.records.size(), 200u);
    EXPECT_EQ(files(), QStringList{"FONTSDAT.txt"}); // no lock or temporary file left
}

// Runs save as a user who may write the library but not its folder: as
// "nobody" when the tests run as root, else in a folder made read-only.
bool savesAsOutsider(const QString& folder, const std::function<bool()>& save) {
    if (::geteuid() != 0) {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool saved = save();
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        return saved;
    }
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                      QFileDevice::ExeOther);
    const pid_t child = ::fork();
    if (child == 0) {
        _exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && save() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(LibraryStore, SavesIntoAFileWhoseFolderTakesNoNewFiles) {
    write(lineA);
    ::chmod(QFile::encodeName(path).constData(), 0666);
    EXPECT_TRUE(savesAsOutsider(dir.path(), [&] {
        return saveGlyph(path, {"Z", newA.HEX}, false, yes).error.isEmpty() &&
               saveGlyph(path, newA, false, yes).error.isEmpty();
    }));
    EXPECT_EQ(contents(path), newLineA + lineZ);
    EXPECT_EQ(files(), QStringList{"FONTSDAT.txt"});
}

TEST_F(LibraryStore, SaveByRootKeepsOwnerGroupAndMode) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a file to another user";
    }
    write(lineA);
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0604), 0);
    for (const FONTREC& record : {recordA, FONTREC{"Z", newA.HEX}}) { // replace, then append
        ASSERT_TRUE(saveGlyph(path, record, false, yes).error.isEmpty());
        struct stat after {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &after), 0);
        EXPECT_EQ(after.st_uid, 65534u);
        EXPECT_EQ(after.st_gid, 65534u);
        EXPECT_EQ(after.st_mode & 07777, 0604u);
    }
}

TEST_F(LibraryStore, BackupIsMadeOnlyBySaveThatGoesAhead) {
    const QByteArray damaged = lineA + "\"B\",\"&H1";
    write(damaged);
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    EXPECT_FALSE(saveGlyph(path, {"Z", newA.HEX}, false, yes).error.isEmpty());
    EXPECT_FALSE(saveGlyph(path, {"Z", newA.HEX}, false, yes).error.isEmpty());
    EXPECT_EQ(files(), QStringList{"FONTSDAT.txt"});

    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    write("older", path + ".bak");
    const SaveOutcome saved = saveGlyph(path, {"Z", newA.HEX}, false, yes);
    EXPECT_EQ(saved.backupPath, path + ".bak.2");
    EXPECT_EQ(contents(path + ".bak.2"), damaged);
    EXPECT_EQ(contents(path + ".bak"), "older");
    EXPECT_EQ(contents(path), lineA + lineZ);
}

TEST_F(LibraryStore, Utf8LibraryIsReadAndWrittenAsUtf8WithItsMark) {
    const QByteArray mark = "\xEF\xBB\xBF";
    write(mark + "\"\xC3\xA9\",\"&H1\",\"&H2\",\"&H3\",\"&H4\",\"&H5\"\r\n");
    const LibraryLoad load = loadLibrary(path);
    ASSERT_FALSE(load.parsed.damage);
    ASSERT_EQ(load.parsed.records.size(), 1u);
    EXPECT_EQ(load.parsed.records[0].CHAR, "\u00E9");
    EXPECT_FALSE(load.unmarkedUtf8Line);
    // A character Windows-1252 lacks is fine in a UTF-8 library.
    EXPECT_TRUE(saveGlyph(path, {"\u0416", newA.HEX}, false, yes).error.isEmpty());
    EXPECT_EQ(contents(path), mark + "\"\xC3\xA9\",\"&H1\",\"&H2\",\"&H3\",\"&H4\",\"&H5\"\r\n" +
                                  "\"\xD0\x96\",\"&H1\",\"&H2\",\"&H3\",\"&H4\",\"&H5\"\r\n");
}

TEST_F(LibraryStore, RefusesFieldsTheFileCouldNotGiveBack) {
    write(lineA);
    for (const char* ch : {"p\r\nq", "a\tb", "\u0081", "\x7F", "\x01", "\"", "\u0416"}) {
        EXPECT_FALSE(saveGlyph(path, {ch, newA.HEX}, false, yes).error.isEmpty()) << ch;
    }
    EXPECT_EQ(contents(path), lineA);
}

TEST_F(LibraryStore, SourceWithoutEndIsRefused) {
    const LibraryLoad load = loadLibrary(QStringLiteral("/dev/zero"));
    EXPECT_TRUE(load.error.contains(QStringLiteral("larger than 256 MiB")))
        << load.error.toStdString();
}

} // namespace
} // namespace vorlix
