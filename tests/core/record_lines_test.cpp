#include "library/library_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlix {
namespace {

struct LinesCase {
    std::string bytes;
    std::vector<int> lines;
};

class RecordLines : public testing::TestWithParam<LinesCase> {};

TEST_P(RecordLines, GiveTheLineEachRecordStartsOn) {
    const ParsedLibrary parsed = parseLibrary(GetParam().bytes);
    EXPECT_EQ(parsed.lines, GetParam().lines);
    EXPECT_EQ(parsed.lines.size(), parsed.records.size());
}

const std::string a = R"("A","1","2","3","4","5")";
const std::string b = R"("B","1","2","3","4","5")";

INSTANTIATE_TEST_SUITE_P(
    Layouts, RecordLines,
    testing::Values(LinesCase{"", {}}, LinesCase{a + "\r\n" + b + "\r\n", {1, 2}},
                    LinesCase{"\r\n\n  \r" + a + "\n\n" + b, {4, 6}},
                    // A record that spans lines, one with a line break inside a quoted field.
                    LinesCase{"\"A\",\"1\"\r\n\"2\",\"3\",\"4\",\"5\"\r\n" + b + "\r\n", {1, 3}},
                    LinesCase{"\"x\r\ny\",1,2,3,4,5\r\n" + b, {1, 3}},
                    // Only whole records before the damage have lines.
                    LinesCase{a + "\r\n" + b + "\r\n\"C\",\"1\r\n", {1, 2}}));

} // namespace
} // namespace vorlix
