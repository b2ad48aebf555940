#include "table/make_table.h"

#include "core/printers.h"

#include <gtest/gtest.h>

#include "common/utf8.h"
#include "library/library_format.h"
#include "table/message_bytes.h"

#include <random>

namespace vorlix {
namespace {

const FontTable library{{"A", {"&H7E", "&H9", "&H9", "&H9", "&H7E"}},
                        {"B", {"&H7F", "&H49", "&H49", "&H49", "&H36"}}};

std::string lines(std::initializer_list<std::string> parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : "\r\n") + part;
    }
    return text;
}

struct Case {
    std::string message;
    std::string prefix;
    bool blank;
    FontTable table;
    std::string expected;
};

class Tables : public testing::TestWithParam<Case> {};

TEST_P(Tables, AreExact) {
    const Case& c = GetParam();
    EXPECT_EQ(MAKETABLE(c.message, c.prefix, c.blank, c.table), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Tables,
    testing::Values(
        Case{"AB?", "0x", false, library,
             lines({";AB?", ";Total Columns = 15", "       dt  0x7E,  0x9,   0x9,   0x9,   0x7E",
                    "       dt  0x7F,  0x49,   0x49,   0x49,   0x36",
                    "       dt  0x,  0x,   0x,   0x,   0x"})},
        Case{"AB?", "0x", true, library,
             lines({";AB?", ";Total Columns = 18",
                    "       dt  0x7E,  0x9,   0x9,   0x9,   0x7E,   0xFF",
                    "       dt  0x7F,  0x49,   0x49,   0x49,   0x36,   0xFF",
                    "       dt  0x,  0x,   0x,   0x,   0x,   0xFF"})},
        Case{"A", "", false, library,
             lines({";A", ";Total Columns = 5", "       dt  7E,  9,   9,   9,   7E"})},
        Case{"", "0x", false, library, lines({";", ";Total Columns = 0"})},
        Case{"", "0x", true, {}, lines({";", ";Total Columns = 0"})},
        Case{"a", "0x", false, library,
             lines({";a", ";Total Columns = 5", "       dt  0x,  0x,   0x,   0x,   0x"})},
        Case{"AA", "$", true, library,
             lines({";AA", ";Total Columns = 12", "       dt  $7E,  $9,   $9,   $9,   $7E,   $FF",
                    "       dt  $7E,  $9,   $9,   $9,   $7E,   $FF"})},
        // Stored texts lose their first two characters, whatever they are.
        Case{"x",
             "0x",
             false,
             {{"x", {"0x7E", "&H0", "7", "", "\u00E9\u00E9F"}}},
             lines({";x", ";Total Columns = 5", "       dt  0x7E,  0x0,   0x,   0x,   0xF"})},
        // A space is looked up like any other character.
        Case{" ",
             "0x",
             false,
             {{" ", {"&HFF", "&HFF", "&HFF", "&HFF", "&HFF"}}},
             lines({"; ", ";Total Columns = 5", "       dt  0xFF,  0xFF,   0xFF,   0xFF,   0xFF"})},
        // One character outside the BMP counts once.
        Case{
            "\U0001F600",
            "0x",
            false,
            {},
            lines({";\U0001F600", ";Total Columns = 5", "       dt  0x,  0x,   0x,   0x,   0x"})}));

// The first record of each character, kept by a plain first-match scan.
FontTable firstOnly(const FontTable& table) {
    FontTable kept;
    for (std::size_t k = 0; k < table.size(); ++k) {
        if (findRecord(table, table[k].CHAR) == k) {
            kept.push_back(table[k]);
        }
    }
    return kept;
}

TEST(MakeTable, FindsTheFirstGlyphOfEachCharacterInGeneratedLibraries) {
    const std::u32string pool = U" !AZaz09\u00E9\u20AC\U0001F600";
    std::mt19937 random(77);
    for (int round = 0; round < 50; ++round) {
        FontTable table(40);
        for (FONTREC& record : table) {
            record.CHAR = toUtf8(pool.substr(random() % pool.size(), 1 + random() % 8 / 7));
            for (std::string& hex : record.HEX) {
                hex = "&H" + std::to_string(random() % 100);
            }
        }
        std::u32string message;
        for (int i = 0; i < 60; ++i) {
            message += pool[random() % pool.size()];
        }
        const std::string text = toUtf8(message);
        const FontTable first = firstOnly(table);
        ASSERT_LT(first.size(), table.size()); // the library does hold duplicates
        EXPECT_EQ(MAKETABLE(text, "0x", round % 2, table), MAKETABLE(text, "0x", round % 2, first));
        for (const CharacterBytes& entry : messageBytes(text, table)) {
            const FONTREC expected = GETFONT(table, toUtf8(std::u32string(1, entry.character)));
            EXPECT_EQ(entry.record ? *entry.record : FONTREC{}, expected);
        }
    }
}

} // namespace
} // namespace vorlix
