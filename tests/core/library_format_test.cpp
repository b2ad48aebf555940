#include "library/library_format.h"

#include "common/utf8.h"

#include "core/printers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

namespace vorlix {
namespace {

std::string golden(const std::string& name) {
    std::ifstream in(std::string(VORLIX_TEST_DATA) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const FONTREC letterA{"A", {"&H7E", "&H11", "&H11", "&H11", "&H7E"}};

TEST(LibraryFormat, ExampleRecordIsFortyExactBytes) {
    const auto line = recordLine(letterA);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->size(), 40u);
    EXPECT_EQ(*line, golden("one_record.txt"));
}

FontTable severalRecords() {
    return {{" ", {"&HFF", "&HFF", "&HFF", "&HFF", "&HFF"}},
            {",", {"&HFF", "&H5F", "&H9F", "&HFF", "&HFF"}},
            letterA,
            {"a", {"&H0", "&H2", "&H3", "&H4", "&H5"}},
            {"A B", {"&H1", "&H2", "&H3", "&H4", "&H5"}},
            {"\u00E9", {"&H1", "&H2", "&H3", "&H4", "&H5"}}};
}

TEST(LibraryFormat, WritesAndReadsTheGoldenLibrary) {
    const std::string bytes = golden("several_records.txt");
    EXPECT_EQ(libraryBytes(severalRecords()), bytes);
    const ParsedLibrary parsed = parseLibrary(bytes);
    EXPECT_FALSE(parsed.damage);
    EXPECT_EQ(parsed.records, severalRecords());
}

TEST(LibraryFormat, ReadsHandEditedForms) {
    const ParsedLibrary parsed = parseLibrary(golden("hand_edited.txt"));
    EXPECT_FALSE(parsed.damage) << parsed.damage->what;
    const FontTable expected{letterA, {"B", {"&H7F", "&H49", "&H49", "&H49", "&H36"}}};
    EXPECT_EQ(parsed.records, expected);
}

TEST(LibraryFormat, EmptyAndBlankFilesAreEmptyLibraries) {
    for (const char* bytes : {"", "\r\n", "  \n\n\t\r\n"}) {
        const ParsedLibrary parsed = parseLibrary(bytes);
        EXPECT_TRUE(parsed.records.empty());
        EXPECT_FALSE(parsed.damage);
    }
}

struct DamageCase {
    std::string bytes;
    std::size_t wholeRecords;
    int line;
    std::string what; // a part of the message
};

class DamagedFiles : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFiles, KeepWholeRecordsAndSayWhereReadingStopped) {
    const DamageCase& c = GetParam();
    const ParsedLibrary parsed = parseLibrary(c.bytes);
    ASSERT_TRUE(parsed.damage);
    EXPECT_EQ(parsed.records.size(), c.wholeRecords);
    EXPECT_EQ(parsed.damage->line, c.line);
    EXPECT_NE(parsed.damage->what.find(c.what), std::string::npos) << parsed.damage->what;
}

const std::string good = "\"A\",\"&H7E\",\"&H11\",\"&H11\",\"&H11\",\"&H7E\"\r\n";

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedFiles,
    testing::Values(DamageCase{good + "\"B\",\"&H1\",\"&H2\"\r\n", 1, 2, "ends inside a record"},
                    DamageCase{good + good.substr(0, 20), 1, 2, "never closed"},
                    DamageCase{good + "\"B,\"&H1\"", 1, 2, "unexpected text"},
                    DamageCase{good + good + "\"B", 2, 3, "never closed"},
                    DamageCase{good + "\"B\"x,1,2,3,4,5\r\n", 1, 2, "after a closing quote"},
                    DamageCase{good + "B\"C,1,2,3,4,5\r\n", 1, 2, "double quote"},
                    DamageCase{good + "\"B\",1,2,3,4,5,6\r\n", 1, 2, "more than six"},
                    DamageCase{good + std::string("\0\x01\x02junk", 7), 1, 2, "0x00"},
                    // Cut short before the sixth field, with or without a line end.
                    DamageCase{good + "\"N\",\"&H1\",\"&H2\",\"&H3\",\"&H4\"\r\n", 1, 2,
                               "5 of its 6"},
                    DamageCase{good + "\"N\",\"&H1\",\"&H2\",\"&H3\",\"&H4\",", 1, 2, "5 of its 6"},
                    DamageCase{"\xEF\xBB\xBF" + good + "\"\xE9\",1,2,3,4,5\r\n", 1, 2, "not UTF-8"},
                    DamageCase{std::string("\x7F"
                                           "ELF\x02\x01",
                                           6),
                               0, 1, "0x7F"}));

TEST(LibraryFormat, ListLineHasItsExactSeparators) {
    EXPECT_EQ(listLine(letterA), "A    =  &H7E,  &H11,  &H11,   &H11,  &H7E");
    EXPECT_EQ(listLine({" ", {"1", "2", "3", "4", "5"}}), "     =  1,  2,  3,   4,  5");
}

TEST(LibraryFormat, GetfontFindsTheFirstExactMatch) {
    const FontTable table{{"a", {"1", "", "", "", ""}},
                          {"A", {"2", "", "", "", ""}},
                          {"A", {"3", "", "", "", ""}},
                          {"A ", {"4", "", "", "", ""}}};
    EXPECT_EQ(GETFONT(table, "a").HEX[0], "1");
    EXPECT_EQ(GETFONT(table, "A").HEX[0], "2");
    EXPECT_EQ(GETFONT(table, "A ").HEX[0], "4");
    EXPECT_EQ(GETFONT(table, "b"), FONTREC{});
    EXPECT_EQ(GETFONT(table, ""), FONTREC{});
    EXPECT_EQ(GETFONT({}, "A"), FONTREC{});
}

TEST(LibraryFormat, FieldProblemDependsOnTheEncoding) {
    EXPECT_FALSE(fieldProblem("\u20AC"));
    EXPECT_TRUE(fieldProblem("\u0416"));
    EXPECT_FALSE(fieldProblem("\u0416", TextEncoding::utf8WithMark));
    EXPECT_TRUE(fieldProblem("\u0085", TextEncoding::utf8WithMark));
    EXPECT_FALSE(recordLine({"\"", {"", "", "", "", ""}}));
}

TEST(LibraryFormat, UnmarkedUtf8IsNoticedByItsLine) {
    EXPECT_EQ(firstUtf8Line(good + "\"\xC3\xA9\",1,2,3,4,5\r\n"), 2);
    EXPECT_FALSE(firstUtf8Line(good + "\"\xE9\",1,2,3,4,5\r\n\"\xC3\xA9\",1,2,3,4,5\r\n"));
    EXPECT_FALSE(firstUtf8Line(good));
}

// Text without quotes, from characters 1252 can store; line breaks and tabs
// too, which hand-edited quoted fields may hold.
std::string randomText(std::mt19937& random, int maxLength) {
    static const std::u32string letters = U" ,AZaz09&H\t\r\n\u00E9\u20AC\u0178.;";
    std::u32string text(random() % (maxLength + 1), U' ');
    for (char32_t& c : text) {
        c = letters[random() % letters.size()];
    }
    return toUtf8(text);
}

TEST(LibraryFormat, GeneratedTablesSurviveWriteThenRead) {
    std::mt19937 random(1234);
    for (int round = 0; round < 200; ++round) {
        const auto encoding = round % 2 ? TextEncoding::utf8WithMark : TextEncoding::windows1252;
        FontTable table(random() % 20);
        for (FONTREC& record : table) {
            record.CHAR = randomText(random, 3);
            for (std::string& hex : record.HEX) {
                hex = randomText(random, 5);
            }
        }
        const auto bytes = libraryBytes(table, encoding);
        ASSERT_TRUE(bytes);
        const ParsedLibrary parsed = parseLibrary(*bytes);
        ASSERT_FALSE(parsed.damage) << parsed.damage->what;
        EXPECT_EQ(parsed.records, table);
        EXPECT_EQ(parsed.encoding, encoding);
        EXPECT_EQ(libraryBytes(parsed.records, parsed.encoding), bytes);
    }
}

} // namespace
} // namespace vorlix
