#include "library/library_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <thread>

namespace vorlix {
namespace {

const FONTREC recordA{"A", {"&H7E", "&H11", "&H11", "&H11", "&H7E"}};
const QByteArray lineA = "\"A\",\"&H7E\",\"&H11\",\"&H11\",\"&H11\",\"&H7E\"\r\n";

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class LibraryStore : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path = libraryPathBeside(dir.path());
};

TEST_F(LibraryStore, LivesBesideTheProgram) {
    EXPECT_EQ(libraryPathBeside(QStringLiteral("/opt/tool")),
              QStringLiteral("/opt/tool/FONTSDAT.txt"));
}

TEST_F(LibraryStore, MissingFileIsAnEmptyLibraryAndFirstAppendCreatesIt) {
    const LibraryLoad load = loadLibrary(path);
    EXPECT_TRUE(load.error.isEmpty());
    EXPECT_TRUE(load.parsed.records.empty());
    EXPECT_FALSE(QFile::exists(path));

    EXPECT_TRUE(appendToLibrary(path, recordA).error.isEmpty());
    EXPECT_EQ(contents(path), lineA);
}

TEST_F(LibraryStore, ReplaceOfDamagedFileKeepsABackup) {
    const QByteArray damaged = lineA + "\"B\",\"&H1";
    put(path, damaged);
    const FONTREC newA{"A", {"&H1", "&H2", "&H3", "&H4", "&H5"}};
    const SaveOutcome outcome = replaceInLibrary(path, newA);
    EXPECT_TRUE(outcome.error.isEmpty());
    EXPECT_EQ(outcome.backupPath, path + ".bak");
    EXPECT_EQ(outcome.dropped.line, 2);
    EXPECT_EQ(contents(path + ".bak"), damaged);
    EXPECT_EQ(contents(path), "\"A\",\"&H1\",\"&H2\",\"&H3\",\"&H4\",\"&H5\"\r\n");
}

TEST_F(LibraryStore, WriteFailureReportsAndLeavesNoFile) {
    const QString nowhere = QDir(dir.path()).filePath(QStringLiteral("gone/FONTSDAT.txt"));
    const SaveOutcome outcome = appendToLibrary(nowhere, recordA);
    EXPECT_FALSE(outcome.error.isEmpty());
    EXPECT_FALSE(QFile::exists(nowhere));
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
    EXPECT_FALSE(appendToLibrary(path, recordA).error.isEmpty());
}

} // namespace
} // namespace vorlix
