#include "library/font_record.h"

namespace vorlix {

namespace {

// Lengths take one byte below 128, seven bits a byte above.
void appendLength(std::string& text, std::size_t length) {
    do {
        const auto low = static_cast<unsigned char>(length & 0x7F);
        length >>= 7;
        text.push_back(static_cast<char>(length != 0 ? low | 0x80 : low));
    } while (length != 0);
}

std::size_t readLength(const char*& at) {
    std::size_t length = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(*at++);
        length |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) {
            return length;
        }
    }
}

} // namespace

FontTable::FontTable(std::initializer_list<FONTREC> records) {
    for (const FONTREC& record : records) {
        push_back(record);
    }
}

FontTable::FontTable(std::size_t count, const FONTREC& record) {
    for (std::size_t k = 0; k < count; ++k) {
        push_back(record);
    }
}

FONTREC FontTable::operator[](std::size_t k) const {
    const auto all = fields(k);
    return {std::string(all[0]),
            {std::string(all[1]), std::string(all[2]), std::string(all[3]), std::string(all[4]),
             std::string(all[5])}};
}

std::array<std::string_view, 6> FontTable::fields(std::size_t k) const {
    std::array<std::string_view, 6> all;
    const char* at = text_.data() + places_[k].start;
    for (std::string_view& field : all) {
        const std::size_t length = readLength(at);
        field = {at, length};
        at += length;
    }
    return all;
}

std::string_view FontTable::field(std::size_t k, int f) const {
    const char* at = text_.data() + places_[k].start;
    for (;; --f) {
        const std::size_t length = readLength(at);
        if (f == 0) {
            return {at, length};
        }
        at += length;
    }
}

FontTable::Place FontTable::append(const std::array<std::string_view, 6>& fields) {
    const auto start = static_cast<std::uint32_t>(text_.size());
    for (const std::string_view field : fields) {
        appendLength(text_, field.size());
        text_ += field;
    }
    return {start, static_cast<std::uint32_t>(text_.size() - start)};
}

namespace {

std::array<std::string_view, 6> fieldsOf(const FONTREC& record) {
    return {record.CHAR, record.HEX[0], record.HEX[1], record.HEX[2], record.HEX[3], record.HEX[4]};
}

} // namespace

void FontTable::push_back(const FONTREC& record) {
    places_.push_back(append(fieldsOf(record)));
}

void FontTable::push_back(const std::array<std::string_view, 6>& fields) {
    places_.push_back(append(fields));
}

// The old fields stay behind, unused: a table is read once and replaced in
// place only a few times before it is written out and read afresh.
void FontTable::set(std::size_t k, const FONTREC& record) {
    places_[k] = append(fieldsOf(record));
}

void FontTable::erase(std::size_t k) {
    places_.erase(places_.begin() + static_cast<std::ptrdiff_t>(k));
}

void FontTable::reserve(std::size_t records, std::size_t bytes) {
    places_.reserve(records);
    text_.reserve(bytes);
}

bool FontTable::operator==(const FontTable& other) const {
    if (size() != other.size()) {
        return false;
    }
    for (std::size_t k = 0; k < size(); ++k) {
        if (std::string_view(text_.data() + places_[k].start, places_[k].length) !=
            std::string_view(other.text_.data() + other.places_[k].start,
                             other.places_[k].length)) {
            return false;
        }
    }
    return true;
}

} // namespace vorlix
