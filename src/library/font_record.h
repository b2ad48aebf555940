#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// One stored glyph: the character it stands for and its five column texts,
// HEX[0] being HEX1, the leftmost column as stored. Texts are UTF-8; the
// library never interprets the column texts.
struct FONTREC {
    std::string CHAR;
    std::array<std::string, 5> HEX;

    bool operator==(const FONTREC&) const = default;
};

// The font table in file order; record k of the tool is element k-1.
//
// A library may hold a million records, so they are kept compactly: the six
// fields of a record back to back in one buffer, each after its length, and
// the record's place in it. Records are read out as values.
class FontTable {
public:
    FontTable() = default;
    FontTable(std::initializer_list<FONTREC> records);
    explicit FontTable(std::size_t count, const FONTREC& record = {});

    std::size_t size() const { return places_.size(); }
    bool empty() const { return places_.empty(); }
    FONTREC operator[](std::size_t k) const;
    // Without copying: the character, and column c (0 to 4), of record k.
    // Views stay valid until the table is next changed or moved.
    std::string_view character(std::size_t k) const { return field(k, 0); }
    std::string_view column(std::size_t k, int c) const { return field(k, c + 1); }
    std::array<std::string_view, 6> fields(std::size_t k) const; // CHAR, then HEX1 to HEX5

    void push_back(const FONTREC& record);
    // CHAR, then HEX1 to HEX5; not views into this same table.
    void push_back(const std::array<std::string_view, 6>& fields);
    void set(std::size_t k, const FONTREC& record);
    void erase(std::size_t k);
    void reserve(std::size_t records, std::size_t bytes);

    bool operator==(const FontTable& other) const;

    class const_iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = FONTREC;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = FONTREC;

        const_iterator(const FontTable* table, std::size_t k) : table_(table), k_(k) {}
        FONTREC operator*() const { return (*table_)[k_]; }
        const_iterator& operator++() {
            ++k_;
            return *this;
        }
        bool operator==(const const_iterator&) const = default;

    private:
        const FontTable* table_;
        std::size_t k_;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    struct Place {
        std::uint32_t start;
        std::uint32_t length; // of all six fields with their lengths
    };

    std::string_view field(std::size_t k, int f) const;
    Place append(const std::array<std::string_view, 6>& fields);

    std::string text_;
    std::vector<Place> places_;
};

} // namespace vorlix
