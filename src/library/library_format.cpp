#include "library/library_format.h"

#include "common/utf8.h"
#include "library/cp1252.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace vorlix {

namespace {

constexpr int fieldsPerRecord = 6;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

bool isControl(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b < 0x20 && c != '\t' && c != '\r' && c != '\n') || b == 0x7F;
}

std::string controlByteMessage(char c) {
    char text[80];
    std::snprintf(text, sizeof text,
                  "unreadable byte 0x%02X; this does not look like a font library",
                  static_cast<unsigned>(static_cast<unsigned char>(c)));
    return text;
}

// C0, DEL and C1: characters a new field may not hold, since a reader (this
// one, or a person with an editor) would not get them back as they were.
bool isControlCharacter(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";

enum class End { comma, lineEnd, file };

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    ParsedLibrary read() {
        ParsedLibrary result;
        if (bytes_.starts_with(utf8Mark)) {
            result.encoding = encoding_ = TextEncoding::utf8WithMark;
            pos_ = utf8Mark.size();
        }
        // Room for as many records as lines of the shortest form the tool
        // writes would fill; hand-made shorter lines just grow the table.
        constexpr std::size_t shortestLine = 34;
        result.records.reserve(bytes_.size() / shortestLine + 1, bytes_.size());
        result.lines.reserve(bytes_.size() / shortestLine + 1);
        RecordFields fields;
        while (true) {
            skipBlanksAndLineEnds();
            if (atEnd()) {
                break;
            }
            const int startLine = line_;
            if (!readRecord(fields)) {
                result.damage = damage_;
                break;
            }
            result.records.push_back(fields.views);
            result.lines.push_back(startLine);
        }
        return result;
    }

private:
    // A record's fields as read: in place in the file where the bytes are the
    // text, else decoded into room of the field's own, reused record to record.
    struct RecordFields {
        std::array<std::string_view, fieldsPerRecord> views;
        std::array<std::string, fieldsPerRecord> decoded;
    };

    bool readRecord(RecordFields& fields) {
        const int startLine = line_;
        int fieldsOnFirstLine = 0; // when the record went on to the next line
        for (int f = 0; f < fieldsPerRecord; ++f) {
            skipBlanks();
            if (f > 0 && atEnd()) {
                // Even an empty last field has its quotes or its line end.
                return fail(startLine, "the file ends inside a record (" + std::to_string(f) +
                                           " of its 6 fields)");
            }
            const auto end = readField(fields.views[f], fields.decoded[f]);
            if (!end) {
                return false;
            }
            const bool last = f == fieldsPerRecord - 1;
            if (*end == End::comma && last) {
                // A record cut short took the next line's fields: the fault
                // is the line it began on.
                return fieldsOnFirstLine > 0
                           ? fail(startLine, "a record cut short (" +
                                                 std::to_string(fieldsOnFirstLine) +
                                                 " of its 6 fields)")
                           : fail(line_, "more than six fields in a record");
            }
            if (*end == End::lineEnd && !last) {
                fieldsOnFirstLine = fieldsOnFirstLine > 0 ? fieldsOnFirstLine : f + 1;
                skipBlanksAndLineEnds();
            }
        }
        return true;
    }

    // Reads one field into value (in room when it needs decoding); returns
    // what ended it, or nothing on damage.
    std::optional<End> readField(std::string_view& value, std::string& room) {
        skipBlanks();
        if (!atEnd() && bytes_[pos_] == '"') {
            // One pass finds the closing quote and whether the text between
            // is plain printable ASCII, the common case, kept as it stands.
            std::size_t close = pos_ + 1;
            bool plain = true;
            for (; close < bytes_.size() && bytes_[close] != '"'; ++close) {
                const auto b = static_cast<unsigned char>(bytes_[close]);
                plain = plain && b >= 0x20 && b < 0x7F;
            }
            if (close == bytes_.size()) {
                fail(line_, "a quote is opened but never closed");
                return std::nullopt;
            }
            const std::string_view raw = bytes_.substr(pos_ + 1, close - pos_ - 1);
            if (plain) {
                value = raw;
            } else if (!checkQuotedText(raw) || !decode(raw, value, room)) {
                return std::nullopt;
            }
            pos_ = close + 1;
            skipBlanks();
            if (!atEnd() && bytes_[pos_] != ',' && !isLineEnd(bytes_[pos_])) {
                fail(line_, "unexpected text after a closing quote");
                return std::nullopt;
            }
        } else {
            const std::size_t start = pos_;
            while (!atEnd() && bytes_[pos_] != ',' && !isLineEnd(bytes_[pos_])) {
                const char c = bytes_[pos_];
                if (c == '"') {
                    fail(line_, "a double quote inside an unquoted field");
                    return std::nullopt;
                }
                if (isControl(c)) {
                    fail(line_, controlByteMessage(c));
                    return std::nullopt;
                }
                ++pos_;
            }
            std::string_view raw = bytes_.substr(start, pos_ - start);
            while (!raw.empty() && isBlank(raw.back())) {
                raw.remove_suffix(1);
            }
            if (!decode(raw, value, room)) {
                return std::nullopt;
            }
        }
        return consumeTerminator();
    }

    // Control bytes are damage; line ends inside quotes are kept and counted.
    bool checkQuotedText(std::string_view raw) {
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (isControl(raw[i])) {
                fail(line_, controlByteMessage(raw[i]));
                return false;
            }
            if (raw[i] == '\n' || (raw[i] == '\r' && (i + 1 == raw.size() || raw[i + 1] != '\n'))) {
                ++line_;
            }
        }
        return true;
    }

    bool decode(std::string_view raw, std::string_view& value, std::string& room) {
        if (encoding_ == TextEncoding::windows1252) {
            room = cp1252ToUtf8(raw);
            value = room;
            return true;
        }
        for (std::size_t i = 0; i < raw.size();) {
            const std::size_t length = utf8SequenceLength(raw.substr(i));
            if (length == 0) {
                return fail(line_, "bytes that are not UTF-8, in a file marked as UTF-8");
            }
            i += length;
        }
        value = raw;
        return true;
    }

    End consumeTerminator() {
        if (atEnd()) {
            return End::file;
        }
        if (bytes_[pos_] == ',') {
            ++pos_;
            return End::comma;
        }
        consumeLineEnd();
        return End::lineEnd;
    }

    void consumeLineEnd() {
        if (bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n') {
            ++pos_;
        }
        ++pos_;
        ++line_;
    }

    void skipBlanks() {
        while (!atEnd() && isBlank(bytes_[pos_])) {
            ++pos_;
        }
    }

    void skipBlanksAndLineEnds() {
        while (!atEnd()) {
            if (isBlank(bytes_[pos_])) {
                ++pos_;
            } else if (isLineEnd(bytes_[pos_])) {
                consumeLineEnd();
            } else {
                break;
            }
        }
    }

    bool fail(int line, std::string what) {
        damage_ = Damage{line, std::move(what)};
        return false;
    }

    bool atEnd() const { return pos_ >= bytes_.size(); }

    std::string_view bytes_;
    std::size_t pos_ = 0;
    int line_ = 1;
    Damage damage_;
    TextEncoding encoding_ = TextEncoding::windows1252;
};

} // namespace

ParsedLibrary parseLibrary(std::string_view bytes) {
    return Reader(bytes).read();
}

std::optional<int> firstUtf8Line(std::string_view bytes) {
    std::optional<int> first;
    int line = 1;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            line += b == '\n' ? 1 : 0;
            ++i;
            continue;
        }
        const std::size_t length = utf8SequenceLength(bytes.substr(i));
        if (length == 0) {
            return std::nullopt; // a byte no UTF-8 file has: Windows-1252 after all
        }
        first = first.value_or(line);
        i += length;
    }
    return first;
}

std::optional<std::string> fieldProblem(std::string_view text, TextEncoding encoding) {
    for (std::size_t i = 0; i < text.size();
         i += std::max<std::size_t>(1, utf8SequenceLength(text.substr(i)))) {
        if (utf8SequenceLength(text.substr(i)) == 0) {
            return "it is not well-formed text";
        }
    }
    if (text.find('"') != std::string_view::npos) {
        return "it contains a double quote (\"), which the library file cannot store";
    }
    const std::u32string characters = toCodePoints(text);
    if (std::any_of(characters.begin(), characters.end(), isControlCharacter)) {
        return "it contains a control character (such as a tab or a line break), which the "
               "library file cannot store";
    }
    if (encoding == TextEncoding::windows1252 && !utf8ToCp1252(text)) {
        return "it contains a character that the library file (Windows-1252) cannot store";
    }
    return std::nullopt;
}

namespace {

// Appends the record's line to out; false, with out in some unfinished
// state, when a field could not be read back.
bool appendRecordLine(std::string& out, const std::array<std::string_view, fieldsPerRecord>& fields,
                      TextEncoding encoding) {
    for (int f = 0; f < fieldsPerRecord; ++f) {
        const std::string_view field = fields[f];
        out += f == 0 ? "\"" : ",\"";
        const std::size_t start = out.size();
        if (encoding == TextEncoding::windows1252) {
            const auto encoded = utf8ToCp1252(field);
            if (!encoded) {
                return false;
            }
            out += *encoded;
        } else {
            out += field;
        }
        const std::string_view written = std::string_view(out).substr(start);
        if (written.find('"') != std::string_view::npos ||
            std::any_of(written.begin(), written.end(), isControl)) {
            return false;
        }
        out += '"';
    }
    out += "\r\n";
    return true;
}

} // namespace

std::optional<std::string> recordLine(const FONTREC& record, TextEncoding encoding) {
    std::string line;
    if (!appendRecordLine(line,
                          {record.CHAR, record.HEX[0], record.HEX[1], record.HEX[2], record.HEX[3],
                           record.HEX[4]},
                          encoding)) {
        return std::nullopt;
    }
    return line;
}

std::optional<std::string> libraryBytes(const FontTable& table, TextEncoding encoding) {
    std::string bytes;
    bytes.reserve(table.size() * 40 + utf8Mark.size());
    if (encoding == TextEncoding::utf8WithMark) {
        bytes += utf8Mark;
    }
    for (std::size_t k = 0; k < table.size(); ++k) {
        if (!appendRecordLine(bytes, table.fields(k), encoding)) {
            return std::nullopt;
        }
    }
    return bytes;
}

std::string listLine(const FONTREC& record) {
    return record.CHAR + "    =  " + record.HEX[0] + ",  " + record.HEX[1] + ",  " + record.HEX[2] +
           ",   " + record.HEX[3] + ",  " + record.HEX[4];
}

std::optional<std::size_t> findRecord(const FontTable& table, std::string_view ch) {
    for (std::size_t k = 0; k < table.size(); ++k) {
        if (table.character(k) == ch) {
            return k;
        }
    }
    return std::nullopt;
}

FONTREC GETFONT(const FontTable& table, std::string_view ch) {
    const auto index = findRecord(table, ch);
    return index ? table[*index] : FONTREC{};
}

} // namespace vorlix
