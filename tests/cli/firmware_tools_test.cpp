// Each output form goes through the tool firmware is built with, and the
// bytes that tool produces are the table's column bytes: gpasm for the PIC
// forms, avra for AVR, GNU as, and the C compiler for the C forms.

#include "library/library_format.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace vorlix {
namespace {

using Bytes = std::vector<unsigned char>;

struct Ran {
    int code = -1;
    std::string output;
};

Ran run(const QString& program, const QStringList& arguments, const QString& folder) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    return {process.exitCode(), process.readAll().toStdString()};
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The data bytes of an Intel HEX file, by address.
std::map<unsigned, unsigned char> intelHex(const QString& path) {
    std::map<unsigned, unsigned char> bytes;
    unsigned base = 0;
    for (const QByteArray& line : readAll(path).split('\n')) {
        const QByteArray record = QByteArray::fromHex(line.trimmed().mid(1));
        if (record.size() < 5) {
            continue;
        }
        const unsigned address =
            (static_cast<unsigned char>(record[1]) << 8) | static_cast<unsigned char>(record[2]);
        if (record[3] == 4) {
            base = ((static_cast<unsigned char>(record[4]) << 8) |
                    static_cast<unsigned char>(record[5]))
                   << 16;
        } else if (record[3] == 0) {
            for (int i = 0; i < static_cast<unsigned char>(record[0]); ++i) {
                bytes[base + address + i] = static_cast<unsigned char>(record[4 + i]);
            }
        }
    }
    return bytes;
}

Bytes fromFile(const QString& path) {
    const QByteArray data = readAll(path);
    return Bytes(data.begin(), data.end());
}

// What the tools turn each form into, as bytes.
struct Tool {
    const char* format;
    const char* program;
    Bytes (*assemble)(const QString& folder, const QString& table, Ran& ran);
};

Bytes retlwWords(const QString& folder, const QString& table, Ran& ran) {
    QFile wrapper(folder + "/pic.asm");
    if (!wrapper.open(QIODevice::WriteOnly)) {
        return {};
    }
    wrapper.write("        processor 16f84a\n        org 0\n" + readAll(table) + "\n        end\n");
    wrapper.close();
    ran = run("gpasm", {"-o", "pic.hex", "pic.asm"}, folder);
    Bytes values;
    const auto words = intelHex(folder + "/pic.hex");
    for (unsigned address = 0; words.count(2 * address) != 0; ++address) {
        EXPECT_EQ(words.at(2 * address + 1), 0x34) << "not a retlw at word " << address;
        values.push_back(words.at(2 * address));
    }
    return values;
}

Bytes avrBytes(const QString& folder, const QString& table, Ran& ran) {
    QFile wrapper(folder + "/avr.asm");
    if (!wrapper.open(QIODevice::WriteOnly)) {
        return {};
    }
    wrapper.write(".device ATmega8\n.cseg\n.org 0\n" + readAll(table));
    wrapper.close();
    ran = run("avra", {"avr.asm"}, folder);
    Bytes values;
    for (const auto& [address, byte] : intelHex(folder + "/avr.hex")) {
        EXPECT_EQ(address, values.size());
        values.push_back(byte);
    }
    return values;
}

Bytes rodata(const QString& folder, const QString& object, Ran& ran) {
    if (ran.code == 0) {
        ran = run("objcopy", {"-O", "binary", "-j", ".rodata", object, "rodata.bin"}, folder);
    }
    return fromFile(folder + "/rodata.bin");
}

Bytes gasBytes(const QString& folder, const QString& table, Ran& ran) {
    QFile::remove(folder + "/table.s");
    QFile::copy(table, folder + "/table.s");
    ran = run("as", {"-o", "table.o", "table.s"}, folder);
    return rodata(folder, "table.o", ran);
}

Bytes cBytes(const QString& folder, const QString& table, Ran& ran) {
    QDir(folder).mkpath("avr");
    QFile stub(folder + "/avr/pgmspace.h"); // the host has no AVR headers
    if (stub.open(QIODevice::WriteOnly)) {
        stub.write("#define PROGMEM\n#define pgm_read_byte(p) (*(const unsigned char*)(p))\n");
    }
    stub.close();
    QFile::remove(folder + "/table.c");
    QFile::copy(table, folder + "/table.c");
    ran = run("cc", {"-std=c99", "-Wall", "-Werror", "-I.", "-c", "-o", "table.o", "table.c"},
              folder);
    return rodata(folder, "table.o", ran);
}

Bytes binBytes(const QString&, const QString& table, Ran& ran) {
    ran.code = 0;
    return fromFile(table);
}

const Tool tools[] = {{"dt", "gpasm", retlwWords}, {"retlw", "gpasm", retlwWords},
                      {"avr", "avra", avrBytes},   {"gas", "as", gasBytes},
                      {"c", "cc", cBytes},         {"arduino", "cc", cBytes},
                      {"bin", nullptr, binBytes}};

class FirmwareTools : public testing::TestWithParam<Tool> {
protected:
    void SetUp() override {
        if (GetParam().program != nullptr &&
            QStandardPaths::findExecutable(GetParam().program).isEmpty()) {
            GTEST_SKIP() << GetParam().program << " is not installed";
        }
        QFile file(dir.filePath("FONTSDAT.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\"A\",\"&H7E\",\"&H9\",\"&H9\",\"&H9\",\"&H7E\"\r\n"
                   "\"B\",\"&H7F\",\"&H49\",\"&H49\",\"&H49\",\"&H36\"\r\n");
    }
    QTemporaryDir dir;
};

// The column bytes of A and B, then turned for a stick wired the other way:
// each bit lit where it was dark, the bottom row the most significant.
Bytes expected(const std::string& message, bool blank, bool turned) {
    const std::map<char, Bytes> glyphs{{'A', {0x7E, 0x09, 0x09, 0x09, 0x7E}},
                                       {'B', {0x7F, 0x49, 0x49, 0x49, 0x36}}};
    Bytes bytes;
    for (const char c : message) {
        Bytes columns = glyphs.at(c);
        if (blank) {
            columns.push_back(0xFF);
        }
        for (unsigned char byte : columns) {
            unsigned char mirrored = 0;
            for (int bit = 0; bit < 8; ++bit) {
                mirrored |= ((byte >> bit) & 1) << (7 - bit);
            }
            bytes.push_back(turned ? static_cast<unsigned char>(~mirrored) : byte);
        }
    }
    return bytes;
}

TEST_P(FirmwareTools, BuildTheTableBytes) {
    const Tool& tool = GetParam();
    for (const auto& [message, blank, turned] :
         {std::tuple{"ABA", false, false}, {"ABBA", true, true}}) {
        QStringList arguments{"-l", dir.filePath("FONTSDAT.txt"), "-f",   tool.format,
                              "-o", dir.filePath("table"),        message};
        if (blank) {
            arguments << "-b";
        }
        if (turned) {
            arguments << "--invert"
                      << "--swap";
        }
        ASSERT_EQ(run(VORLIX_TABLE, arguments, dir.path()).code, 0);
        Ran ran;
        Bytes built = tool.assemble(dir.path(), dir.filePath("table"), ran);
        ASSERT_EQ(ran.code, 0) << ran.output;
        Bytes wanted = expected(message, blank, turned);
        if (std::string(tool.format) == "avr" && wanted.size() % 2 == 1) {
            wanted.push_back(0); // the pad byte the table writes itself
        }
        EXPECT_EQ(built, wanted) << tool.format << " " << message;
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, FirmwareTools, testing::ValuesIn(tools),
                         [](const testing::TestParamInfo<Tool>& info) {
                             return std::string(info.param.format);
                         });

// --guard makes gpasm itself stop when the table crosses a 256-word boundary.
TEST(FirmwareGuard, StopsTheAssemblerOnlyAcrossAPageBoundary) {
    if (QStandardPaths::findExecutable("gpasm").isEmpty()) {
        GTEST_SKIP() << "gpasm is not installed";
    }
    QTemporaryDir dir;
    QFile library(dir.filePath("FONTSDAT.txt"));
    ASSERT_TRUE(library.open(QIODevice::WriteOnly));
    library.write("\"A\",\"&H7E\",\"&H9\",\"&H9\",\"&H9\",\"&H7E\"\r\n");
    library.close();
    for (const char* format : {"dt", "retlw"}) {
        ASSERT_EQ(run(VORLIX_TABLE,
                      {"-l", library.fileName(), "-f", format, "--guard", "-o", "table", "AAA"},
                      dir.path())
                      .code,
                  0);
        for (const auto& [org, fits] :
             {std::pair{"0x100", true}, {"0x1F1", true}, {"0x1F2", false}, {"0x2FF", false}}) {
            QFile wrapper(dir.filePath("guard.asm"));
            ASSERT_TRUE(wrapper.open(QIODevice::WriteOnly));
            wrapper.write("        processor 16f84a\n        org " + QByteArray(org) + "\n" +
                          readAll(dir.filePath("table")) + "\n        end\n");
            wrapper.close();
            const Ran ran = run("gpasm", {"-o", "guard.hex", "guard.asm"}, dir.path());
            EXPECT_EQ(ran.code == 0, fits) << format << " at " << org << "\n" << ran.output;
        }
    }
}

} // namespace
} // namespace vorlix
