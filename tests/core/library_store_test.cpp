#include "library/library_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <thread>

namespace vorlix {
namespace {

const auto yes = [] { return true; };

const FONTREC recordA{"A", {"&H7E", "&H11", "&H11", "&H11", "&H7E"}};
const QByteArray lineA = "\"A\",\"&H7E\",\"&H11\",\"&H11\",\"&H11\",\"&H7E\"\r\n";

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
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

    EXPECT_TRUE(saveGlyph(path, recordA, false, yes).error.isEmpty());
    EXPECT_EQ(contents(path), lineA);
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

} // namespace
} // namespace vorlix
