#include "library/cp1252.h"

#include <gtest/gtest.h>

namespace vorlix {
namespace {

TEST(Cp1252, EveryByteSurvivesDecodeAndEncode) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const auto back = utf8ToCp1252(cp1252ToUtf8(all));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, all);
}

TEST(Cp1252, MapsTheWindowsCharacters) {
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(cp1252ToUtf8("\xE9"), "\u00E9");
    EXPECT_EQ(cp1252ToUtf8("\x9F"), "\u0178");
    EXPECT_EQ(utf8ToCp1252("\u2122"), std::optional<std::string>("\x99"));
}

TEST(Cp1252, RefusesWhatItCannotStore) {
    EXPECT_FALSE(utf8ToCp1252("\u0416"));      // Cyrillic
    EXPECT_FALSE(utf8ToCp1252("A\U0001F600")); // outside the BMP
    EXPECT_FALSE(utf8ToCp1252("\xFF"));        // not UTF-8 at all
}

} // namespace
} // namespace vorlix
