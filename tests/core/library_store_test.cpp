// FONTSDAT.txt on disk: what a save writes, and that nothing is lost to
// another writer, a folder the user may not write, or a failed save.

#include "common/file_faults.h"
#include "common/file_io.h"
#include "library/library_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <future>
#include <set>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
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
const FONTREC zhe{"\u0416", newA.HEX}; // not in Windows-1252
const QByteArray mark = "\xEF\xBB\xBF";
// The portable writer takes no lock on the file itself and keeps no owner.
constexpr bool posixFiles = !VORLIX_PORTABLE_FILES;

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class LibraryStore : public testing::Test {
protected:
    void TearDown() override {
        if (mounted) {
            QProcess::execute(QStringLiteral("umount"), {dir.path()});
        }
    }
    void write(const QByteArray& bytes, const QString& where = {}) {
        QFile file(where.isEmpty() ? path : where);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Append));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    QString path = libraryPathBeside(dir.path());
    bool mounted = false;
};

TEST_F(LibraryStore, SavesAppendOrReplaceAsAsked) {
    const struct {
        QByteArray before; // "<missing>": no file
        FONTREC record;
        bool invertColumns;
        char answer; // '-': never asked
        QByteArray after;
    } cases[] = {
        {"<missing>", newZ, false, '-', lineZ},
        {lineA, newZ, true, '-', lineA + "\"Z\",\"&H5\",\"&H4\",\"&H3\",\"&H2\",\"&H1\"\r\n"},
        {lineZ + lineA + lineA, newA, true, 'y', lineZ + newLineA + lineA}, // first, not reversed
        {lineA + lineZ, newA, false, 'n', lineA + lineZ},
        {lineA, {"a", newA.HEX}, false, '-', lineA + "\"a\"" + newLineA.mid(3)}, // case counts
        {lineA.chopped(2), newZ, false, '-', lineA + lineZ}, // an unended last line is ended
        {"A , 1,2,3,4,5\n", newZ, false, '-', "A , 1,2,3,4,5\n" + lineZ}, // hand-edited kept
        {mark + lineA, zhe, false, '-', mark + lineA + "\"\u0416\"" + newLineA.mid(3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after.toStdString());
        QFile::remove(path);
        if (c.before != "<missing>") {
            write(c.before);
        }
        char asked = '-';
        const LibraryWrite outcome = saveGlyph(path, c.record, c.invertColumns, [&] {
            asked = c.answer == 'n' ? 'n' : 'y';
            return asked == 'y';
        });
        EXPECT_TRUE(outcome.error.isEmpty());
        EXPECT_EQ(asked, c.answer);
        EXPECT_EQ(outcome.result == LibraryWrite::Result::declined, c.answer == 'n');
        EXPECT_EQ(contents(path), c.after);
    }
    EXPECT_EQ(files(), QStringList{"FONTSDAT.txt"}); // no lock or temporary file left
}

TEST_F(LibraryStore, IsBesideTheProgramUnlessInstalled) {
    const QString bin = dir.filePath("bin");
    const QString user = dir.filePath("user");
    const QString starter = dir.filePath("share/vorlix/starter");
    QDir().mkpath(bin);
    const auto located = [&](const QString& given = {}) {
        const LibraryLocation at = locateLibrary(given, bin, user);
        return at.path + " " + at.seed;
    };
    EXPECT_EQ(located("x.txt"), "x.txt ");
    EXPECT_EQ(located(), bin + "/FONTSDAT.txt "); // a build or a portable copy
    qputenv("XDG_DATA_HOME", "/some/data");
    EXPECT_EQ(userLibraryFolder(), "/some/data/vorlix");
    qputenv("XDG_DATA_HOME", "data"); // relative: not to be used
    EXPECT_EQ(userLibraryFolder(), QDir::homePath() + "/.local/share/vorlix");
    qunsetenv("XDG_DATA_HOME");
    QDir().mkpath(starter);
    write(lineA, starter + "/FONTSDAT.txt");
    EXPECT_EQ(located(), user + "/FONTSDAT.txt " + starter + "/FONTSDAT.txt");
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

// An editor that takes no lock appends just after a save read the library;
// 10 MB take the save far longer to write than the editor to append.
TEST_F(LibraryStore, WhatAnotherProgramWritesDuringASaveSurvives) {
    const QByteArray big = lineA.repeated(250000);
    write(big);
    const int watch = inotify_init1(IN_CLOEXEC);
    ASSERT_GE(inotify_add_watch(watch, QFile::encodeName(path).constData(), IN_CLOSE_NOWRITE), 0);
    std::thread editor([&] {
        inotify_event event[4];
        if (::read(watch, event, sizeof event) > 0) {
            write(lineZ);
        }
    });
    EXPECT_TRUE(saveGlyph(path, {"Q", newA.HEX}, false, yes).error.isEmpty());
    const QByteArray after = contents(path); // wakes an editor still waiting
    editor.join();
    ::close(watch);
    EXPECT_EQ(after, big + lineZ + "\"Q\"" + newLineA.mid(3));
}

// A saver holding the library, even under a shared lock, makes a save wait;
// and a failed rename at the very end is a failure.
TEST_F(LibraryStore, SaveWaitsForTheLockAndItsLastStepCounts) {
    const WriteResult renamed = writeFile(path, "new", [&] {
        QFile::remove(path);
        QDir(dir.path()).mkpath(QStringLiteral("FONTSDAT.txt/in")); // no file renames over it
        return QString();
    });
    EXPECT_EQ(renamed.status, WriteStatus::failed);
    EXPECT_EQ(files(), QStringList{}); // nor is a temporary file left
    if (!posixFiles) {
        GTEST_SKIP() << "the portable writer locks no file itself";
    }
    const QString other = dir.filePath(QStringLiteral("other.txt"));
    write(lineA, other);
    const int held = ::open(QFile::encodeName(other).constData(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_SH), 0);
    auto saving =
        std::async(std::launch::async, [&] { return saveGlyph(other, newZ, false, yes); });
    EXPECT_EQ(saving.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
    ::close(held);
    EXPECT_TRUE(saving.get().error.isEmpty());
    EXPECT_EQ(contents(other), lineA + lineZ);
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
        // The write in place fails at its fsync: the old bytes are written back.
        failFileStep(posixFiles ? FileStep::sync : FileStep::none);
        return (!posixFiles ||
                (saveGlyph(path, newZ, false, yes).result == LibraryWrite::Result::failed &&
                 contents(path) == lineA)) &&
               saveGlyph(path, newZ, false, yes).error.isEmpty() &&
               saveGlyph(path, newA, false, yes).error.isEmpty();
    }));
    EXPECT_EQ(contents(path), newLineA + lineZ);
    EXPECT_EQ(files(), QStringList{"FONTSDAT.txt"});
}

TEST_F(LibraryStore, SaveByRootKeepsOwnerGroupAndMode) {
    if (::geteuid() != 0 || !posixFiles) {
        GTEST_SKIP() << "only root can give a file to another user, and only the POSIX writer "
                        "keeps owners";
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
    EXPECT_EQ(files(), QStringList{"FONTSDAT.txt"});

    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    write("older", path + ".bak");
    const LibraryWrite saved = saveGlyph(path, newZ, false, yes);
    EXPECT_EQ(saved.backupPath, path + ".bak.2");
    EXPECT_EQ(saved.dropped.line, 2);
    EXPECT_EQ(contents(path + ".bak.2"), damaged);
    EXPECT_EQ(contents(path + ".bak"), "older");
    EXPECT_EQ(contents(path), lineA + lineZ); // written anew from what could be read
    // An import that replaces glyphs (the first of two A's) keeps the file it
    // replaced too; one that only adds keeps none.
    write(lineA);
    const FONTREC b{"b", newA.HEX};
    const QByteArray lineb = "\"b\"" + newLineA.mid(3);
    EXPECT_EQ(mergeGlyphs(path, {newA, b, b}, {}).backupPath, "");
    const LibraryWrite merged = mergeGlyphs(path, {newA, b}, {.replaceExisting = true});
    EXPECT_EQ(std::tuple(merged.added, merged.replaced, merged.kept, merged.dropped.line),
              std::tuple(0, 1, 1, 0));
    EXPECT_EQ(merged.backupPath, path + ".bak.3");
    EXPECT_EQ(contents(path + ".bak.3"), lineA + lineZ + lineA + lineb);
    EXPECT_EQ(contents(path), newLineA + lineZ + lineA + lineb);
}

// The step after the writes failing (the backup's fsync or close, the rename
// over the library) fails the save, says why and leaves every file as it was.
TEST_F(LibraryStore, AFailingLastStepLosesNothing) {
    const QByteArray damaged = lineA + "\"B\",\"&H1"; // a save that keeps a backup
    write(damaged);
    write("older", path + ".bak");
    for (const auto& [step, says] : {std::pair{posixFiles ? FileStep::sync : FileStep::close,
                                               "The old file could not be kept as a backup: "},
                                     {FileStep::commit, "Input/output error"}}) {
        failFileStep(step);
        const LibraryWrite saved = saveGlyph(path, newZ, false, yes);
        EXPECT_EQ(saved.result, LibraryWrite::Result::failed);
        EXPECT_TRUE(saved.error.startsWith(says)) << saved.error.toStdString();
        EXPECT_EQ(contents(path), damaged);
        EXPECT_EQ(contents(path + ".bak"), "older");
        EXPECT_EQ(files(), (QStringList{"FONTSDAT.txt", "FONTSDAT.txt.bak"}));
    }
    EXPECT_EQ(saveGlyph(path, newZ, false, yes).backupPath, path + ".bak.2"); // none left armed
    if (posixFiles) { // a device is written into, and its close is checked too
        failFileStep(FileStep::close);
        EXPECT_EQ(writeFile(QStringLiteral("/dev/null"), "x").error, "Input/output error");
    }
}

TEST_F(LibraryStore, RefusesFieldsTheFileCouldNotGiveBack) {
    write(lineA);
    for (const char* ch :
         {"p\r\nq", "a\tb", "\x1F", "\u0081", "\u009F", "\x7F", "\x01", "\"", "\u0416"}) {
        EXPECT_FALSE(saveGlyph(path, {ch, newA.HEX}, false, yes).error.isEmpty()) << ch;
    }
    EXPECT_EQ(contents(path), lineA);
    // The neighbours of the refused ranges are characters like any other.
    for (const char* ch : {" ", "~", "\u00A0"}) {
        EXPECT_TRUE(saveGlyph(path, {ch, newA.HEX}, false, yes).error.isEmpty()) << ch;
    }
}

// A disk that fills up in the middle of a save, and a folder mounted
// read-only, fail the save with every file as it was. The mounts need root.
TEST_F(LibraryStore, FailedWritesOnARealFileSystemKeepEveryFile) {
    mounted = QProcess::execute(QStringLiteral("mount"),
                                {"-t", "tmpfs", "-o", "size=256k", "tmpfs", dir.path()}) == 0;
    if (!mounted) {
        GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
    }
    // 4000 records, 160 kB: a second copy does not fit. Replace and append;
    // and a damaged library, whose backup does not fit.
    const QByteArray records = lineA + QByteArray(lineZ).replace('Z', 'g').repeated(3999);
    for (const auto& [record, tail] : {std::pair{newZ, "\"B\",\"&H1"}, {newA, ""}, {newZ, ""}}) {
        QFile::remove(path);
        write(records + tail);
        EXPECT_FALSE(saveGlyph(path, record, false, yes).error.isEmpty());
        EXPECT_EQ(contents(path), records + tail);
        EXPECT_EQ(files(), QStringList{"FONTSDAT.txt"}); // no temporary file or backup left
    }
    // A backup that fits in the write buffer but not on the disk fails when
    // flushed: the save stops, the library as it was.
    QFile::remove(path);
    const QByteArray damaged = lineA + "\"B\",\"" + QByteArray(12000, 'x');
    write(damaged);
    struct statvfs room {};
    ASSERT_EQ(::statvfs(QFile::encodeName(dir.path()).constData(), &room), 0);
    write(QByteArray(static_cast<qsizetype>(room.f_bavail * room.f_bsize) - 8192, 'f'),
          dir.filePath("filler"));
    EXPECT_FALSE(saveGlyph(path, newZ, false, yes).error.isEmpty());
    EXPECT_EQ(contents(path), damaged);
    EXPECT_EQ(files(), (QStringList{"filler", "FONTSDAT.txt"})); // no backup left either
    QFile::remove(dir.filePath("filler"));
    QFile::remove(path);
    write(records);
    // Written in place by a user who may not add files: the room is reserved
    // before anything is overwritten.
    QProcess::execute("sh", {"-c", "cat /dev/zero > \"$0\"", dir.filePath("filler")});
    ::chmod(QFile::encodeName(path).constData(), 0666);
    EXPECT_FALSE(savesAsOutsider(dir.path(), [&] {
        return saveGlyph(path, {"A", {std::string(5000, 'x')}}, false, yes).error.isEmpty();
    }));
    EXPECT_EQ(contents(path), records);
    ASSERT_EQ(QProcess::execute(QStringLiteral("mount"), {"-o", "remount,ro", dir.path()}), 0);
    EXPECT_FALSE(saveGlyph(path, newZ, false, yes).error.isEmpty());
    EXPECT_FALSE(saveGlyph(path, newA, false, yes).error.isEmpty());
    EXPECT_EQ(contents(path), records);
}

} // namespace
} // namespace vorlix
