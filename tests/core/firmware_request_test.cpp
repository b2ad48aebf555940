// The rules both front ends ask before writing a table: which names a table
// may take in each language, and which choices go together.

#include "table/firmware_request.h"

#include <gtest/gtest.h>

namespace vorlix {
namespace {

struct AskCase {
    const char* what;
    TableJob job;
    FirmwareFormat format;
    std::string label;
    std::string message;
    AskProblem problem;
    bool proportional = false;
    bool blank = false;
    bool widths = false;
    bool address = false;
    bool prefixGiven = false;
    int spaceWidth = 3;
};

// Each row is one rule at its edge: the name or choice just refused, or just
// taken.
TEST(FirmwareRequest, SaysWhatIsWrongWithAnAsk) {
    using enum AskProblem;
    using enum TableJob;
    using F = FirmwareFormat;
    // clang-format off
    const AskCase cases[] = {
        {"a C keyword", font, F::c, "int", "", labelReserved},
        {"what C fonts use", font, F::arduino, "PROGMEM", "", labelReserved},
        {"Arduino's own type", font, F::arduino, "byte", "", labelReserved},
        {"byte is no C word", font, F::c, "byte", "", none},
        {"a PIC directive in any case", font, F::dt, "END", "", labelReserved},
        {"a PIC instruction", message, F::retlw, "movlw", "A", labelReserved},
        {"an AVR instruction", font, F::avr, "ldi", "", labelReserved},
        {"int is no assembler word", font, F::dt, "int", "", none},
        {"gas keeps no word", font, F::gas, "int", "", none},
        {"reading takes any name", read, F::dt, "end", "", none},
        {"reading takes no identifier too", read, F::c, "9lives", "", none},
        {"a digit first", font, F::c, "9lives", "", labelNotIdentifier},
        {"a dot", message, F::c, "a.b", "A", labelNotIdentifier},
        {"a letter beyond ASCII", font, F::c, "caf\xC3\xA9", "", labelNotIdentifier},
        {"empty", font, F::c, "", "", labelNotIdentifier},
        {"underscore and digits", font, F::c, "_font8", "", none},
        {"proportional with blank", message, F::dt, "t", "A", proportionalWithBlank, true, true},
        {"proportional font in dt", font, F::dt, "t", "", proportionalFontNotC, true},
        {"proportional font in arduino", font, F::arduino, "t", "", none, true},
        {"proportional message in dt", message, F::dt, "t", "A", none, true},
        {"widths in bin", font, F::bin, "t", "", widthsInBin, false, false, true},
        {"widths in gas", font, F::gas, "t", "", none, false, false, true},
        {"an address in avr", message, F::avr, "t", "A", addressNotPic, false, false, false, true},
        {"an address in retlw", message, F::retlw, "t", "A", none, false, false, false, true},
        {"a prefix in retlw", message, F::retlw, "t", "A", prefixNotDt, false, false, false, false, true},
        {"no space width", message, F::dt, "t", "A", spaceWidthOutOfRange, false, false, false, false, false, 0},
        {"six columns of space", message, F::dt, "t", "A", spaceWidthOutOfRange, false, false, false, false, false, 6},
        {"five columns of space", font, F::c, "t", "", none, false, false, false, false, false, 5},
        {"a line break", message, F::dt, "t", "A\nB", lineBreakInMessage},
        {"a return in bin", message, F::bin, "t", "A\rB", none},
        {"nothing to guard", message, F::dt, "t", "", emptyMessageGuarded, false, false, false, true},
        {"no empty C array", message, F::arduino, "t", "", emptyMessageInC},
        {"an empty dt table", message, F::dt, "t", "", none},
        {"a font has no message", font, F::c, "t", "", none},
    };
    // clang-format on
    for (const AskCase& c : cases) {
        TableAsk ask;
        ask.job = c.job;
        ask.format = c.format;
        ask.request.label = c.label;
        ask.request.message = c.message;
        ask.request.proportional = c.proportional;
        ask.request.blank = c.blank;
        ask.request.guard = c.address && c.message.empty();
        ask.request.spaceWidth = c.spaceWidth;
        ask.widths = c.widths;
        ask.address = c.address;
        ask.prefixGiven = c.prefixGiven;
        EXPECT_EQ(askProblem(ask), c.problem) << c.what;
    }
    TableAsk prefix;
    prefix.request.message = "A";
    prefix.request.prefix = "0\r";
    EXPECT_EQ(askProblem(prefix), AskProblem::lineBreakInPrefix);
}

} // namespace
} // namespace vorlix
