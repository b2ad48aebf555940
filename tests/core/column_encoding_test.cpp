#include "editor/column_encoding.h"

#include <gtest/gtest.h>

#include <random>

namespace vorlix {
namespace {

Glyph randomGlyph(std::mt19937& random) {
    Glyph glyph;
    for (ColumnDots& column : glyph.dots) {
        for (bool& dot : column) {
            dot = random() & 1;
        }
    }
    return glyph;
}

const BitOptions everySetting[] = {{false, false}, {false, true}, {true, false}, {true, true}};

// An independent reading: the byte whose bit (8 - row) or (row - 1), rows
// counted from 1 at the top, is set where the dot's digit is 1.
unsigned expectedByte(const ColumnDots& dots, BitOptions options) {
    unsigned value = 0;
    for (int r = 1; r <= 8; ++r) {
        const bool digit = dots[r - 1] == options.invert;
        value |= digit ? 1u << (options.swapMsb ? r - 1 : 8 - r) : 0u;
    }
    return value;
}

TEST(ColumnEncoding, GeneratedGlyphsEncodeToTheirBytesAndDecodeBack) {
    std::mt19937 random(42);
    for (int round = 0; round < 500; ++round) {
        const Glyph glyph = randomGlyph(random);
        for (const BitOptions options : everySetting) {
            const GlyphTexts texts = encodeColumns(glyph, options);
            HexTexts hex;
            for (int c = 0; c < 5; ++c) {
                const unsigned byte = expectedByte(glyph.dots[c], options);
                EXPECT_EQ(std::stoul(texts[c].binary, nullptr, 2), byte);
                EXPECT_EQ(texts[c].binary.size(), 8u);
                EXPECT_EQ(std::stoul(texts[c].hex.substr(2), nullptr, 16), byte);
                EXPECT_EQ(texts[c].decimal, std::to_string(byte));
                hex[c] = texts[c].hex;
            }
            EXPECT_EQ(decodeColumns(hex, options), glyph);
        }
    }
}

TEST(ColumnEncoding, EveryByteDecodesToDotsThatEncodeBackToIt) {
    for (const BitOptions options : everySetting) {
        for (unsigned byte = 0; byte < 256; ++byte) {
            const ColumnDots dots = decodeColumn(static_cast<ColumnByte>(byte), options);
            EXPECT_EQ(expectedByte(dots, options), byte);
        }
    }
    EXPECT_EQ(decodeColumns({"&H1", "&H2", "&H1FF", "&H4", "&H5"}, {}), std::nullopt);
}

} // namespace
} // namespace vorlix
