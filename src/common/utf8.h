#pragma once
// Code-point view of the UTF-8 texts the core works on. A "character" of the
// tool is one Unicode code point, whatever its encoded length.

#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

// Malformed bytes decode to U+FFFD, one per offending byte.
std::u32string toCodePoints(std::string_view utf8);
std::string toUtf8(std::u32string_view codePoints);
void appendUtf8(std::string& out, char32_t codePoint);

// The length of the well-formed UTF-8 sequence at the start of bytes, or 0.
std::size_t utf8SequenceLength(std::string_view bytes);

// Bytes of a file as they may be quoted to a terminal or a dialog: control
// bytes (and DEL) and bytes that are not well-formed UTF-8 written as \xHH,
// so that nothing quoted can stop the text short (NUL) or steer a terminal
// (ESC).
std::string escapedBytes(std::string_view bytes);

// The code point of a text that is exactly one well-formed character.
std::optional<char32_t> singleCodePoint(std::string_view utf8);

} // namespace vorlix
