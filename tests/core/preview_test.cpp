#include "library/preview.h"

#include <gtest/gtest.h>

namespace vorlix {
namespace {

// The 40 dots as five column texts, top to bottom, 'X' lit.
std::string dots(const Preview& preview) {
    std::string text;
    for (int c = 0; c < 5; ++c) {
        if (c > 0) {
            text += ' ';
        }
        for (int r = 0; r < 8; ++r) {
            text += preview.lit[c * 8 + r] ? 'X' : '.';
        }
    }
    return text;
}

TEST(Preview, ShowsStoredColumnsWithOneAsDark) {
    const FONTREC record{"A", {"&H7E", "&H0", "&HFF", "&H1", "&H80"}};
    EXPECT_EQ(dots(previewGlyph(record, {})), "X......X XXXXXXXX ........ XXXXXXX. .XXXXXXX");
}

TEST(Preview, EmptyColumnRepeatsTheColumnBefore) {
    const FONTREC record{"x", {"&H7E", "&HF0", "", "&H1", "junk"}};
    EXPECT_EQ(dots(previewGlyph(record, {})), "X......X ....XXXX ....XXXX XXXXXXX. XXXXXXX.");
}

TEST(Preview, RecordWithoutNumbersShowsTheDigitsLeftBefore) {
    const FONTREC empty{};
    EXPECT_EQ(dots(previewGlyph(empty, {})), "XXXXXXXX XXXXXXXX XXXXXXXX XXXXXXXX XXXXXXXX");
    const Preview earlier = previewGlyph({"y", {"&H0", "&H0", "&H0", "&H0", "&HF"}}, {});
    EXPECT_EQ(dots(previewGlyph(empty, earlier.digits)),
              "XXXX.... XXXX.... XXXX.... XXXX.... XXXX....");
}

TEST(Preview, ValueAboveAByteShowsItsFirstEightDigits) {
    const FONTREC record{"x", {"&H100", "&H100", "&H100", "&H100", "&H100"}};
    EXPECT_EQ(dots(previewGlyph(record, {})).substr(0, 8), ".XXXXXXX");
}

} // namespace
} // namespace vorlix
