#pragma once
// The library file is 8-bit text in Windows-1252, so libraries made on
// Windows read back character for character. The five bytes that 1252 leaves
// undefined map to the C1 controls of the same value, as Windows does, so
// every byte survives a read and a write.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

std::string cp1252ToUtf8(std::string_view bytes);

// The five bytes 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D), as the
// C1 controls they are read as: a sign of a file saved in another encoding.
bool isUndefinedIn1252(char32_t c);

// Empty when the text holds a character that 1252 cannot store.
std::optional<std::string> utf8ToCp1252(std::string_view utf8);

// The characters of every printable byte: 0x20 to 0x7E and 0x80 to 0xFF,
// less the undefined bytes and the controls.
std::vector<char32_t> printableCp1252();

} // namespace vorlix
