#include "editor/column_text.h"
#include "table/firmware_table.h"

#include <gtest/gtest.h>

namespace vorlix {
namespace {

TEST(CTable, IsOneCommentedRowPerCharacter) {
    FirmwareRequest request;
    request.message = "AB?";
    request.blank = true;
    const FontTable table{{"A", {"&H7E", "&H9", "&H9", "&H9", "&H7E"}},
                          {"B", {"&H7F", "&h49", "49", "&H49", ""}}};
    EXPECT_EQ(firmwareTable(FirmwareFormat::c, request, table),
              "/* \"AB?\" - 18 columns */\n"
              "const unsigned char vorlix_table[18] = {\n"
              "    0x7E, 0x09, 0x09, 0x09, 0x7E, 0xFF, /* 'A' */\n"
              "    0x7F, 0x49, 0x00, 0x49, 0x00, 0xFF, /* 'B' (columns "
              "3, 5 are no bytes) */\n"
              "    0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, /* '?' not in "
              "the library */\n"
              "};\n");
}

TEST(CTable, CommentsCannotBeEndedOrOpenedByTheMessage) {
    EXPECT_EQ(commentQuoted(U"a*/b/*c\"\\\t\x01\u00E9\U0001F600", '"'),
              R"("a*\/b/\*c\"\\\t\x01\u00E9\U0001F600")");
    EXPECT_EQ(commentQuoted(U"'", '\''), R"('\'')");
}

TEST(ColumnByte, IsAmpersandHAndOneOrTwoHexDigits) {
    for (const auto& [text, byte] : {std::pair{"&H0", 0}, {"&H7e", 0x7E}, {"&hFF", 0xFF}}) {
        EXPECT_EQ(columnByte(text), byte) << text;
    }
    for (const char* text : {"", "&H", "&H100", "7E", " &H7E", "&H7E ", "&HG", "&B1", "0x7E"}) {
        EXPECT_EQ(columnByte(text), std::nullopt) << text;
    }
}

} // namespace
} // namespace vorlix
