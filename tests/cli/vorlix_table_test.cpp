// Runs the real vorlix-table: what it writes, where, and with which exit code.

#include "case_name.h"
#include "editor/column_encoding.h"
#include "library/library_format.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace vorlix {
namespace {

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

const FontTable worked{{"A", {"&H7E", "&H9", "&H9", "&H9", "&H7E"}},
                       {"B", {"&H7F", "&H49", "&H49", "&H49", "&H36"}}};
// Line 2 is no byte, line 3 repeats A, line 4 is a byte 1252 leaves
// undefined, line 5 opens a quote it never closes.
const QByteArray damaged = "\"A\",\"&H7E\",\"&H9\",\"&H9\",\"&H9\",\"&H7E\"\r\n"
                           "\"B\",\"&H1FF\",\"&H49\",\"&H49\",\"&H49\",\"&H36\"\r\n"
                           "\"A\",\"&H1\",\"&H2\",\"&H3\",\"&H4\",\"&H5\"\r\n"
                           "\"\x81\",\"&H1\",\"&H2\",\"&H3\",\"&H4\",\"&H5\"\r\n"
                           "\"C\",\"&H1\r\n";
const std::string utf8Record = "\"\xC3\xA9\",\"&H1\",\"&H2\",\"&H3\",\"&H4\",\"&H5\"\r\n";

// The program runs in the test's folder, which holds the files the cases
// name: FONTSDAT.txt the worked library, link.txt a link to it, damaged.txt,
// u8.txt and bare.txt UTF-8 with and without the mark, surrogate.txt no UTF-8, old.png a picture.
class VorlixTable : public testing::Test {
protected:
    void SetUp() override {
        write("damaged.txt", damaged.toStdString());
        write("u8.txt", "\xEF\xBB\xBF\"\xC2\x81" + utf8Record.substr(3)); // U+0081
        write("surrogate.txt", "\xEF\xBB\xBF\"\xED\xA0\x80" + utf8Record.substr(3));
        static constexpr char escape[] = "  dt 0x7E, \x1b[2J\0Z\n";
        write("escape.asm", std::string(escape, sizeof escape - 1)); // the NUL inside kept
        write("trailing.asm", " dt 0x7Eq, 9, 9, 9, 0x7E\n");
        write("cut.txt", "\"A\",\"&H1\",\"&H2\"\r\n" + utf8Record); // line 1 cut short
        write("bare.txt", utf8Record);
        write("old.png", "an older picture");
        write("FONTSDAT.txt", *libraryBytes(worked));
        QFile::link("FONTSDAT.txt", dir.filePath("link.txt"));
    }
    void write(const QString& name, const std::string& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    Outcome run(const QStringList& arguments, const QString& program = VORLIX_TABLE) const {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(program, arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
            return {};
        }
        return {process.exitCode(), process.readAllStandardOutput().toStdString(),
                process.readAllStandardError().toStdString()};
    }
    QByteArray read(const QString& name) const {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

struct ExitCase {
    std::string what;
    QStringList arguments;
    int code;
    std::string says; // part of what is written, standard output then standard error
};

class ExitCodes : public VorlixTable, public testing::WithParamInterface<ExitCase> {};

TEST_P(ExitCodes, FollowTheRules) {
    const Outcome result = run(QStringList{"-l", "FONTSDAT.txt"} + GetParam().arguments);
    EXPECT_EQ(result.code, GetParam().code) << result.err;
    EXPECT_NE((result.out + result.err).find(GetParam().says), std::string::npos)
        << result.out << result.err;
    // Whatever happens, the library is never written; a failure writes nothing,
    // and nothing shortens a damaged library.
    EXPECT_EQ(read("FONTSDAT.txt"), QByteArray::fromStdString(*libraryBytes(worked)));
    EXPECT_EQ(read("damaged.txt"), damaged);
    if (result.code != 0) {
        EXPECT_EQ(read("old.png"), "an older picture");
    }
}

// Undoes the escapes of tests/data/exit_codes.txt (see its head).
QString unescaped(const QString& field) {
    if (field == QLatin1String("\"\"")) {
        return {};
    }
    if (field.startsWith(QLatin1String("\\*"))) {
        return QString(field.mid(2, field.size() - 3).toInt(), field.back());
    }
    QByteArray bytes;
    const QByteArray raw = QString(field).replace("$DATA", VORLIX_TEST_DATA).toUtf8();
    for (qsizetype k = 0; k < raw.size(); ++k) {
        const char next = k + 1 < raw.size() ? raw[k + 1] : 0;
        if (raw[k] != '\\') {
            bytes += raw[k];
        } else if (next == 'x') {
            bytes += char(raw.mid(k + 2, 2).toInt(nullptr, 16));
            k += 3;
        } else {
            bytes += next == 't' ? '\t' : next == 'r' ? '\r' : next == 'n' ? '\n' : next;
            ++k;
        }
    }
    return QString::fromUtf8(bytes);
}

std::vector<ExitCase> exitCases() {
    QFile file(VORLIX_TEST_DATA "/exit_codes.txt");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.errorString().toStdString();
    std::vector<ExitCase> read;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        const QStringList fields = line.split('\t');
        if (line.isEmpty() || line.startsWith('#') || fields.size() < 3) {
            continue;
        }
        QStringList arguments;
        for (const QString& field : fields.mid(3)) {
            arguments << unescaped(field);
        }
        read.push_back({fields[0].toStdString(), arguments, fields[1].toInt(),
                        unescaped(fields[2]).toStdString()});
    }
    return read;
}

INSTANTIATE_TEST_SUITE_P(Cases, ExitCodes, testing::ValuesIn(exitCases()), caseName<ExitCase>);

// Created, merged, replaced; --strict refuses a font whose glyphs lose dots
// and then writes nothing.
TEST_F(VorlixTable, ImportsFontsIntoTheLibrary) {
    const QString font = QStringLiteral(VORLIX_TEST_DATA "/tiny.bdf");
    QByteArray replacedFrom;
    for (const auto& [more, code, says] :
         {std::tuple{QStringList{}, 0,
                     "tiny.bdf: added 2, replaced 0, kept 0, not in the font 1, refused 1\n"
                     "vorlix-table: refused, since the library cannot store them: '\"' (U+0022)"},
          {QStringList{}, 0, "added 0, replaced 0, kept 2"},
          {QStringList{"--replace", "--invert"}, 0,
           "the library as it was before is kept as new.txt.bak"},
          {QStringList{"--chars", "87", "--strict"}, 1, "lose dots: 'W' (U+0057)"}}) {
        const QByteArray before = read("new.txt");
        replacedFrom = more.contains("--replace") ? before : replacedFrom;
        const Outcome result =
            run(QStringList{"--import", font, "-l", "new.txt", "--chars", "34,65,103,122"} << more);
        EXPECT_EQ(result.code, code) << result.err;
        EXPECT_NE((result.out + result.err).find(says), std::string::npos) << result.err;
        EXPECT_TRUE(code == 0 || read("new.txt") == before);
    }
    EXPECT_TRUE(
        read("new.txt").startsWith("\"A\",\"&H3E\",\"&H48\",\"&H48\",\"&H3E\",\"&H0\"\r\n"));
    EXPECT_EQ(read("new.txt.bak"), replacedFrom); // the replaced library, kept and named
}

// Hand-written firmware sources hold 'A' and 'B' in every number form
// firmware is written in, among comments, labels, equates and code.
TEST_F(VorlixTable, ReadsTablesFromFirmwareSources) {
    for (const auto& [file, more] :
         {std::pair{"pic_clock.asm", QStringList{"--label", "digits", "--text", "AB"}},
          {"pic_clock.asm", {"--label", "decimal", "--chars", "65-66"}},
          {"avr_font.asm", {"--label", "font", "--chars", "65-66"}},
          {"sketch.ino", {"--label", "font", "--chars", "65,66", "-f", "arduino"}}}) {
        QFile::remove(dir.filePath("read.txt"));
        const Outcome result =
            run(QStringList{"--read-table", QString(VORLIX_TEST_DATA "/") + file, "-l", "read.txt"}
                << more);
        EXPECT_EQ(result.code, 0) << result.err;
        EXPECT_NE(result.out.find(": added 2, replaced 0, kept 0, refused 0\n"), std::string::npos);
        EXPECT_EQ(read("read.txt"), QByteArray::fromStdString(*libraryBytes(worked))) << file;
    }
}

// Characters outside Windows-1252 are kept: a new library is made UTF-8, an
// old one is refused them with a count, ten names and the way to keep them,
// and --convert goes both ways losslessly while every character fits.
TEST_F(VorlixTable, KeepsCharactersOutsideWindows1252) {
    std::string twelve = "const unsigned char t[] = {";
    for (int k = 0; k < 60; ++k) {
        twelve += std::to_string(k) + ",";
    }
    write("twelve.c", twelve + "};");
    const QByteArray original = read("FONTSDAT.txt");
    const auto says = [&](const QStringList& arguments, int code, const std::string& text) {
        const Outcome result = run(QStringList{"-l", "FONTSDAT.txt"} + arguments);
        EXPECT_EQ(result.code, code) << result.err;
        EXPECT_NE((result.out + result.err).find(text), std::string::npos) << result.err;
    };
    says({"--read-table", "twelve.c", "--chars", "0x2600-0x260B"}, 0,
         "refused, since the library cannot store them: 12 characters, the first 10: '\u2600' "
         "(U+2600), ");
    says({"--read-table", "twelve.c", "--chars", "0x2600-0x260B"}, 0,
         "'\u2609' (U+2609); to keep those outside Windows-1252, make the library UTF-8");
    says({"--read-table", "twelve.c", "--chars", "65-76", "--text", "", "-s"}, 2,
         "--text needs at least one character");
    says({"--read-table", "twelve.c", "--text", "ABCDEFGHIJK\u2600", "-s"}, 1,
         "'\u2600' (U+2600); to keep those outside Windows-1252, make the library UTF-8 "
         "(--convert utf-8) and run this again\nvorlix-table: nothing was written (--strict)");
    EXPECT_EQ(read("FONTSDAT.txt"), original);
    says({"--read-table", VORLIX_TEST_DATA "/pic_clock.asm", "--label", "decimal", "--text",
          "\u2603A", "-l", "new.txt"},
         0, "added 2");
    EXPECT_TRUE(read("new.txt").startsWith("\xEF\xBB\xBF\"\u2603\",\"&H7E\","));
    says({"--convert", "windows-1252", "-l", "new.txt"}, 1,
         "Windows-1252 cannot hold '\u2603' (U+2603); the library stays as it is");
    says({"--convert", "utf-8"}, 0, "FONTSDAT.txt: now UTF-8");
    EXPECT_EQ(read("FONTSDAT.txt"), "\xEF\xBB\xBF" + original);
    says({"--convert", "windows-1252"}, 0, "FONTSDAT.txt: now Windows-1252");
    EXPECT_EQ(read("FONTSDAT.txt"), original);
}

// Outputs that are no regular file are written into, never replaced; a full
// device is an error.
TEST_F(VorlixTable, WritesIntoStreamsAndDevices) {
    const Outcome result = run({"-c", R"(t() { "$0" -l FONTSDAT.txt "$@"; } &&
t AB > want && mkfifo fifo && { timeout 20 cat fifo > got & } && t -o fifo AB && wait &&
cmp want got && test -p fifo && echo earlier > log && t -o /dev/stdout AB >> log &&
{ echo earlier; cat want; } | cmp - log && { t -c > /dev/full; test $? = 2; } &&
{ t AB > /dev/full; test $? = 2; } && { t -o /dev/full AB; test $? = 2; } &&
mkfifo lib && { cat FONTSDAT.txt > lib & } && timeout 20 "$0" -c -l lib | grep -q "2 glyphs")",
                                VORLIX_TABLE},
                               "sh");
    EXPECT_EQ(result.code, 0) << result.out << result.err;
}

// The picture shows what the editor drew: random glyphs drawn and encoded as
// the editor does come back dot for dot where the documented geometry puts
// them, blank columns dark; on the smallest ring the same dots cover as much red.
TEST_F(VorlixTable, DrawsWhatTheEditorDrew) {
    const auto red = [](QRgb pixel) { return qRed(pixel) > 128 && qGreen(pixel) < 40; };
    const auto redPixels = [&](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += red(image.pixel(x, y));
            }
        }
        return count;
    };
    std::mt19937 random(5);
    int top = 0; // lit dots of the upper four rows, which lie outermost on the ring
    int lit = 0;
    for (const BitOptions options : {BitOptions{false, false}, BitOptions{false, true},
                                     BitOptions{true, false}, BitOptions{true, true}}) {
        FontTable table;
        std::vector<Glyph> drawn(3);
        for (std::size_t g = 0; g < drawn.size(); ++g) {
            for (ColumnDots& column : drawn[g].dots) {
                for (std::size_t row = 0; row < column.size(); ++row) {
                    column[row] = row == 0 || random() % 3 == 0; // an asymmetric glyph
                    top += column[row] && row < 4;
                    lit += column[row];
                }
            }
            const GlyphTexts texts = encodeColumns(drawn[g], options);
            FONTREC record{std::string(1, static_cast<char>('a' + g)), {}};
            for (int c = 0; c < 5; ++c) {
                record.HEX[c] = texts[c].hex;
            }
            table.push_back(record);
        }
        write("FONTSDAT.txt", *libraryBytes(table));
        QStringList arguments{"-l", "FONTSDAT.txt", "-b", "abc?"};
        arguments << (options.invert ? "--invert" : "-b") << (options.swapMsb ? "--swap" : "-b");
        ASSERT_EQ(run(arguments + QStringList{"-r", "s.png"}).code, 0);
        ASSERT_EQ(run(arguments + QStringList{"--round", "-r", "r.png"}).code, 0);
        const QImage image(dir.filePath("s.png"));
        // A stick spinning the other way shows the columns in mirror order.
        ASSERT_EQ(run(arguments + QStringList{"--reverse", "-r", "v.png"}).code, 0);
        const QImage reversed(dir.filePath("v.png"));

        ASSERT_EQ(image.size(), QSize(12 * 24, 96));
        for (int column = 0; column < 24; ++column) {
            for (int row = 0; row < 8; ++row) {
                const std::size_t g = column / 6;
                const bool lit = g < 3 && column % 6 < 5 && drawn[g].dots[column % 6][row];
                const QRgb pixel = image.pixel(6 + 12 * column, 6 + 12 * row);
                EXPECT_EQ(red(pixel) && qRed(pixel) > 200, lit) << column << " " << row;
                EXPECT_TRUE(lit || qGray(pixel) < 30);
                EXPECT_EQ(red(reversed.pixel(6 + 12 * (23 - column), 6 + 12 * row)), lit);
            }
        }
        const QImage round(dir.filePath("r.png"));
        EXPECT_EQ(round.size(), QSize(384, 384)); // 2 * (96 + 7 * 12 + 12)
        EXPECT_NEAR(redPixels(round), redPixels(image), redPixels(image) / 20);
        int outer = 0; // red beyond the radius between rows 4 and 5 (138 px)
        for (int y = 0; y < round.height(); ++y) {
            for (int x = 0; x < round.width(); ++x) {
                outer += red(round.pixel(x, y)) && std::hypot(x - 191.5, y - 191.5) > 138;
            }
        }
        EXPECT_NEAR(double(outer) / redPixels(round), double(top) / lit, 0.05);
        top = lit = 0;
    }
}

} // namespace
} // namespace vorlix

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
