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
    const char* what;
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

// count different characters from first on.
QString characters(char16_t first, int count) {
    QString text;
    for (int k = 0; k < count; ++k) {
        text += QChar(static_cast<char16_t>(first + k));
    }
    return text;
}

// Every case reads FONTSDAT.txt unless it names another library.
// clang-format off
const ExitCase cases[] = {
    {"version is said", {"--version"}, 0, "vorlix-table 1.0.0"},
    {"help names the options", {"-h"}, 0, "--library"},
    {"strict message table", {"-s", "AB"}, 0, ";AB\r\n"},
    {"blank columns and a prefix", {"-b", "-p", "$", "B"}, 0,
     "= 6\r\n       dt  $7F,  $49,   $49,   $49,   $36,   $FF"},
    {"a damaged library lends the glyphs before the damage", {"-l", "damaged.txt", "AB"}, 0,
     "the 4 glyphs before that line are used"},
    {"strict names every missing character", {"--strict", "AB?\u00E9"}, 1,
     "(U+003F) is not in the library\nvorlix-table: '\u00E9'"},
    {"strict stops at damage", {"-l", "damaged.txt", "-s", "A"}, 1,
     "damaged.txt:5: the library is damaged"},
    {"strict stops at a column that is no byte", {"-l", "damaged.txt", "-s", "B"}, 1,
     "column 1 \"&H1FF\" is not a byte"},
    {"check of a sound library", {"-c"}, 0, "2 glyphs, read as Windows-1252, nothing to report\n"},
    {"check says every finding by its line", {"-c", "-l", "damaged.txt"},
     1,
     "damaged.txt:2: 'B' (U+0042): column 1 \"&H1FF\" is not a byte (&H and 1 or 2 hex "
     "digits)\ndamaged.txt:3: 'A' (U+0041) again: the glyph on line 1 is used, this one "
     "never is\ndamaged.txt:4: U+0081 holds byte 0x81, which Windows-1252 leaves undefined; "
     "was the file saved in another encoding?\ndamaged.txt:5: reading stops here: a quote "
     "is opened but never closed; nothing after this point loads\ndamaged.txt: 4 glyphs, "
     "read as Windows-1252\n"},
    {"check of marked UTF 8 with a C1 control", {"-c", "-l", "u8.txt"}, 0,
     "1 glyphs, read as UTF-8, nothing"},
    {"check sees unmarked UTF 8", {"-c", "-l", "bare.txt"}, 1,
     "bare.txt:1: these bytes read as UTF-8"},
    {"check takes no message", {"-c", "A"}, 2, "--check takes no message"},
    {"unknown option", {"--bogus", "A"}, 2, "Unknown option 'bogus'"},
    {"missing library", {"-l", "none.txt", "A"}, 2, "none.txt: no such file"},
    {"endless library", {"-l", "/dev/zero", "A"}, 2, "larger than 256 MiB"},
    {"output folder missing", {"-o", "no/such.inc", "A"}, 2, "cannot write"},
    {"two messages", {"A", "B"}, 2, "as one argument"},
    {"no message", {}, 2, "no message"},
    {"line break in the message", {"A\nB"}, 2, "line break"},
    {"unknown format", {"-f", "hex", "A"}, 2, "--format is dt, asm, retlw"},
    {"round needs render", {"--round", "A"}, 2, "--round needs --render"},
    {"org names the first column past the page", {"--org", "0x1FB", "-f", "retlw", "AB"}, 1,
     "entry 5 of the table ('B' (U+0042), column 1) would be at 0x200"},
    {"org table that fits its page", {"--org", "0x1F6", "AB"}, 0, "dt  0x7F"},
    {"label that is no identifier", {"--label", "9lives", "-f", "c", "A"}, 2, "identifier"},
    {"c inverted with a missing character dark", {"-f", "c", "--invert", "A?"}, 0,
     "0x81, /* 'A' */\n    0x00, 0x00, 0x00, 0x00, 0x00, /* '?'"},
    {"gas proportional and reversed", {"-f", "gas", "--proportional", "--reverse", "A B"},
     0,
     ":\n        .byte   0x36, 0x49, 0x49, 0x49, 0x7F  /* 'B' */\n        .byte   0xFF, 0xFF, "
     "0xFF, 0xFF  /* ' ' not in the library */\n        .byte   0xFF, 0x7E,"},
    {"font missing characters drawn as another",
     {"--font", "--chars", "65-67", "--missing", "A", "-f", "retlw"},
     0,
     "0x7E  ; 'C' not in the library: the glyph of 'A'\n        retlw   0x09"},
    {"font missing characters dark and warned",
     {"--font", "--chars", "66-67", "--missing", "?", "-f", "bin"},
     0,
     "warning: not in the library, so dark: 'C' (U+0043)"},
    {"font dt heading and first entry", {"--font", "--chars", "65-67", "-f", "dt"},
     0,
     "; 3 entries, U+0041 to U+0043, 5 columns each; 1 not in the library\r\nvorlix_font_FIRST "
     "equ 0x41\r\nvorlix_font:\r\n       dt  0x7E,  0x9,   0x9,   0x9,   0x7E  ; 'A'\r\n"},
    {"font text gives each character once",
     {"--font", "--text", "BAB", "-f", "gas", "--label", "f"},
     0,
     "0x7E  /* 'A' */\n        .set    f_INDEX_FIRST, 0x41\n        .global f_index\nf_index:\n"
     "        .byte   "
     "0x01  /* 'A' */\n        .byte   0x00  /* 'B' */\n"},
    {"strict font writes nothing for a missing character",
     {"--font", "-s", "--text", "BAZ", "-f", "avr", "--widths", "--space-width", "4"},
     1,
     "error: not in the library, so dark: 'Z' (U+005A)\nvorlix-table: nothing was written"},
    {"font widths with a space width",
     {"--font", "--text", "BAZ", "-f", "avr", "--widths", "--space-width", "4"},
     0,
     "_width:\n        .db     0x05, 0x05  ; 'B' 'A'\n        .db     0x04, 0x00  ; 'Z'"},
    {"space width out of range", {"--font", "--text", "A B", "--space-width", "8"}, 2,
     "from 1 to 5, not '8'"},
    {"empty text", {"--font", "--text", ""}, 2, "--text needs at least one character"},
    {"a code point past any number", {"--font", "--chars", "65,99999999999999999999"}, 2,
     "--chars takes code points and ranges such as"},
    {"text of 256 characters", {"--font", "--text", characters(0x100, 256)}, 1,
     "a text gives at most 255 entries"},
    {"avr lines hold whole words", {"-f", "avr", "--proportional", "--space-width", "2", "A BA"},
     0, "0x7E, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x49"},
    {"check refuses UTF 8 surrogates", {"-c", "-l", "surrogate.txt"}, 1,
     "surrogate.txt:1: reading stops here: bytes that are not UTF-8"},
    {"proportional font needs c", {"--font", "--proportional", "-f", "dt"}, 2,
     "goes with --format c or arduino"},
    {"font org past the page", {"--font", "--org", "0x1F7", "-f", "retlw"},
     1,
     "entry 9 of the table ('B' (U+0042), column 5)"},
    {"font takes no message", {"--font", "A"}, 2, "--font takes no message"},
    {"proportional with blank", {"--proportional", "-b", "A"}, 2, "leave out --blank"},
    {"widths need font", {"--widths", "A"}, 2, "--widths needs --font"},
    {"read table asks for a label",
     {"--read-table", VORLIX_TEST_DATA "/pic_clock.asm", "--chars", "65-66"},
     1,
     "lines 11, 13-24 and 26-27: name the table to read with --label"},
    {"read table number over a byte",
     {"--read-table", VORLIX_TEST_DATA "/pic_clock.asm", "--label", "bad", "--chars", "65"},
     1,
     "pic_clock.asm:24: '0x100' is more than a byte (255)"},
    {"read table too few glyphs",
     {"--read-table", VORLIX_TEST_DATA "/avr_font.asm", "--label", "font", "--chars", "65-67"},
     1,
     "the table holds 2 glyphs of 5 columns, but 3 characters"},
    {"read table bytes left over",
     {"--read-table", VORLIX_TEST_DATA "/avr_font.asm", "--label", "font", "-b", "--text", "A"},
     1,
     "10 bytes do not make glyphs of 6 columns (4 left over)"},
    {"read table finds no table", {"--read-table", "FONTSDAT.txt", "--chars", "65"}, 1,
     "there is no table data in it"},
    {"read table whose comments name nothing", {"--read-table", VORLIX_TEST_DATA "/pic_clock.asm", "--label", "decimal"}, 1,
     "the table's comments do not name its 2 glyphs' characters; give them"},
    // A reserved word of gpasm, but reading writes no label.
    {"read table of any label", {"--read-table", VORLIX_TEST_DATA "/clock_face.ino", "--label", "data", "-l", "new.txt"}, 0,
     "added 2"},
    {"update needs a label", {"--update", "x.c"}, 2, "--update needs --label"},
    {"dry run needs update", {"--dry-run", "A"}, 2, "--dry-run needs --update"},
    {"flat layout needs C", {"--font", "--layout", "flat"}, 2, "--layout goes with --format c or arduino"},
    {"strict font says why the quote is missed", {"--font", "--chars", "32-35", "-s", "-f", "c"}, 1,
     "'\"' (U+0022) is never in the library: its file quotes each field and has no escape for a "
     "quote; give it another glyph with --missing, or leave it out with --chars 32-33,35"},
    {"convert to the same encoding", {"--convert", "windows-1252"}, 0,
     "FONTSDAT.txt: Windows-1252 already, nothing to do"},
    {"convert to an unknown encoding", {"--convert", "latin1"}, 2,
     "--convert takes utf-8 or windows-1252, not 'latin1'"},
    // Promised to lose nothing: a damaged library is left as it is.
    {"convert keeps a damaged library", {"-l", "damaged.txt", "--convert", "utf-8"},
     1,
     "damaged.txt:5: the library is damaged: a quote is opened but never closed\n"
     "vorlix-table: nothing was written (--convert)"},
    {"strict read table keeps a damaged library",
     {"-l", "damaged.txt", "--read-table", VORLIX_TEST_DATA "/pic_clock.asm", "--label",
      "decimal", "--chars", "68-69", "-s"},
     1,
     "nothing was written (--strict)"},
    // The file's own bytes, quoted: no escape reaches the terminal, no NUL cuts it.
    {"read table number with a letter after it", {"--read-table", "trailing.asm", "--chars", "65"},
     1, "trailing.asm:1: '0x7Eq' is no number"},
    {"read table quotes control bytes", {"--read-table", "escape.asm", "--chars", "65"}, 1,
     "'\\x1b[2J\\x00Z' is no number"},
    {"label reserved in c", {"--label", "int", "-f", "c", "A"}, 2, "'int' is a reserved word"},
    {"label reserved in PIC in any case", {"--label", "Movlw", "-f", "retlw", "A"}, 2,
     "'Movlw' is a reserved word"},
    {"label of dt", {"--label", "font5", "A"}, 0,
     ";Total Columns = 5\r\nfont5:\r\n       dt  0x7E"},
    {"label of retlw", {"--label", "font5", "-f", "retlw", "A"}, 0, "= 5\nfont5:\n        retlw"},
    {"check of a record cut short", {"-c", "-l", "cut.txt"}, 1,
     "cut.txt:1: reading stops here: a record cut short (3 of"},
    {"baseline out of range", {"--import", "FONTSDAT.txt", "--baseline", "0"}, 2,
     "--baseline is a row from 1 to 8, not"},
    {"import of a missing font", {"--import", "no.ttf"}, 2, "no.ttf does not exist"},
    {"import into a missing folder",
     {"--import", VORLIX_TEST_DATA "/tiny.bdf", "-l", "no/lib.txt"}, 2,
     "/no does not exist"},
    {"import into a read only library",
     {"--import", VORLIX_TEST_DATA "/tiny.bdf", "-l", "/proc/version"}, 2,
     "is read-only"},
    {"guard needs PIC", {"-f", "avr", "--guard", "A"}, 2, "dt or retlw only"},
    {"empty library name", {"-l", "", "A"}, 2, "--library needs a file name"},
    {"empty output name", {"-o", "", "A"}, 2, "--output needs a file name"},
    {"empty render name", {"-r", "", "A"}, 2, "--render needs a file name"},
    {"line break in the prefix", {"-p", "\r", "A"}, 2, "prefix holds a line break"},
    {"output is the library", {"-o", "FONTSDAT.txt", "A"}, 2, "is the library itself"},
    {"output is the library through a link", {"-l", "link.txt", "-o", "FONTSDAT.txt", "A"}, 2,
     "is the library itself"},
    {"render is the library", {"-r", "link.txt", "A"}, 2, "is the library itself"},
    {"import of the library itself", {"--import", "FONTSDAT.txt"}, 2, "cannot import"},
    {"render too long", {"-r", "old.png", QString(16667, 'A')}, 2, "at most 16666 characters"},
    {"round render too long", {"-b", "--round", "-r", "old.png", QString(500, 'A')}, 2,
     "on a ring: at most"},
    // What --send refuses before it opens a port; the simulated stick's tests
    // send for real.
    {"send to a port that is not there", {"--send", "no/port", "--invert", "A"}, 2, "cannot open the serial port no/port: "},
    {"baud needs send", {"--baud", "9600", "A"}, 2, "--baud needs --send"},
    {"send takes no format", {"--send", "no/port", "-f", "c", "A"}, 2, "--format does not go with --send"},
    {"send text takes no bit options", {"--send", "no/port", "--as-text", "--invert", "A"}, 2, "--invert does not go with it"},
    {"send text of bytes only", {"--send", "no/port", "--as-text", "A\u2603"}, 2, "a character beyond code 255"},
    {"send font of bytes only", {"--send", "no/port", "--font", "--chars", "250-256"}, 2, "codes from 0 to 255"},
    {"send nothing", {"--send", "no/port", ""}, 2, "nothing to send"}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Cases, ExitCodes, testing::ValuesIn(cases), caseName<ExitCase>);

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
