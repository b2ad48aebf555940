// Each output form goes through the tool firmware is built with, and the
// bytes that tool produces are the table's column bytes: gpasm for the PIC
// forms, avra for AVR, GNU as, and the C compiler for the C forms.

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    for (const auto& [message, more, hex] :
         {std::tuple{"ABA", QStringList{}, QByteArray("7E0909097E7F494949367E0909097E")},
          {"B*/A/*", QStringList{"-b", "--invert", "--swap"},
           "016D6D6D9300D7EF83EFD700FDFBF7EFDF00816F6F6F8100FDFBF7EFDF00D7EF83EFD700"}}) {
        ASSERT_EQ(run(folder, VORLIX_TABLE,
                      QStringList{"-l", "lib", "-f", tool.format, "--label", "glyphs", "-o",
                                  "table", message}
                          << more)
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
        const QByteArray hexFile = readAll(dir.filePath("t.hex"));
        const QByteArray built =
            hexFile.isEmpty() ? readAll(dir.filePath("t.bin")) : intelHexData(hexFile);
        EXPECT_EQ(built.toHex().toUpper(), wanted) << message;
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

} // namespace
