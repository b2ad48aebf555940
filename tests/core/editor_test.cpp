#include "editor/bin2hex.h"
#include "editor/column_encoding.h"
#include "editor/column_text.h"
#include "editor/glyph_tools.h"

#include <gtest/gtest.h>

#include <random>

namespace vorlix {
namespace {

// Only a 1 is a set bit and the rightmost 32 characters count, so a leading
// "&B", tabs and other characters all read as leading or inner 0 digits.
TEST(Bin2Hex, ReadsEverySpelling) {
    const std::pair<std::string, const char*> cases[] = {
        {"", "&H0"},
        {" &b1010 ", "&HA"},
        {"1111 0000", "&HF0"}, // inner spaces are dropped, not zeros
        {"10201", "&H11"},
        {"1\t", "&H2"},       // a tab is no space
        {"1\xC3\xA9", "&H2"}, // one character, one digit
        {"1" + std::string(31, '0') + "1", "&H1"},
    };
    for (const auto& [text, hex] : cases) {
        EXPECT_EQ(BIN2HEX(text), hex) << text;
    }
    std::mt19937 random(20261206);
    for (int i = 0; i < 1000; ++i) {
        const std::uint32_t v = random();
        std::string bits;
        for (int b = 31; b >= 0; --b) {
            bits += (v >> b) & 1 ? '1' : '0';
        }
        char hex[16];
        std::snprintf(hex, sizeof hex, "&H%X", v);
        EXPECT_EQ(BIN2HEX(bits), hex);
    }
}

// Independent of BitOptions: a dot's digit is 1 when dark (lit with invert),
// at bit 8 - row, or row - 1 with swap, rows counted from 1 at the top.
unsigned expectedByte(const ColumnDots& dots, BitOptions options) {
    unsigned value = 0;
    for (int r = 1; r <= 8; ++r) {
        value |= dots[r - 1] == options.invert ? 1u << (options.swapMsb ? r - 1 : 8 - r) : 0u;
    }
    return value;
}

TEST(ColumnEncoding, GeneratedGlyphsEncodeToTheirBytesAndDecodeBack) {
    std::mt19937 random(42);
    for (int round = 0; round < 500; ++round) {
        Glyph glyph;
        for (ColumnDots& column : glyph.dots) {
            for (bool& dot : column) {
                dot = random() & 1;
            }
        }
        for (const BitOptions options :
             {BitOptions{}, {false, true}, {true, false}, {true, true}}) {
            const GlyphTexts texts = encodeColumns(glyph, options);
            HexTexts hex;
            for (int c = 0; c < 5; ++c) {
                const unsigned byte = expectedByte(glyph.dots[c], options);
                EXPECT_EQ(texts[c].binary.size(), 8u);
                EXPECT_EQ(std::stoul(texts[c].binary, nullptr, 2), byte);
                EXPECT_EQ(std::stoul(texts[c].hex.substr(2), nullptr, 16), byte);
                EXPECT_EQ(texts[c].decimal, std::to_string(byte));
                hex[c] = texts[c].hex;
            }
            EXPECT_EQ(decodeColumns(hex, options), glyph);
        }
    }
    EXPECT_EQ(decodeColumns({"&H1", "&H2", "&H1FF", "&H4", "&H5"}, {}), std::nullopt);
}

TEST(ColumnByte, IsAmpersandHAndOneOrTwoHexDigits) {
    for (const auto& [text, byte] : {std::pair{"&H0", 0}, {"&H7e", 0x7E}, {"&hFF", 0xFF}}) {
        EXPECT_EQ(columnByte(text), byte) << text;
    }
    for (const char* text : {"", "&H", "&H100", "7E", " &H7E", "&H7E ", "&HG", "&B1", "0x7E"}) {
        EXPECT_EQ(columnByte(text), std::nullopt) << text;
    }
}

// Rows top to bottom, five characters a row, 'X' lit.
Glyph picture(const std::string& rows) {
    Glyph glyph;
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 5; ++c) {
            glyph.dots[c][r] = rows[r * 6 + c] == 'X';
        }
    }
    return glyph;
}

const Glyph corner = picture("XX... X.... ..... ..... ..... ..... ..... ....X");

TEST(GlyphTools, MoveFlipAndInvertEveryDot) {
    EXPECT_EQ(shifted(corner, 1, 1), picture("..... .XX.. .X... ..... ..... ..... ..... ....."));
    EXPECT_EQ(shifted(corner, -1, -1), picture("..... ..... ..... ..... ..... ..... ...X. ....."));
    EXPECT_EQ(mirroredLeftRight(corner),
              picture("...XX ....X ..... ..... ..... ..... ..... X...."));
    EXPECT_EQ(mirroredTopBottom(corner),
              picture("....X ..... ..... ..... ..... ..... X.... XX..."));
    EXPECT_EQ(inverted(corner), picture("..XXX .XXXX XXXXX XXXXX XXXXX XXXXX XXXXX XXXX."));
}

} // namespace
} // namespace vorlix
