// Saves that fail on a real file system: a disk that fills up in the middle
// of a write, a folder mounted read-only, a file marked read-only. Each must
// report the failure and leave the library byte for byte as it was. The
// mounts need root; elsewhere these tests are skipped.

#include "library/library_format.h"
#include "library/library_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace vorlix {
namespace {

const auto yes = [] { return true; };

const FONTREC recordA{"A", {"&H1", "&H2", "&H3", "&H4", "&H5"}};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A library of count records whose first is A.
QByteArray library(int count) {
    FontTable table(count, {"g", {"&H7E", "&H11", "&H11", "&H11", "&H7E"}});
    table[0].CHAR = "A";
    return QByteArray::fromStdString(*libraryBytes(table));
}

class SmallDisk : public testing::Test {
protected:
    void SetUp() override {
        if (QProcess::execute(QStringLiteral("mount"),
                              {"-t", "tmpfs", "-o", "size=256k", "tmpfs", dir.path()}) != 0) {
            GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
        }
        mounted = true;
    }
    void TearDown() override {
        if (mounted) {
            QProcess::execute(QStringLiteral("umount"), {dir.path()});
        }
    }
    void write(const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    QString path = libraryPathBeside(dir.path());
    bool mounted = false;
};

TEST_F(SmallDisk, DiskFullInTheMiddleOfAReplaceKeepsTheOldFile) {
    const QByteArray old = library(4000); // 160 kB: a second copy does not fit
    write(old);
    const SaveOutcome outcome = saveGlyph(path, recordA, false, yes);
    EXPECT_FALSE(outcome.error.isEmpty());
    EXPECT_EQ(contents(path), old);
    EXPECT_EQ(files(), QStringList{"FONTSDAT.txt"}); // no temporary file left behind
}

TEST_F(SmallDisk, DiskFullInTheMiddleOfAnAppendKeepsTheOldFile) {
    const QByteArray old = library(4000);
    write(old);
    EXPECT_FALSE(
        saveGlyph(path, {"Z", {"&H1", "&H2", "&H3", "&H4", "&H5"}}, false, yes).error.isEmpty());
    EXPECT_EQ(contents(path), old);
    EXPECT_EQ(files(), QStringList{"FONTSDAT.txt"});
}

TEST_F(SmallDisk, ReadOnlyFolderRefusesEverySave) {
    const QByteArray old = library(3);
    write(old);
    ASSERT_EQ(QProcess::execute(QStringLiteral("mount"), {"-o", "remount,ro", dir.path()}), 0);
    EXPECT_FALSE(saveGlyph(path, {"Z", {}}, false, yes).error.isEmpty());
    EXPECT_FALSE(saveGlyph(path, recordA, false, yes).error.isEmpty());
    EXPECT_EQ(contents(path), old);
    EXPECT_EQ(loadLibrary(path).parsed.records.size(), 3u);
}

TEST(ReadOnlyFile, IsRespectedEvenWithTheRightsToReplaceIt) {
    QTemporaryDir dir;
    const QString path = libraryPathBeside(dir.path());
    const QByteArray old = library(2);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    EXPECT_EQ(saveGlyph(path, {"Z", {}}, false, yes).error,
              QStringLiteral("The file is read-only."));
    EXPECT_FALSE(saveGlyph(path, recordA, false, yes).error.isEmpty());
    EXPECT_EQ(contents(path), old);
}

} // namespace
} // namespace vorlix
