// Saves that fail on a real file system: a disk that fills up in the middle
// of a write, a folder mounted read-only. Each must report the failure and
// leave every file as it was. The mounts need root; elsewhere these tests
// are skipped.

#include "library/library_format.h"
#include "library/library_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace vorlix {
namespace {

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
    // A library of 4000 records (160 kB: a second copy does not fit) whose
    // first is A, with tail after it.
    QByteArray write(const QByteArray& tail) {
        FontTable table(4000, {"g", {"&H7E", "&H11", "&H11", "&H11", "&H7E"}});
        table[0].CHAR = "A";
        const QByteArray bytes = QByteArray::fromStdString(*libraryBytes(table)) + tail;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(bytes), bytes.size());
        return bytes;
    }
    QByteArray contents() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    QString path = libraryPathBeside(dir.path());
    bool mounted = false;
};

TEST_F(SmallDisk, DiskFullInTheMiddleOfASaveKeepsEveryFile) {
    const FONTREC replaced{"A", {"&H1", "&H2", "&H3", "&H4", "&H5"}};
    const FONTREC appended{"Z", replaced.HEX};
    // Replace and append; and a damaged library, whose backup does not fit.
    for (const auto& [record, tail] :
         {std::pair{replaced, QByteArray()}, {appended, ""}, {appended, "\"B\",\"&H1"}}) {
        const QByteArray old = write(tail);
        EXPECT_FALSE(saveGlyph(path, record, false, [] { return true; }).error.isEmpty());
        EXPECT_EQ(contents(), old);
        EXPECT_EQ(files(), QStringList{"FONTSDAT.txt"}); // no temporary file or backup left
    }
}

TEST_F(SmallDisk, ReadOnlyFolderRefusesEverySave) {
    const QByteArray old = write({});
    ASSERT_EQ(QProcess::execute(QStringLiteral("mount"), {"-o", "remount,ro", dir.path()}), 0);
    EXPECT_FALSE(saveGlyph(path, {"Z", {}}, false, [] { return true; }).error.isEmpty());
    EXPECT_FALSE(saveGlyph(path, {"A", {}}, false, [] { return true; }).error.isEmpty());
    EXPECT_EQ(contents(), old);
}

} // namespace
} // namespace vorlix
