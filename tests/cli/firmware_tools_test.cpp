// Each output form goes through the tool firmware is built with, and the
// bytes that tool produces are the table's column bytes: gpasm for the PIC
// forms, avra for AVR, GNU as, and the C compiler for the C forms.

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace {

std::pair<int, std::string> run(const QString& folder, const QString& program,
                                const QStringList& arguments) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ended =
        process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1, process.readAll().toStdString()};
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The data records of an Intel HEX file in file order: the tables lie in one
// run from address 0.
QByteArray intelHexData(const QByteArray& text) {
    QByteArray data;
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray record = QByteArray::fromHex(line.trimmed().mid(1));
        if (record.size() > 4 && record[3] == 0) {
            data += record.mid(4, static_cast<unsigned char>(record[0]));
        }
    }
    return data;
}

// What a build in folder made: t.hex's data, else t.bin.
QByteArray builtBytes(const QTemporaryDir& dir) {
    const QByteArray hexFile = readAll(dir.filePath("t.hex"));
    return hexFile.isEmpty() ? readAll(dir.filePath("t.bin")) : intelHexData(hexFile);
}

// A, B and the two characters that could end or open a C comment.
const QByteArray library = "\"A\",\"&H7E\",\"&H9\",\"&H9\",\"&H9\",\"&H7E\"\r\n"
                           "\"B\",\"&H7F\",\"&H49\",\"&H49\",\"&H49\",\"&H36\"\r\n"
                           "\"*\",\"&H14\",\"&H8\",\"&H3E\",\"&H8\",\"&H14\"\r\n"
                           "\"/\",\"&H40\",\"&H20\",\"&H10\",\"&H8\",\"&H4\"\r\n";

QString withLibrary(const QTemporaryDir& dir) {
    QFile file(dir.filePath("lib"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(library) == library.size());
    return dir.path();
}

// Shell lines that build "table" in the current folder into t.hex (Intel HEX)
// or t.bin; $1 is where the PIC table starts. The table's symbol must be the
// label asked for, and the C forms compile without a warning.
const std::string pic = R"((printf ' processor 16f84a\n org %s\n' "$1"; cat table;)"
                        R"( printf '\n end\n') > t.asm && gpasm -o t.hex t.asm)";
std::string elf(const char* section) {
    return std::string(" && objcopy -O binary -j ") + section +
           " t.o t.bin && nm -g --defined-only t.o | grep ' glyphs$'";
}
const std::string cc = "cc -x c -std=c99 -Wall -Wextra -Werror -I. -c -o t.o table";

struct Tool {
    const char* format;
    const char* program;
    std::string build;
};

const Tool tools[] = {
    {"dt", "gpasm", pic},
    {"retlw", "gpasm", pic},
    {"avr", "avra",
     R"((printf '.device ATmega8\n.cseg\n.org 0\n'; cat table; echo '.equ used = glyphs'))"
     " > t.asm && avra t.asm"},
    {"gas", "as", "as -o t.o table" + elf(".rodata")},
    {"c", "cc", cc + elf(".rodata")},
    // The host has no AVR headers: this PROGMEM puts the array where avr-libc's does.
    {"arduino", "cc",
     R"(mkdir -p avr && echo '#define PROGMEM __attribute__((section(".progmem.data")))')"
     " > avr/pgmspace.h && " +
         cc + elf(".progmem.data")},
    {"bin", "cp", "cp table t.bin"}};

class FirmwareTools : public testing::TestWithParam<Tool> {};

TEST_P(FirmwareTools, BuildTheTableBytes) {
    const Tool& tool = GetParam();
    if (QStandardPaths::findExecutable(tool.program).isEmpty()) {
        GTEST_SKIP() << tool.program << " is not installed";
    }
    QTemporaryDir dir;
    const QString folder = withLibrary(dir);
    // The bytes worked by hand; turned for a stick wired the other way, each
    // bit is lit where it was dark and the bottom row is the most significant.
    // A font of '@' to 'B': '@' is missing and dark, in the output's own bits;
    // reversed, each entry is mirrored, its blank column first.
    for (const auto& [arguments, hex] :
         {std::pair{QStringList{"ABA"}, QByteArray("7E0909097E7F494949367E0909097E")},
          {{"B*/A/*", "-b", "--invert", "--swap"},
           "016D6D6D9300D7EF83EFD700FDFBF7EFDF00816F6F6F8100FDFBF7EFDF00D7EF83EFD700"},
          {{"--font", "--chars", "64-66"}, "FFFFFFFFFF7E0909097E7F49494936"},
          {{"--font", "--chars", "64-66", "-b", "--invert", "--reverse"},
           "0000000000000081F6F6F68100C9B6B6B680"}}) {
        ASSERT_EQ(
            run(folder, VORLIX_TABLE,
                QStringList{"-l", "lib", "-f", tool.format, "--label", "glyphs", "-o", "table"}
                    << arguments)
                .first,
            0);
        const auto [code, said] = run(folder, "sh", {"-c", tool.build.c_str(), "sh", "0"});
        ASSERT_EQ(code, 0) << said;
        // avra pads an odd .db line itself, with only a warning.
        EXPECT_EQ(said.find("arning"), std::string::npos) << said;
        QByteArray wanted;
        for (qsizetype i = 0; i < hex.size(); i += 2) {
            wanted += hex.mid(i, 2) + (tool.build == pic ? "34" : ""); // retlw is 0x34nn
        }
        if (tool.format == std::string("avr") && wanted.size() % 4 == 2) {
            wanted += "00"; // the pad byte the table writes itself
        }
        EXPECT_EQ(builtBytes(dir).toHex().toUpper(), wanted) << arguments.join(" ").toStdString();
    }
}

// A font read into an empty library, one glyph changed there and the font
// updated in place: the tool builds the changed glyph's bytes, --dry-run
// shows the change as a diff and writes nothing, and a second update has
// nothing to change.
TEST_P(FirmwareTools, BuildTheUpdatedTable) {
    const Tool& tool = GetParam();
    if (QStandardPaths::findExecutable(tool.program).isEmpty() || tool.build == tools[6].build) {
        GTEST_SKIP() << tool.program << " is not installed, or bin has no layout to keep";
    }
    QTemporaryDir dir;
    const QString folder = withLibrary(dir);
    const QStringList font{"-f", tool.format, "--label", "glyphs", "--chars", "64-66"};
    ASSERT_EQ(
        run(folder, VORLIX_TABLE, QStringList{"-l", "lib", "--font", "-o", "table"} << font).first,
        0);
    const auto [read, readSaid] =
        run(folder, VORLIX_TABLE, {"-l", "new", "--read-table", "table", "--label", "glyphs"});
    ASSERT_EQ(read, 0) << readSaid;
    ASSERT_EQ(run(folder, "sed", {"-i", "s/^\"B\",\"&H7F\"/\"B\",\"\\&H1\"/", "new"}).first, 0);
    const QByteArray before = readAll(dir.filePath("table"));
    const QStringList update{"-l", "new", "--update", "table", "--label", "glyphs"};
    const auto [dry, diff] = run(folder, VORLIX_TABLE, QStringList(update) << "--dry-run");
    EXPECT_EQ(dry, 0);
    EXPECT_NE(diff.find("--- a/table\n+++ b/table\n@@ "), std::string::npos) << diff;
    EXPECT_EQ(readAll(dir.filePath("table")), before);
    const auto [code, said] = run(folder, VORLIX_TABLE, update);
    EXPECT_EQ(code, 0) << said;
    EXPECT_NE(said.find("table: 'B' (U+0042) changed\n"), std::string::npos) << said;
    EXPECT_NE(run(folder, VORLIX_TABLE, update).second.find("nothing to change"),
              std::string::npos);
    const auto [built, builtSaid] = run(folder, "sh", {"-c", tool.build.c_str(), "sh", "0"});
    ASSERT_EQ(built, 0) << builtSaid;
    QByteArray wanted;
    const QByteArray hex = "FFFFFFFFFF7E0909097E01494949360000";
    for (qsizetype i = 0; i < 30 + (tool.format == std::string("avr") ? 2 : 0); i += 2) {
        wanted += hex.mid(i, 2) + (tool.build == pic ? "34" : "");
    }
    EXPECT_TRUE(builtBytes(dir).toHex().toUpper().startsWith(wanted));
}

// Hand-written sources, updated in place, still build, to the library's
// bytes: a PIC banner with a byte-order mark and numbers in six forms
// (gpasm), and a C++ font in a namespace and extern "C" block (c++).
TEST(FirmwareUpdate, HandWrittenSourcesStillBuild) {
    QTemporaryDir dir;
    const QString folder = withLibrary(dir);
    ASSERT_EQ(run(folder, "sh",
                  {"-c", R"(printf '"{","&H1","&HA0","&HB1","&H0","&HC"\r\n)"
                         R"("0","&HF0","&HE","&H3","&H80","&H7"\r\n' >> lib)"})
                  .first,
              0);
    struct Source {
        const char* file;
        const char* label;
        const char* program;
        std::string build;
        QByteArray bytes;
    };
    for (const Source& source :
         {Source{"banner.inc", "banner", "gpasm",
                 R"((printf ' processor 16f84a\n org 0\n'; cat banner.inc; printf '\n end\n'))"
                 " > t.asm && gpasm -o t.hex t.asm",
                 // addwf, then A, {, and C's bytes kept (the library lacks C), return
                 "82077E340934093409347E340134A034B13400340C343E3441344134413422340800"},
          {"clock_face.ino", "data", "c++",
           "printf '#include <cstdio>\nint main() { for (int i = 0; i < 10; ++i) "
           "std::putchar(column(i / 5, i %% 5)); }\n' | cat clock_face.ino - > t.cpp && "
           "c++ -std=c++17 -Wall -Werror -o t t.cpp && ./t > t.bin",
           "F00E0380070042" /* '1' kept */ "7F4000"}}) {
        if (QStandardPaths::findExecutable(source.program).isEmpty()) {
            continue;
        }
        QFile::remove(dir.filePath("t.hex"));
        QFile::copy(QString(VORLIX_TEST_DATA "/") + source.file, dir.filePath(source.file));
        QFile::setPermissions(dir.filePath(source.file), QFile::ReadOwner | QFile::WriteOwner);
        const auto [code, said] = run(
            folder, VORLIX_TABLE, {"-l", "lib", "--update", source.file, "--label", source.label});
        EXPECT_EQ(code, 0) << said;
        const auto [built, builtSaid] = run(folder, "sh", {"-c", source.build.c_str()});
        ASSERT_EQ(built, 0) << builtSaid;
        EXPECT_EQ(builtBytes(dir).toHex().toUpper(), source.bytes) << source.file;
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, FirmwareTools, testing::ValuesIn(tools),
                         [](const testing::TestParamInfo<Tool>& info) {
                             return std::string(info.param.format);
                         });

// --guard makes gpasm itself stop when the table crosses a 256-word boundary:
// the 15 entries of "AAA" fit from 0x100 to 0x1F1 on, not from 0x1F2.
TEST(FirmwareGuard, StopsTheAssemblerOnlyAcrossAPageBoundary) {
    if (QStandardPaths::findExecutable("gpasm").isEmpty()) {
        GTEST_SKIP() << "gpasm is not installed";
    }
    QTemporaryDir dir;
    const QString folder = withLibrary(dir);
    for (const char* format : {"dt", "retlw"}) {
        ASSERT_EQ(
            run(folder, VORLIX_TABLE, {"-l", "lib", "-f", format, "--guard", "-o", "table", "AAA"})
                .first,
            0);
        for (const auto& [org, fits] :
             {std::pair{"0x100", true}, {"0x1F1", true}, {"0x1F2", false}}) {
            const auto [code, said] = run(folder, "sh", {"-c", pic.c_str(), "sh", org});
            EXPECT_EQ(code == 0, fits) << format << " at " << org << "\n" << said;
        }
    }
}

// Firmware reads a font as font[c - font_FIRST][col], flat as
// font[(c - font_FIRST) * 5 + col], or proportionally through font_offset
// and font_width: built by the C compiler, the entries
// for 32-126 are the library's bytes, dark (0xFF) for missing characters,
// and each width is counted here from the bytes, not the dots.
TEST(FontTable, ReadsBackInCAsTheLibraryHoldsIt) {
    if (QStandardPaths::findExecutable("cc").isEmpty()) {
        GTEST_SKIP() << "cc is not installed";
    }
    QTemporaryDir dir;
    std::mt19937 random(19);
    QByteArray lib;
    std::string plain;
    std::string proportional;
    for (int c = 32; c < 127; ++c) {
        unsigned bytes[5] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
        const bool held = c % 7 != 3 && c != 'B' && c != '"';
        for (int k = 0; held && k < 5; ++k) {
            // Some columns dark, so widths start and end at different places.
            bytes[k] = random() % 3 == 0 ? 0xFF : random() % 255;
        }
        if (held) {
            lib += QStringLiteral("\"%1\"").arg(QChar(c)).toLatin1();
            for (const unsigned byte : bytes) {
                lib += ",\"&H" + QByteArray::number(byte, 16) + "\"";
            }
            lib += "\r\n";
        }
        int first = 0;
        int last = 4;
        while (first < 5 && bytes[first] == 0xFF) {
            ++first;
        }
        while (last >= 0 && bytes[last] == 0xFF) {
            --last;
        }
        char line[32];
        for (int k = 0; k < 5; ++k) {
            std::snprintf(line, sizeof line, "%02X", bytes[k]);
            plain += line;
            proportional += first <= k && k <= last ? line : "";
        }
        const int width = first > last ? 3 : last - first + 1;
        proportional += first > last ? "FFFFFF" : "";
        plain += " " + std::to_string(width) + "\n";
        proportional += " " + std::to_string(width) + "\n";
    }
    QFile file(dir.filePath("lib"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(lib) == lib.size());
    file.close();
    QFile reader(dir.filePath("main.c"));
    ASSERT_TRUE(reader.open(QIODevice::WriteOnly));
    reader.write(R"(#include <stdio.h>
#include "table"
int main(void) {
    for (int c = 32; c < 127; ++c) {
        const int i = c - font_FIRST;
#if LAYOUT == 1
        for (int k = 0; k < font_width[i]; ++k) printf("%02X", font[font_offset[i] + k]);
#elif LAYOUT == 2
        for (int k = 0; k < 5; ++k) printf("%02X", font[(c - font_FIRST) * 5 + k]);
#else
        for (int k = 0; k < 5; ++k) printf("%02X", font[i][k]);
#endif
        printf(" %d\n", font_width[i]);
    }
    return font_COUNT != 95;
})");
    reader.close();
    for (const auto& [more, define, wanted] : {std::tuple{QStringList{}, "0", plain},
                                               {{"--proportional"}, "1", proportional},
                                               {{"--layout", "flat"}, "2", plain}}) {
        ASSERT_EQ(run(dir.path(), VORLIX_TABLE,
                      QStringList{"-l", "lib", "--font", "--chars", "32-126", "-f", "c", "--widths",
                                  "--label", "font", "-o", "table"}
                          << more)
                      .first,
                  0);
        const std::string build = std::string("cc -std=c99 -Wall -Werror -DLAYOUT=") + define +
                                  " -o reader main.c && ./reader";
        const auto [code, said] = run(dir.path(), "sh", {"-c", build.c_str()});
        EXPECT_EQ(code, 0) << said;
        EXPECT_EQ(said, wanted) << more.join(" ").toStdString();
    }
}

} // namespace
