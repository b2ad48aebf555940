// Runs the real vorlix-table and compares what it writes with the core's own
// functions and with the documented forms.

#include "editor/column_encoding.h"
#include "library/library_format.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <sys/stat.h>
#include <thread>

namespace vorlix {
namespace {

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

Outcome run(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(VORLIX_TABLE), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

const FontTable workedLibrary{{"A", {"&H7E", "&H9", "&H9", "&H9", "&H7E"}},
                              {"B", {"&H7F", "&H49", "&H49", "&H49", "&H36"}}};

// Line 2 is no byte, line 3 repeats A, line 4 is a byte 1252 leaves
// undefined, line 5 opens a quote it never closes.
const std::string damagedLibrary = "\"A\",\"&H7E\",\"&H9\",\"&H9\",\"&H9\",\"&H7E\"\r\n"
                                   "\"B\",\"&H1FF\",\"&H49\",\"&H49\",\"&H49\",\"&H36\"\r\n"
                                   "\"A\",\"&H1\",\"&H2\",\"&H3\",\"&H4\",\"&H5\"\r\n"
                                   "\"\x81\",\"&H1\",\"&H2\",\"&H3\",\"&H4\",\"&H5\"\r\n"
                                   "\"C\",\"&H1\r\n";

class VorlixTable : public testing::Test {
protected:
    QString write(const QString& name, const std::string& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }
    QString library(const FontTable& table) { return write("FONTSDAT.txt", *libraryBytes(table)); }

    QTemporaryDir dir;
};

TEST_F(VorlixTable, WritesTheWorkedExampleAsTheWindowDoes) {
    const QString path = library(workedLibrary);
    const Outcome plain = run({"--library", path, "AB?"});
    EXPECT_EQ(plain.code, 0);
    EXPECT_EQ(plain.out,
              ";AB?\r\n;Total Columns = 15\r\n       dt  0x7E,  0x9,   0x9,   0x9,   0x7E\r\n"
              "       dt  0x7F,  0x49,   0x49,   0x49,   0x36\r\n"
              "       dt  0x,  0x,   0x,   0x,   0x");
    EXPECT_EQ(plain.err, "");
    EXPECT_EQ(run({"-l", path, "-b", "-p", "$", "B"}).out,
              ";B\r\n;Total Columns = 6\r\n       dt  $7F,  $49,   $49,   $49,   $36,   $FF");
    EXPECT_EQ(run({"-l", path, "-o", dir.filePath("out.inc"), "AB?"}).out, "");
    QFile out(dir.filePath("out.inc"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll().toStdString(), plain.out);
}

TEST_F(VorlixTable, ChecksLibrariesLineByLine) {
    const Outcome clean = run({"--check", "-l", library(workedLibrary)});
    EXPECT_EQ(clean.code, 0);
    EXPECT_NE(clean.out.find("2 glyphs, read as Windows-1252, nothing to report"),
              std::string::npos)
        << clean.out;

    const QString path = write("damaged.txt", damagedLibrary);
    const std::string at = QDir::toNativeSeparators(path).toStdString() + ":";
    const Outcome damaged = run({"-c", "-l", path});
    EXPECT_EQ(damaged.code, 1);
    EXPECT_EQ(
        damaged.out,
        at + "2: 'B' (U+0042): column 1 \"&H1FF\" is not a byte (&H and 1 or 2 hex digits)\n" + at +
            "3: 'A' (U+0041) again: the glyph on line 1 is used, this one never is\n" + at +
            "4: U+0081 holds byte 0x81, which Windows-1252 leaves undefined; was the "
            "file saved in another encoding?\n" +
            at +
            "5: reading stops here: a quote is opened but never closed; nothing "
            "after this point loads\n" +
            at.substr(0, at.size() - 1) + ": 4 glyphs, read as Windows-1252\n");
}

struct ExitCase {
    // $lib, $bad, $u8 (UTF-8 with its mark), $bare (UTF-8 without), $link (to
    // $lib), $pic (an existing picture) and $dir stand for the test's files.
    QStringList arguments;
    int code;
    std::string says; // part of what is written, on either stream
};

class ExitCodes : public VorlixTable, public testing::WithParamInterface<ExitCase> {};

TEST_P(ExitCodes, FollowTheRules) {
    const std::string utf8Record = "\"\xC3\xA9\",\"&H1\",\"&H2\",\"&H3\",\"&H4\",\"&H5\"\r\n";
    QStringList arguments = GetParam().arguments;
    const QString lib = library(workedLibrary);
    const QByteArray libBytes = QByteArray::fromStdString(*libraryBytes(workedLibrary));
    QFile::link(lib, dir.filePath("link.txt"));
    arguments.replaceInStrings("$lib", lib);
    arguments.replaceInStrings("$link", dir.filePath("link.txt"));
    arguments.replaceInStrings("$bad", write("damaged.txt", damagedLibrary));
    arguments.replaceInStrings("$u8", write("u8.txt", "\xEF\xBB\xBF" + utf8Record));
    arguments.replaceInStrings("$bare", write("bare.txt", utf8Record));
    arguments.replaceInStrings("$pic", write("old.png", "an older picture"));
    arguments.replaceInStrings("$dir", dir.path());
    const Outcome result = run(arguments);
    EXPECT_EQ(result.code, GetParam().code) << result.err;
    EXPECT_NE((result.out + result.err).find(GetParam().says), std::string::npos)
        << result.out << result.err;
    // Whatever happens, the library is never written; a failure writes nothing.
    QFile libFile(lib);
    ASSERT_TRUE(libFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(libFile.readAll(), libBytes);
    if (result.code != 0) {
        QFile picture(dir.filePath("old.png"));
        ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
        EXPECT_EQ(picture.readAll(), "an older picture");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitCodes,
    testing::Values(ExitCase{{"--version"}, 0, "vorlix-table 1.0.0"},
                    ExitCase{{"-h"}, 0, "--library"}, ExitCase{{"-l", "$lib", "-s", "AB"}, 0, ""},
                    ExitCase{{"-l", "$bad", "AB"}, 0, "the 4 glyphs before that line are used"},
                    ExitCase{{"-l", "$lib", "--strict", "AB?\u00E9"},
                             1,
                             "'?' (U+003F) is not in the library\nvorlix-table: '\u00E9' (U+00E9)"},
                    ExitCase{{"-l", "$bad", "-s", "A"}, 1, "damaged.txt:5: the library is damaged"},
                    ExitCase{{"-l", "$bad", "-s", "B"}, 1, "column 1 \"&H1FF\" is not a byte"},
                    ExitCase{{"--bogus", "A"}, 2, "Unknown option 'bogus'"},
                    ExitCase{{"-l", "$dir/none.txt", "A"}, 2, "none.txt: no such file"},
                    ExitCase{{"-l", "$lib", "-o", "$dir/no/such.inc", "A"}, 2, "cannot write"},
                    ExitCase{{"-l", "$lib", "A", "B"}, 2, "as one argument"},
                    ExitCase{{"-l", "$lib"}, 2, "no message"},
                    ExitCase{{"-l", "$lib", "A\nB"}, 2, "line break"},
                    ExitCase{{"-l", "$lib", "-f", "hex", "A"}, 2, "--format is dt, asm, retlw"},
                    ExitCase{{"-l", "$lib", "--round", "A"}, 2, "--round needs --render"},
                    ExitCase{{"-c", "-l", "$lib", "A"}, 2, "--check takes no message"},
                    ExitCase{{"-c", "-l", "$u8"}, 0, "1 glyphs, read as UTF-8, nothing"},
                    ExitCase{{"-l", "$lib", "--org", "0x1FE", "-f", "retlw", "AB"},
                             1,
                             "entry 2 of the table ('A' (U+0041), column 3) would be at 0x200"},
                    ExitCase{{"-l", "$lib", "--org", "0x1F6", "AB"}, 0, "dt  0x7F"},
                    ExitCase{{"-l", "$lib", "--label", "9lives", "-f", "c", "A"}, 2, "identifier"},
                    ExitCase{{"-l", "$lib", "-f", "avr", "--guard", "A"}, 2, "dt or retlw only"},
                    ExitCase{{"-c", "-l", "$bare"}, 1, "bare.txt:1: these bytes read as UTF-8"},
                    ExitCase{{"-l", "", "A"}, 2, "--library needs a file name"},
                    ExitCase{{"-l", "$lib", "-o", "", "A"}, 2, "--output needs a file name"},
                    ExitCase{{"-l", "$lib", "-r", "", "A"}, 2, "--render needs a file name"},
                    ExitCase{{"-l", "$lib", "-p", "\r", "A"}, 2, "prefix holds a line break"},
                    ExitCase{{"-l", "/dev/zero", "A"}, 2, "larger than 256 MiB"},
                    ExitCase{{"-l", "$lib", "-o", "$lib", "A"}, 2, "is the library itself"},
                    ExitCase{{"-l", "$link", "-o", "$lib", "A"}, 2, "is the library itself"},
                    ExitCase{{"-l", "$lib", "-r", "$link", "A"}, 2, "is the library itself"},
                    ExitCase{{"-l", "$lib", "-r", "$pic", QString(16667, 'A')},
                             2,
                             "at most 16666 characters fit"},
                    ExitCase{{"-l", "$lib", "-b", "--round", "-r", "$pic", QString(500, 'A')},
                             2,
                             "on a ring: at most"}));

// Importing into a library: created, merged, replaced; --strict refuses a
// font whose glyphs do not fit, and a file that is no font is an error.
TEST_F(VorlixTable, ImportsFontsIntoTheLibrary) {
    const QString font = QStringLiteral(VORLIX_TEST_DATA "/tiny.bdf");
    const QString lib = dir.filePath("new.txt");
    const auto import = [&](QStringList more) {
        return run(QStringList{"--import", font, "-l", lib, "--chars", "34,65,103,122"} << more);
    };
    const Outcome first = import({});
    EXPECT_EQ(first.code, 0) << first.err;
    EXPECT_EQ(first.out, QDir::toNativeSeparators(font).toStdString() +
                             ": added 2, replaced 0, kept 0, not in the font 1, refused 1\n");
    EXPECT_NE(first.err.find("'\"' (U+0022)"), std::string::npos) << first.err;
    EXPECT_NE(import({}).out.find("added 0, replaced 0, kept 2"), std::string::npos);
    EXPECT_NE(import({"--replace", "--invert"}).out.find("added 0, replaced 2, kept 0"),
              std::string::npos);
    QFile file(lib);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\"A\",\"&H3E\",\"&H48\",\"&H48\",\"&H3E\",\"&H0\"\r\n"));

    const Outcome strict = run({"--import", font, "-l", lib, "--chars", "87", "--strict"});
    EXPECT_EQ(strict.code, 1);
    EXPECT_NE(strict.err.find("'W' (U+0057)"), std::string::npos) << strict.err;
    EXPECT_EQ(run({"--import", lib, "-l", lib}).code, 2); // a library is no font
    file.seek(0);
    EXPECT_EQ(file.readAll(), bytes);
}

// Outputs that are no regular file are written into, never replaced.
TEST_F(VorlixTable, WritesIntoStreamsAndDevices) {
    const QString lib = library(workedLibrary);
    const std::string table = run({"-l", lib, "AB"}).out;
    const QString log = write("log", "earlier lines\n");
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    std::string fromFifo;
    std::thread reader([&] {
        QFile file(fifo);
        if (file.open(QIODevice::ReadOnly)) {
            fromFifo = file.readAll().toStdString();
        }
    });
    EXPECT_EQ(run({"-l", lib, "-o", fifo, "AB"}).code, 0);
    reader.join();
    EXPECT_EQ(fromFifo, table);
    EXPECT_TRUE(QFileInfo(fifo).isFile() == false && QFileInfo::exists(fifo));

    const QString me = QStringLiteral(VORLIX_TABLE);
    QProcess shell;
    shell.start("sh", {"-c",
                       "\"$0\" -l \"$1\" -o /dev/stdout AB >> \"$2\" && "
                       "! \"$0\" -c -l \"$1\" > /dev/full",
                       me, lib, log});
    ASSERT_TRUE(shell.waitForFinished(60000));
    EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
    QFile logFile(log);
    ASSERT_TRUE(logFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(logFile.readAll().toStdString(), "earlier lines\n" + table);
}

// The picture shows what the editor drew: glyphs drawn and encoded with the
// same options come back, dot for dot, where the documented geometry puts them.
TEST_F(VorlixTable, DrawsWhatTheEditorDrew) {
    std::mt19937 random(5);
    for (const BitOptions options : {BitOptions{false, false}, BitOptions{false, true},
                                     BitOptions{true, false}, BitOptions{true, true}}) {
        FontTable table;
        std::vector<Glyph> drawn(3);
        for (std::size_t g = 0; g < drawn.size(); ++g) {
            FONTREC& record = table.emplace_back();
            record.CHAR = std::string(1, static_cast<char>('a' + g));
            for (int c = 0; c < 5; ++c) {
                for (bool& dot : drawn[g].dots[c]) {
                    dot = random() % 3 == 0;
                }
            }
            const GlyphTexts texts = encodeColumns(drawn[g], options);
            for (int c = 0; c < 5; ++c) {
                record.HEX[c] = texts[c].hex;
            }
        }
        QStringList arguments{"-l", library(table), "-b", "-r", dir.filePath("m.png"), "abc?"};
        arguments << (options.invert ? "--invert" : "-b") << (options.swapMsb ? "--swap" : "-b");
        ASSERT_EQ(run(arguments).code, 0);
        const QImage image(dir.filePath("m.png"));
        ASSERT_EQ(image.size(), QSize(12 * 24, 96));
        for (int column = 0; column < 24; ++column) {
            for (int row = 0; row < 8; ++row) {
                const std::size_t g = column / 6;
                const bool lit =
                    g < drawn.size() && column % 6 < 5 && drawn[g].dots[column % 6][row];
                const QRgb pixel = image.pixel(6 + 12 * column, 6 + 12 * row);
                EXPECT_EQ(qRed(pixel) > 200 && qGreen(pixel) < 40, lit)
                    << "column " << column << " row " << row;
                EXPECT_TRUE(lit || qGray(pixel) < 30);
            }
        }
    }
}

// On a ring the same dots are drawn as in a row, in a picture of the
// documented size: the red they cover is the same.
TEST_F(VorlixTable, DrawsTheSameDotsOnTheRing) {
    const QString path = library(workedLibrary);
    const auto redPixels = [](const QImage& image) {
        int red = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                red += qRed(image.pixel(x, y)) > 128 && qGreen(image.pixel(x, y)) < 40;
            }
        }
        return red;
    };
    ASSERT_EQ(run({"-l", path, "-r", dir.filePath("s.png"), "AB"}).code, 0);
    ASSERT_EQ(run({"-l", path, "--round", "-r", dir.filePath("r.png"), "AB"}).code, 0);
    const QImage round(dir.filePath("r.png"));
    EXPECT_EQ(round.size(), QSize(384, 384)); // 2 * (96 + 7 * 12 + 12): the smallest ring
    const int straight = redPixels(QImage(dir.filePath("s.png")));
    EXPECT_GT(straight, 42 * 60); // 42 lit dots of about 78 pixels
    EXPECT_NEAR(redPixels(round), straight, straight / 20);
}

} // namespace
} // namespace vorlix

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
