#include "library/library_edit.h"

#include "core/printers.h"

#include <gtest/gtest.h>

namespace vorlix {
namespace {

const std::string lineA = "\"A\",\"&H7E\",\"&H11\",\"&H11\",\"&H11\",\"&H7E\"\r\n";
const std::string lineB = "\"B\",\"&H7F\",\"&H49\",\"&H49\",\"&H49\",\"&H36\"\r\n";
const FONTREC recordC{"C", {"&H3E", "&H41", "&H41", "&H41", "&H22"}};
const std::string lineC = "\"C\",\"&H3E\",\"&H41\",\"&H41\",\"&H41\",\"&H22\"\r\n";

struct AppendCase {
    std::string before;
    std::string after;
};

class Appending : public testing::TestWithParam<AppendCase> {};

TEST_P(Appending, AddsOneLineAndKeepsEveryByteBefore) {
    const auto rewrite = appendedBytes(GetParam().before, parseLibrary(GetParam().before), recordC);
    ASSERT_TRUE(rewrite);
    EXPECT_EQ(rewrite->bytes, GetParam().after);
    EXPECT_FALSE(rewrite->dropped);
}

INSTANTIATE_TEST_SUITE_P(Files, Appending,
                         testing::Values(AppendCase{"", lineC}, AppendCase{lineA, lineA + lineC},
                                         AppendCase{lineA + lineB, lineA + lineB + lineC},
                                         // An unterminated last line is ended first.
                                         AppendCase{lineA.substr(0, 38), lineA + lineC},
                                         // Hand-edited forms are kept as they are.
                                         AppendCase{"A,1,2,3,4,5\n", "A,1,2,3,4,5\n" + lineC}));

TEST(Appending, DamagedFileIsRewrittenFromWhatCouldBeRead) {
    const std::string damaged = lineA + "\"B\",\"&H1";
    const auto rewrite = appendedBytes(damaged, parseLibrary(damaged), recordC);
    ASSERT_TRUE(rewrite);
    EXPECT_EQ(rewrite->bytes, lineA + lineC);
    ASSERT_TRUE(rewrite->dropped);
    EXPECT_EQ(rewrite->dropped->line, 2);
}

TEST(Replacing, RewritesEveryOtherRecordAsItWas) {
    const FONTREC newA{"A", {"&H1", "&H2", "&H3", "&H4", "&H5"}};
    const std::string newLineA = "\"A\",\"&H1\",\"&H2\",\"&H3\",\"&H4\",\"&H5\"\r\n";
    const auto rewrite = replacedBytes(parseLibrary(lineB + lineA + lineC + lineA), 1, newA);
    ASSERT_TRUE(rewrite);
    EXPECT_EQ(rewrite->bytes, lineB + newLineA + lineC + lineA);
    EXPECT_FALSE(rewrite->dropped);
}

} // namespace
} // namespace vorlix
