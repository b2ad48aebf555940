// FONTSDAT.txt on disk: what a save writes, and that nothing is lost to
// another writer, a folder the user may not write, or a failed save.

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
const QByteArray lineA = "\"A\",\"&H7E\",\"&H11\",\"&H11\",\"&H11\",\"&H7E\"\r\n";
const QByteArray lineZ = "\"Z\",\"&H1\",\"&H2\",\"&H3\",\"&H4\",\"&H5\"\r\n";
const FONTREC newA{"A", {"&H1", "&H2", "&H3", "&H4", "&H5"}};
const FONTREC newZ{"Z", newA.HEX};
const QByteArray newLineA = "\"A\",\"&H1\",\"&H2\",\"&H3\",\"&H4\",\"&H5\"\r\n";

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

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

TEST_F(LibraryStore, SavesAppendOrReplaceAsAsked) {
    struct {
        const char* name;
        QByteArray before; // "<missing>" for no file
        FONTREC record;
        bool invertColumns;
        bool answer;
        QByteArray after;
        int questions;
    } const cases[] = {
        {"first save creates the file", "<missing>", newZ, false, true, lineZ, 0},
        {"append reverses with invert", lineA, newZ, true, true,
         lineA + "\"Z\",\"&H5\",\"&H4\",\"&H3\",\"&H2\",\"&H1\"\r\n", 0},
        {"replace in place, never reversed", lineZ + lineA + lineA, newA, true, true,
         lineZ + newLineA + lineA, 1},
        {"declined leaves the file", lineA + lineZ, newA, false, false, lineA + lineZ, 1},
        {"case counts", lineA, {"a", newA.HEX}, false, true, lineA + "\"a\"" + newLineA.mid(3), 0},
        {"an unended last line is ended first", lineA.chopped(2), newZ, false, true, lineA + lineZ,
         0},
        {"hand-edited lines stay as they are", "A , 1,2,3,4,5\n", newZ, false, true,
         "A , 1,2,3,4,5\n" + lineZ, 0},
        {"a UTF-8 library stays UTF-8 with its mark",
         "\xEF\xBB\xBF" + lineA,
         {"\u0416", newA.HEX},
         false,
         true,
         "\xEF\xBB\xBF" + lineA + "\"\xD0\x96\"" + newLineA.mid(3),
         0},
    };
    for (const auto& c : cases) {
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
    EXPECT_EQ(files(), QStringList{"FONTSDAT.txt"}); // no lock or temporary file left
}

TEST_F(LibraryStore, IsBesideTheProgramUnlessInstalled) {
    const QString bin = dir.filePath("bin");
    const QString user = dir.filePath("user");
    QDir().mkpath(bin);
    const auto located = [&](const QString& given = {}) {
        const LibraryLocation at = locateLibrary(given, bin, user);
        return at.path + " " + at.seed;
    };
    EXPECT_EQ(located("x.txt"), "x.txt ");
    EXPECT_EQ(located(), bin + "/FONTSDAT.txt "); // a build or a portable copy
    QDir().mkpath(dir.filePath("share/vorlix/starter"));
    write(lineA, dir.filePath("share/vorlix/starter/FONTSDAT.txt"));
    EXPECT_EQ(located(),
              user + "/FONTSDAT.txt " + dir.filePath("share/vorlix/starter/FONTSDAT.txt"));
    write(lineA, bin + "/FONTSDAT.txt"); // a library beside the program always counts
    EXPECT_EQ(located(), bin + "/FONTSDAT.txt ");
}

TEST_F(LibraryStore, ReadsWhatThereIsOrSaysWhyNot) {
    EXPECT_TRUE(loadLibrary(path).error.isEmpty()); // a missing file is an empty library
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(loadLibrary(QStringLiteral("/dev/zero")).error.contains("larger than 256 MiB"));

    const QString fifo = dir.filePath(QStringLiteral("pipe")); // a pipe reports no size
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    std::thread writer([&] { write(lineA + lineA, fifo); });
    EXPECT_EQ(loadLibrary(fifo).parsed.records.size(), 2u);
    writer.join();

    QDir(dir.path()).mkdir(QStringLiteral("FONTSDAT.txt")); // a folder is no file
    EXPECT_FALSE(loadLibrary(path).error.isEmpty());
    EXPECT_FALSE(saveGlyph(path, newA, false, yes).error.isEmpty());
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
    std::set<std::string> names;
    for (const FONTREC& record : loadLibrary(path).parsed.records) {
        names.insert(record.CHAR);
    }
    EXPECT_EQ(names.size(), 200u);
    EXPECT_EQ(files(), QStringList{"FONTSDAT.txt"});
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
    ::chmod(QFile::encodeName(folder).constData(), 0705);
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
        return saveGlyph(path, newZ, false, yes).error.isEmpty() &&
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
    for (const FONTREC& record : {newA, newZ}) { // replace, then append
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
    EXPECT_EQ(saveGlyph(path, newZ, false, yes).error, "The file is read-only.");
    EXPECT_FALSE(saveGlyph(path, newZ, false, yes).error.isEmpty());
    EXPECT_EQ(files(), QStringList{"FONTSDAT.txt"});

    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    write("older", path + ".bak");
    const SaveOutcome saved = saveGlyph(path, newZ, false, yes);
    EXPECT_EQ(saved.backupPath, path + ".bak.2");
    EXPECT_EQ(saved.dropped.line, 2);
    EXPECT_EQ(contents(path + ".bak.2"), damaged);
    EXPECT_EQ(contents(path + ".bak"), "older");
    EXPECT_EQ(contents(path), lineA + lineZ); // written anew from what could be read
}

TEST_F(LibraryStore, RefusesFieldsTheFileCouldNotGiveBack) {
    write(lineA);
    for (const char* ch : {"p\r\nq", "a\tb", "\u0081", "\x7F", "\x01", "\"", "\u0416"}) {
        EXPECT_FALSE(saveGlyph(path, {ch, newA.HEX}, false, yes).error.isEmpty()) << ch;
    }
    EXPECT_EQ(contents(path), lineA);
}

} // namespace
} // namespace vorlix
