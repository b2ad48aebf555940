// The library a front end works on: its table follows the file, damage is
// told once, and its writes come back as outcomes for the front end to word.

#include "library/library_session.h"

#include <gtest/gtest.h>

#include <array>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

namespace vorlix {
namespace {

const QByteArray lineA = "\"A\",\"&H7E\",\"&H11\",\"&H11\",\"&H11\",\"&H7E\"\r\n";
const QByteArray lineB = "\"B\",\"&H7F\",\"&H49\",\"&H49\",\"&H49\",\"&H36\"\r\n";
const QByteArray cutShort = "\"C\",\"&H1\r\n";
const FONTREC newZ{"Z", {"&H1", "&H2", "&H3", "&H4", "&H5"}};

class Session : public testing::Test {
protected:
    void write(const QByteArray& bytes) const {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray contents() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    std::vector<std::string> characters(const LibrarySession& session) const {
        std::vector<std::string> seen;
        for (std::size_t k = 0; k < session.table().size(); ++k) {
            seen.emplace_back(session.table().character(k));
        }
        return seen;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("FONTSDAT.txt"));
};

TEST_F(Session, SeesAChangeOnDiskAndTellsDamageOnce) {
    write(lineA);
    LibrarySession session(path);
    EXPECT_TRUE(session.changedOnDisk()); // nothing read yet
    const LibraryReload first = session.reload();
    EXPECT_TRUE(first.error.isEmpty());
    EXPECT_FALSE(first.damage);
    EXPECT_FALSE(session.changedOnDisk());

    // Another program appends, with damage after it: seen, read, told.
    write(lineA + lineB + cutShort);
    EXPECT_TRUE(session.changedOnDisk());
    const LibraryReload damaged = session.reload();
    ASSERT_TRUE(damaged.damage);
    EXPECT_EQ(damaged.damage->line, 3);
    EXPECT_EQ(characters(session), (std::vector<std::string>{"A", "B"}));
    EXPECT_FALSE(session.reload().damage); // told once
    write(lineB + cutShort);               // the same words, on another line: told again
    EXPECT_EQ(session.reload().damage->line, 2);

    QThread::msleep(20); // a file system's time steps: a rewrite of the same size is seen
    write(lineA + cutShort); // as long as lineB + cutShort
    EXPECT_TRUE(session.changedOnDisk());
    session.reload();
    QFile::remove(path);
    EXPECT_TRUE(session.changedOnDisk());
    EXPECT_TRUE(session.reload().error.isEmpty()); // a missing library is an empty one
    EXPECT_TRUE(session.table().empty());
}

TEST_F(Session, WritesComeBackAsOutcomes) {
    write(lineA + lineB);
    LibrarySession session(path);
    session.reload();

    const LibraryWrite saved = session.save(newZ, false, [] { return true; });
    EXPECT_EQ(saved.result, LibraryWrite::Result::written);
    const LibraryWrite unstorable =
        session.save({"\u0416", newZ.HEX}, false, [] { return true; }); // not in Windows-1252
    EXPECT_EQ(unstorable.result, LibraryWrite::Result::refused);
    EXPECT_FALSE(unstorable.ok());
    session.reload();

    // Delete the record at its listed place, even after another program put
    // a record before it.
    write("\"Y\",\"&H0\",\"&H0\",\"&H0\",\"&H0\",\"&H0\"\r\n" + contents());
    EXPECT_EQ(session.remove(1).result, LibraryWrite::Result::written); // B, listed second
    EXPECT_FALSE(contents().contains("\"B\""));
    EXPECT_TRUE(contents().startsWith("\"Y\""));
    session.reload();

    const FontTable merged{{"A", newZ.HEX}, {"Q", newZ.HEX}};
    const LibraryWrite plan = session.planMerge(merged);
    EXPECT_EQ(plan.result, LibraryWrite::Result::unchanged);
    EXPECT_EQ((std::array{plan.added, plan.replaced, plan.kept}), (std::array{1, 1, 0}));
    EXPECT_FALSE(contents().contains("\"Q\"")); // planning writes nothing
    const LibraryWrite kept = session.merge(merged, {});
    EXPECT_EQ((std::array{kept.added, kept.replaced, kept.kept}), (std::array{1, 0, 1}));
}

// A merge or conversion that was asked to lose nothing leaves a damaged
// library byte for byte; without that, the damage is dropped into a backup.
TEST_F(Session, RefusesToShortenADamagedLibraryWhenAskedToLoseNothing) {
    const QByteArray damaged = lineA + cutShort + lineB;
    write(damaged);
    LibrarySession session(path);
    const int line = session.reload().damage->line;
    const FontTable records{newZ};
    for (const MergeRules rules : {MergeRules{false, false, true}, MergeRules{true, true, true}}) {
        const LibraryWrite refused = session.merge(records, rules);
        EXPECT_EQ(refused.result, LibraryWrite::Result::damagedLibrary);
        EXPECT_EQ(refused.dropped.line, line);
        EXPECT_EQ(contents(), damaged);
    }
    const LibraryWrite converted = session.convert(TextEncoding::utf8WithMark);
    EXPECT_EQ(converted.result, LibraryWrite::Result::damagedLibrary);
    EXPECT_EQ(contents(), damaged);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"FONTSDAT.txt"});

    const LibraryWrite merged = session.merge(records, {});
    EXPECT_EQ(merged.result, LibraryWrite::Result::written);
    EXPECT_EQ(merged.dropped.line, line);
    EXPECT_EQ(contents(), lineA + "\"Z\",\"&H1\",\"&H2\",\"&H3\",\"&H4\",\"&H5\"\r\n");
    QFile backup(merged.backupPath);
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), damaged);
}

} // namespace
} // namespace vorlix
