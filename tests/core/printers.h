#pragma once
// Readable failure output for the core's records.

#include "library/font_record.h"

#include <ostream>

namespace vorlix {

inline void PrintTo(const FONTREC& record, std::ostream* out) {
    *out << '{' << '"' << record.CHAR << '"';
    for (const std::string& hex : record.HEX) {
        *out << ", \"" << hex << '"';
    }
    *out << '}';
}

} // namespace vorlix
