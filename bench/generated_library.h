#pragma once
// A large library made from a fixed seed, the same on every run.

#include "library/font_record.h"

#include <string>

namespace vorlix {

// count records; the last 26 are the capital letters, the rest have
// several-character names that no single message character matches.
FontTable generatedLibrary(int count);

} // namespace vorlix
