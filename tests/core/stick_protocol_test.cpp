#include "table/stick_protocol.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace vorlix::stick {
namespace {

struct Row {
    std::string what;
    std::uint8_t kind = 0;
    Bytes payload;
    Bytes line;
};

Bytes hex(const std::string& text) {
    Bytes bytes;
    std::istringstream in(text);
    for (unsigned byte; in >> std::hex >> byte;) {
        bytes.push_back(std::uint8_t(byte));
    }
    return bytes;
}

std::vector<Row> rows() {
    std::vector<Row> table;
    std::ifstream in(VORLIX_TEST_DATA "/stick_frames.txt");
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::string what, kind, payload, bytes;
        std::getline(fields, what, ';');
        std::getline(fields, kind, ';');
        std::getline(fields, payload, ';');
        std::getline(fields, bytes);
        table.push_back({what, std::uint8_t(kind.at(1)), hex(payload), hex(bytes)});
    }
    return table;
}

class Frames : public testing::TestWithParam<Row> {};

TEST_P(Frames, AreReadAndWrittenAsTheFileSays) {
    const Row& row = GetParam();
    FrameReader whole, byByte;
    std::vector<Frame> fromWhole = whole.feed(row.line), fromBytes;
    for (std::uint8_t byte : row.line) {
        for (Frame& frame : byByte.feed(std::span(&byte, 1))) {
            fromBytes.push_back(frame);
        }
    }
    EXPECT_EQ(fromBytes, fromWhole);
    if (row.what == "cut") {
        EXPECT_TRUE(fromWhole.empty());
        whole.reset(); // as the silence after it does
        EXPECT_EQ(whole.feed(encodeFrame(Kind::query, {})).size(), 1u);
        return;
    }
    ASSERT_EQ(fromWhole.size(), 1u);
    EXPECT_EQ(fromWhole[0], (Frame{protocolVersion, row.kind, row.payload, row.what == "good"}));
    if (row.what == "good") {
        const Bytes frame = encodeFrame(Kind(row.kind), row.payload);
        ASSERT_LE(frame.size(), row.line.size());
        EXPECT_TRUE(std::equal(frame.begin(), frame.end(), row.line.end() - frame.size()));
    }
}

// Named by the file's line: what the frame is, its kind, and its place.
INSTANTIATE_TEST_SUITE_P(StickProtocol, Frames, testing::ValuesIn(rows()),
                         [](const testing::TestParamInfo<Row>& info) {
                             return info.param.what + '_' + char(info.param.kind) + '_' +
                                    std::to_string(info.index + 1);
                         });

TEST(StickProtocol, TheFileHoldsEveryKindOfFrame) {
    std::string kinds;
    for (const Row& row : rows()) {
        kinds += char(row.kind);
    }
    for (char kind : std::string("QCFTIAR")) {
        EXPECT_NE(kinds.find(kind), std::string::npos) << kind;
    }
}

TEST(StickProtocol, CrcIsIbm3740) {
    const std::string check = "123456789";
    EXPECT_EQ(crc16(Bytes(check.begin(), check.end())), 0x29B1);
}

TEST(StickProtocol, InfoFieldsSitWhereTheDocumentSays) {
    const Bytes payload = hex("05 F4 01 50 00 20 5F 00 2C 01 43 28 00 04 99");
    const DeviceInfo info{true, false, true, 500, 80, 32, 95, 300, 'C', 40, 4};
    EXPECT_EQ(decodeInfo(payload), info); // the byte after the fields is a later version's
    EXPECT_EQ(encodeInfo(info), Bytes(payload.begin(), payload.end() - 1));
    EXPECT_EQ(decodeInfo(std::span(payload).first(infoSize - 1)), std::nullopt);
}

TEST(StickProtocol, FontPayloadFitsItsOneByteFields) {
    const Bytes columns(10, 0x81);
    EXPECT_EQ(fontPayload(65, 5, columns)->size(), 13u);
    EXPECT_EQ((*fontPayload(65, 5, columns))[1], 2);
    EXPECT_FALSE(fontPayload(255, 5, columns)); // codes 255 and 256
    EXPECT_FALSE(fontPayload(65, 3, columns));  // no whole entries
    EXPECT_FALSE(fontPayload(65, 5, {}));
    EXPECT_FALSE(fontPayload(0, 1, Bytes(256, 0)));
}

} // namespace
} // namespace vorlix::stick
