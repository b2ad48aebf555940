#include "case_name.h"
#include "common/utf8.h"
#include "editor/column_text.h"
#include "library/library_format.h"
#include "table/firmware_table.h"
#include "table/font_table.h"
#include "table/make_table.h"
#include "table/message_bytes.h"
#include "table/table_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace vorlix {
namespace {

const FontTable library{{"A", {"&H7E", "&H9", "&H9", "&H9", "&H7E"}},
                        {"B", {"&H7F", "&H49", "&H49", "&H49", "&H36"}}};

struct Case {
    const char* what;
    std::string message;
    std::string prefix;
    bool blank;
    FontTable table;
    int columns;
    std::string rows; // the dt lines' values, one line each after a '|'
};

class Tables : public testing::TestWithParam<Case> {};

// The window's and vorlix-table's tests check the whole text of "AB?"; these
// are the edges.
TEST_P(Tables, AreExact) {
    const Case& c = GetParam();
    std::string expected = ";" + c.message + "\r\n;Total Columns = " + std::to_string(c.columns);
    for (char ch : c.rows) {
        expected += ch == '|' ? std::string("\r\n       dt  ") : std::string(1, ch);
    }
    EXPECT_EQ(MAKETABLE(c.message, c.prefix, c.blank, c.table), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Tables,
    testing::Values(Case{"a missing glyph dark after blank", "A?", "", true, library, 12,
                         "|7E,  9,   9,   9,   7E,   FF|,  ,   ,   ,   ,   FF"},
                    Case{"an empty message", "", "0x", true, {}, 0, ""},
                    Case{"a missing glyph without blank", "a", "0x", false, library, 5,
                         "|0x,  0x,   0x,   0x,   0x"},
                    Case{"stored texts lose their first two characters whatever they are",
                         "x",
                         "$",
                         false,
                         {{"x", {"0x7E", "&H0", "7", "", "\u00E9\u00E9F"}}},
                         5,
                         "|$7E,  $0,   $,   $,   $F"},
                    Case{"a space is looked up like any other character",
                         " ",
                         "$",
                         false,
                         {{" ", {"&H1", "&H2", "&H3", "&H4", "&H5"}}},
                         5,
                         "|$1,  $2,   $3,   $4,   $5"},
                    Case{"a character outside the BMP counts once",
                         "\U0001F600",
                         "0x",
                         false,
                         {},
                         5,
                         "|0x,  0x,   0x,   0x,   0x"}),
    caseName<Case>);

TEST(MakeTable, FindsTheFirstGlyphOfEachCharacterInGeneratedLibraries) {
    const std::u32string pool = U" !AZaz09\u00E9\u20AC\U0001F600";
    std::mt19937 random(77);
    for (int round = 0; round < 50; ++round) {
        FontTable table;
        for (int k = 0; k < 40; ++k) {
            FONTREC record{toUtf8(pool.substr(random() % pool.size(), 1 + random() % 8 / 7)), {}};
            for (std::string& hex : record.HEX) {
                hex = "&H" + std::to_string(random() % 100);
            }
            table.push_back(record);
        }
        std::u32string message;
        for (int i = 0; i < 60; ++i) {
            message += pool[random() % pool.size()];
        }
        const std::string text = toUtf8(message);
        // The first record of each character, kept by a plain scan.
        FontTable first;
        for (const FONTREC& record : table) {
            if (std::none_of(first.begin(), first.end(),
                             [&](const FONTREC& kept) { return kept.CHAR == record.CHAR; })) {
                first.push_back(record);
            }
        }
        ASSERT_LT(first.size(), table.size()); // the library does hold duplicates
        EXPECT_EQ(MAKETABLE(text, "0x", round % 2, table), MAKETABLE(text, "0x", round % 2, first));
        for (const CharacterBytes& entry : messageBytes(text, table)) {
            const FONTREC expected = GETFONT(table, toUtf8(std::u32string(1, entry.character)));
            EXPECT_EQ(entry.record ? *entry.record : FONTREC{}, expected);
        }
    }
}

// The firmware tools tests check every form's bytes; this, the comments.
TEST(CTable, IsOneCommentedRowPerCharacter) {
    FirmwareRequest request;
    request.message = "AB?";
    request.blank = true;
    const FontTable table{library[0], {"B", {"&H7F", "&h49", "49", "&H49", ""}}};
    EXPECT_EQ(firmwareTable(FirmwareFormat::c, request, table),
              "/* \"AB?\" - 18 columns */\n"
              "const unsigned char vorlix_table[18] = {\n"
              "    0x7E, 0x09, 0x09, 0x09, 0x7E, 0xFF, /* 'A' */\n"
              "    0x7F, 0x49, 0xFF, 0x49, 0xFF, 0xFF, /* 'B' (columns 3, 5 are no bytes) */\n"
              "    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, /* '?' not in the library */\n"
              "};\n");
    EXPECT_EQ(commentQuoted(U"a*/b/*c\"\\\t\x01\u00E9\U0001F600", '"'),
              R"("a*\/b/\*c\"\\\t\x01\u00E9\U0001F600")");
    EXPECT_EQ(commentQuoted(U"'", '\''), R"('\'')");
    // avra pads an odd line itself, so only the text shows the table's own pad byte.
    request.message = "A";
    request.blank = false;
    EXPECT_TRUE(firmwareTable(FirmwareFormat::avr, request, library)
                    .ends_with("0x7E, 0x00  ; 'A', then a pad byte\n"));
}

// A font written in any form with any options and read back with the same
// ones gives the glyphs it was written from; the widths table that follows it
// is not read with them.
TEST(FontTable, ReadsBackAsItWasWritten) {
    std::mt19937 random(19);
    FontTable generated;
    std::u32string characters;
    for (char32_t c = 0xA0; c < 0xAB; ++c) { // odd count: an AVR table ends in a pad byte
        FONTREC record{toUtf8(std::u32string(1, c)), {}};
        for (std::string& column : record.HEX) {
            column = hexText(random() % 256);
        }
        generated.push_back(record);
        characters += c;
    }
    for (const FirmwareFormat format :
         {FirmwareFormat::dt, FirmwareFormat::retlw, FirmwareFormat::avr, FirmwareFormat::gas,
          FirmwareFormat::c, FirmwareFormat::arduino, FirmwareFormat::bin}) {
        for (int setting = 0; setting < 16; ++setting) {
            FirmwareRequest request;
            request.options = {(setting & 1) != 0, (setting & 2) != 0};
            request.blank = (setting & 4) != 0;
            request.reverse = (setting & 8) != 0;
            request.label = "font";
            FontRequest font{characters, false, std::nullopt, format != FirmwareFormat::bin};
            const std::string text = fontTable(format, request, font, generated).text;
            const TableBytes bytes = readTableBytes(
                text, format == FirmwareFormat::bin ? std::optional(format) : std::nullopt, "font");
            const TableGlyphs glyphs =
                glyphsOfTable(bytes, characters, request.blank, request.options, request.reverse);
            EXPECT_TRUE(glyphs.records == generated)
                << static_cast<int>(format) << " " << setting << " " << glyphs.error
                << (bytes.damage ? bytes.damage->what : "") << "\n"
                << text;
        }
    }
}

} // namespace
} // namespace vorlix
