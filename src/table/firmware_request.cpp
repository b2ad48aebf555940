#include "table/firmware_request.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace vorlix {

namespace {

struct NamedFormat {
    std::string_view name;
    FirmwareFormat format;
};

constexpr NamedFormat namedFormats[] = {
    {"dt", FirmwareFormat::dt},           {"asm", FirmwareFormat::dt},
    {"retlw", FirmwareFormat::retlw},     {"avr", FirmwareFormat::avr},
    {"gas", FirmwareFormat::gas},         {"c", FirmwareFormat::c},
    {"arduino", FirmwareFormat::arduino}, {"bin", FirmwareFormat::bin}};

std::string lowered(std::string_view name) {
    std::string lower(name);
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

bool isPic(FirmwareFormat format) {
    return format == FirmwareFormat::dt || format == FirmwareFormat::retlw;
}

bool isC(FirmwareFormat format) {
    return format == FirmwareFormat::c || format == FirmwareFormat::arduino;
}

} // namespace

std::vector<std::string_view> firmwareFormatNames(bool otherNames) {
    std::vector<std::string_view> names;
    for (const NamedFormat& named : namedFormats) {
        if (otherNames || firmwareFormatName(named.format) == named.name) {
            names.push_back(named.name);
        }
    }
    return names;
}

std::optional<FirmwareFormat> firmwareFormatNamed(std::string_view name) {
    const auto* found = std::ranges::find(namedFormats, name, &NamedFormat::name);
    return found == std::end(namedFormats) ? std::nullopt : std::optional(found->format);
}

std::string_view firmwareFormatName(FirmwareFormat format) {
    return std::ranges::find(namedFormats, format, &NamedFormat::format)->name;
}

bool isIdentifier(std::string_view name) {
    // ASCII only: isalpha would take a locale's letters.
    const auto letter = [](unsigned char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    };
    return !name.empty() && letter(name[0]) && std::ranges::all_of(name, [&](unsigned char c) {
        return letter(c) || (c >= '0' && c <= '9');
    });
}

bool isReservedLabel(FirmwareFormat format, std::string_view name) {
    // clang-format off
    static constexpr std::string_view cWords[] = {
        "alignas", "alignof", "and", "and_eq", "asm", "auto", "bitand", "bitor", "bool", "break",
        "case", "catch", "char", "char8_t", "char16_t", "char32_t", "class", "compl", "concept",
        "const", "const_cast", "consteval", "constexpr", "constinit", "continue", "co_await",
        "co_return", "co_yield", "decltype", "default", "delete", "do", "double", "dynamic_cast",
        "else", "enum", "explicit", "export", "extern", "false", "float", "for", "friend", "goto",
        "if", "inline", "int", "long", "mutable", "namespace", "new", "noexcept", "not", "not_eq",
        "nullptr", "operator", "or", "or_eq", "private", "protected", "public", "register",
        "reinterpret_cast", "requires", "restrict", "return", "short", "signed", "sizeof",
        "static", "static_assert", "static_cast", "struct", "switch", "template", "this",
        "thread_local", "throw", "true", "try", "typedef", "typeid", "typename", "typeof",
        "typeof_unqual", "union", "unsigned", "using", "virtual", "void", "volatile", "wchar_t",
        "while", "xor", "xor_eq", "_Alignas", "_Alignof", "_Atomic", "_BitInt", "_Bool",
        "_Complex", "_Decimal128", "_Decimal32", "_Decimal64", "_Generic", "_Imaginary",
        "_Noreturn", "_Static_assert", "_Thread_local",
        // What C fonts are written with: a font of that name hides it.
        "int8_t", "uint8_t", "int16_t", "uint16_t", "int32_t", "uint32_t", "size_t", "NULL",
        "PROGMEM", "pgm_read_byte", "main"};
    // Arduino's own types, which every sketch sees.
    static constexpr std::string_view arduinoWords[] = {"byte", "word", "boolean", "String"};
    // What gpasm takes for an instruction or a directive rather than a label.
    static constexpr std::string_view picWords[] = {
        "addwf", "andwf", "clrf", "clrw", "comf", "decf", "decfsz", "incf", "incfsz", "iorwf",
        "movf", "movwf", "nop", "rlf", "rrf", "subwf", "swapf", "xorwf", "bcf", "bsf", "btfsc",
        "btfss", "addlw", "andlw", "call", "clrwdt", "goto", "iorlw", "movlw", "retfie", "retlw",
        "return", "sleep", "sublw", "xorlw", "option", "tris", "__config", "__idlocs", "__maxram",
        "__badram", "banksel", "bankisel", "pagesel", "constant", "da", "data", "db", "de", "dt",
        "dw", "else", "end", "endif", "endm", "endw", "equ", "error", "errorlevel", "exitm",
        "expand", "extern", "fill", "global", "if", "ifdef", "ifndef", "include", "list", "local",
        "macro", "messg", "noexpand", "nolist", "org", "page", "processor", "radix", "res", "set",
        "space", "subtitle", "title", "udata", "variable", "while", "code", "idata"};
    // The AVR instructions and the directives of avra and the Atmel assembler,
    // which the latter will not take as a label.
    static constexpr std::string_view avrWords[] = {
        "adc", "add", "adiw", "and", "andi", "asr", "bclr", "bld", "brbc", "brbs", "brcc", "brcs",
        "break", "breq", "brge", "brhc", "brhs", "brid", "brie", "brlo", "brlt", "brmi", "brne",
        "brpl", "brsh", "brtc", "brts", "brvc", "brvs", "bset", "bst", "call", "cbi", "cbr", "clc",
        "clh", "cli", "cln", "clr", "cls", "clt", "clv", "clz", "com", "cp", "cpc", "cpi", "cpse",
        "dec", "des", "eicall", "eijmp", "elpm", "eor", "fmul", "fmuls", "fmulsu", "icall", "ijmp",
        "in", "inc", "jmp", "lac", "las", "lat", "ld", "ldd", "ldi", "lds", "lpm", "lsl", "lsr",
        "mov", "movw", "mul", "muls", "mulsu", "neg", "nop", "or", "ori", "out", "pop", "push",
        "rcall", "ret", "reti", "rjmp", "rol", "ror", "sbc", "sbci", "sbi", "sbic", "sbis", "sbiw",
        "sbr", "sbrc", "sbrs", "sec", "seh", "sei", "sen", "ser", "ses", "set", "sev", "sez",
        "sleep", "spm", "st", "std", "sts", "sub", "subi", "swap", "tst", "wdr", "xch", "byte",
        "cseg", "csize", "db", "def", "device", "dseg", "dw", "dd", "dq", "else", "elif", "endif",
        "endm", "endmacro", "equ", "eseg", "exit", "if", "ifdef", "ifndef", "include", "list",
        "listmac", "macro", "nolist", "org", "overlap", "nooverlap", "pragma", "undef", "high",
        "low", "byte2", "byte3", "byte4", "lwrd", "hwrd", "page", "exp2", "log2"};
    // clang-format on
    const auto in = [](const auto& words, std::string_view word) {
        return std::ranges::find(words, word) != std::end(words);
    };
    switch (format) {
    case FirmwareFormat::c:
        return in(cWords, name);
    case FirmwareFormat::arduino:
        return in(cWords, name) || in(arduinoWords, name);
    case FirmwareFormat::dt:
    case FirmwareFormat::retlw:
        return in(picWords, lowered(name));
    case FirmwareFormat::avr:
        return in(avrWords, lowered(name));
    case FirmwareFormat::gas:
    case FirmwareFormat::bin:
        break;
    }
    return false;
}

AskProblem askProblem(const TableAsk& ask) {
    const FirmwareRequest& request = ask.request;
    const bool message = ask.job == TableJob::message;
    if (ask.job != TableJob::read) {
        if (!isIdentifier(request.label)) {
            return AskProblem::labelNotIdentifier;
        }
        if (isReservedLabel(ask.format, request.label)) {
            return AskProblem::labelReserved;
        }
    }
    if (request.proportional && request.blank) {
        return AskProblem::proportionalWithBlank;
    }
    if (ask.job == TableJob::font && request.proportional && !isC(ask.format)) {
        return AskProblem::proportionalFontNotC;
    }
    if (ask.widths && ask.format == FirmwareFormat::bin) {
        return AskProblem::widthsInBin;
    }
    if (ask.address && !isPic(ask.format)) {
        return AskProblem::addressNotPic;
    }
    if (ask.prefixGiven && ask.format != FirmwareFormat::dt) {
        return AskProblem::prefixNotDt;
    }
    if (request.spaceWidth < 1 || request.spaceWidth > 5) {
        return AskProblem::spaceWidthOutOfRange;
    }
    if (request.prefix.find_first_of("\r\n") != std::string::npos) {
        return AskProblem::lineBreakInPrefix;
    }
    if (message && ask.format != FirmwareFormat::bin &&
        request.message.find_first_of("\r\n") != std::string::npos) {
        return AskProblem::lineBreakInMessage;
    }
    if (message && request.message.empty() && request.guard) {
        return AskProblem::emptyMessageGuarded;
    }
    if (message && request.message.empty() && isC(ask.format)) {
        return AskProblem::emptyMessageInC;
    }
    return AskProblem::none;
}

} // namespace vorlix
