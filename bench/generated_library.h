#pragma once
// Large libraries made from a fixed seed, the same on every run.

#include "library/font_record.h"

#include <string>

namespace vorlix {

// count records; the last 26 are the capital letters, the rest have
// several-character names that no single message character matches.
FontTable generatedLibrary(int count);

// 65,536 records: every character of the Basic Multilingual Plane that a
// UTF-8 library can store, then two-character names up to the count.
FontTable planeLibrary();

// A UTF-8 library file (with its mark) holding table.
std::string utf8File(const FontTable& table);

} // namespace vorlix
