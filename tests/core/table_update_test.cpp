// A firmware's table read into an empty library and updated from it comes
// back byte for byte; a changed glyph changes its own lines only; what the
// reader takes from hand-written sources; and an update that fails leaves
// the file as it was.

#include "common/utf8.h"
#include "editor/column_text.h"
#include "table/firmware_file.h"
#include "table/font_table.h"
#include "table/table_reader.h"
#include "table/table_update.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sys/stat.h>

namespace vorlix {
namespace {

std::string contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
}

std::string dataFile(const char* name) {
    return contents(QStringLiteral(VORLIX_TEST_DATA "/") + name);
}

void put(const QString& path, const std::string& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

FONTREC randomRecord(char32_t character, std::mt19937& random) {
    FONTREC record{toUtf8(std::u32string(1, character)), {}};
    for (std::string& column : record.HEX) {
        column = random() % 6 == 0 ? "&HFF" : hexText(random() % 256); // some dark columns
    }
    return record;
}

// What --read-table leaves in an empty library: the records it can store.
FontTable storable(const FontTable& read) {
    FontTable kept;
    for (const FONTREC& record : read) {
        if (!fieldProblem(record.CHAR, TextEncoding::utf8WithMark)) {
            kept.push_back(record);
        }
    }
    return kept;
}

TableUpdateRequest asked(std::string label, std::u32string characters = {}, bool blank = false,
                         BitOptions options = {}, bool reverse = false) {
    TableUpdateRequest request;
    request.label = std::move(label);
    request.characters = std::move(characters);
    request.blank = blank;
    request.options = options;
    request.reverse = reverse;
    return request;
}

int lineOf(std::string_view text, std::size_t at) {
    return static_cast<int>(std::count(text.begin(), text.begin() + at, '\n')) + 1;
}

std::set<int> changedLines(const std::string& a, const std::string& b) {
    const QStringList before = QString::fromStdString(a).split(QLatin1Char('\n'));
    const QStringList after = QString::fromStdString(b).split(QLatin1Char('\n'));
    std::set<int> lines;
    for (qsizetype k = 0; k < std::max(before.size(), after.size()); ++k) {
        if (before.value(k) != after.value(k)) {
            lines.insert(static_cast<int>(k) + 1);
        }
    }
    return lines;
}

// Every form, every option, fonts (flat or not, with NAME_width and
// NAME_index beside them) and messages, over generated libraries: read,
// each glyph is its own; updated from what was read, the text is
// unchanged; one glyph changed changes only the lines of its numbers (and
// of its width), and reads back as changed.
TEST(TableUpdate, GivesBackWhatItReadAndChangesOnlyAChangedGlyph) {
    std::mt19937 random(25);
    // 13 characters: an AVR font and its widths end in a pad byte.
    const std::u32string pool = U"ZAB{}*/'\\\"\u00E9\u20AC!";
    for (const FirmwareFormat format :
         {FirmwareFormat::dt, FirmwareFormat::retlw, FirmwareFormat::avr, FirmwareFormat::gas,
          FirmwareFormat::c, FirmwareFormat::arduino}) {
        for (int setting = 0; setting < 32; ++setting) {
            FontTable generated;
            for (const char32_t c : pool) {
                if (random() % 5 != 0) { // some characters lacked
                    generated.push_back(randomRecord(c, random));
                }
            }
            FirmwareRequest request;
            request.options = {(setting & 1) != 0, (setting & 2) != 0};
            request.blank = (setting & 4) != 0;
            request.reverse = (setting & 8) != 0;
            const bool font = (setting & 16) != 0;
            std::u32string message; // the window's dt table cannot be read with a character lacked
            while (message.size() < 9) {
                const char32_t c = pool[random() % pool.size()];
                if (format != FirmwareFormat::dt ||
                    !GETFONT(generated, toUtf8({&c, 1})).CHAR.empty()) {
                    message += c;
                }
            }
            request.message = toUtf8(message);
            std::string text;
            if (font) {
                request.label = "font";
                // Flat with inverted bits: each layout with half the settings.
                const FontRequest characters{pool, true, std::nullopt, true,
                                             request.options.invert};
                text = fontTable(format, request, characters, generated).text;
            } else {
                text = firmwareTable(format, request, generated);
                const bool pic = format == FirmwareFormat::dt || format == FirmwareFormat::retlw;
                request.label = pic ? "" : request.label; // no label line
            }
            const TableBytes bytes = readTableBytes(text, std::nullopt, request.label);
            // The window's dt table names no character: the message is given, as it stands.
            std::u32string given = bytes.names.empty() ? message : U"";
            if (request.reverse) {
                std::ranges::reverse(given);
            }
            const std::string context = std::to_string(static_cast<int>(format)) + " " +
                                        std::to_string(setting) + "\n" + text;
            const TableGlyphs read =
                glyphsOfTable(bytes, given, request.blank, request.options, request.reverse);
            ASSERT_EQ(read.error, "") << context;
            // Each its own glyph, never its mirror partner's.
            for (const FONTREC& record : read.records) {
                const FONTREC written = GETFONT(generated, record.CHAR);
                EXPECT_TRUE(written.CHAR.empty() || record == written) << record.CHAR << context;
            }
            FontTable library = storable(read.records);
            const TableUpdateRequest update =
                asked(request.label, given, request.blank, request.options, request.reverse);
            const TableUpdate same = updateTable(text, update, library);
            ASSERT_FALSE(same.damage) << same.damage->what << "\n" << context;
            EXPECT_EQ(same.text, text) << context;
            EXPECT_TRUE(same.changed.empty()) << context;

            // One glyph changed: the lines of its numbers and its width, no others.
            const std::size_t k = random() % library.size();
            const char32_t character = toCodePoints(library.character(k)).front();
            library.set(k, randomRecord(character, random));
            const TableUpdate one = updateTable(text, update, library);
            ASSERT_FALSE(one.damage) << context;
            const TableShape shape = tableShape(bytes, given, request.blank);
            std::set<int> allowed;
            for (std::size_t g = 0; g < shape.characters.size(); ++g) {
                for (std::size_t c = 0; c < shape.per && shape.characters[g] == character; ++c) {
                    allowed.insert(lineOf(text, bytes.numbers[g * shape.per + c].at));
                }
            }
            if (font) {
                const TableBytes widths = readTableBytes(text, std::nullopt, "font_width");
                allowed.insert(lineOf(text, widths.numbers[pool.find(character)].at));
            }
            const std::set<int> lines = changedLines(text, one.text);
            EXPECT_TRUE(std::ranges::includes(allowed, lines)) << context << one.text;
            EXPECT_EQ(one.changed.empty(), lines.empty()) << context;
            const TableGlyphs again =
                glyphsOfTable(readTableBytes(one.text, std::nullopt, request.label), given,
                              request.blank, request.options, request.reverse);
            for (const FONTREC& record : again.records) {
                EXPECT_EQ(record, GETFONT(library, record.CHAR).CHAR.empty()
                                      ? GETFONT(read.records, record.CHAR)
                                      : GETFONT(library, record.CHAR))
                    << context << one.text;
            }
        }
    }
}

// Hand-written sources: a namespace and extern "C" around the font, an
// array in a function, byte-order marks, braces in comments, 0b numbers one
// to a line, glyphs named in comments or not. Each reads by its comments'
// names where it has them, and updates to itself.
TEST(TableUpdate, ReadsAndKeepsHandWrittenSources) {
    struct Source {
        const char* file;
        const char* label;
        std::u32string given; // where the comments name no glyph
        std::string first;    // the first glyph read, as the library would hold it
    };
    for (const Source& source :
         {Source{"clock_face.ino", "data", U"", "\"0\",\"&H3E\",\"&H51\",\"&H49\",\"&H45\""},
          {"clock_face.ino", "marks", U":", "\":\",\"&H7E\",\"&H81\",\"&H81\",\"&H81\",\"&H7E\""},
          {"banner.inc", "banner", U"", "\"A\",\"&H7E\",\"&H9\",\"&H9\",\"&H9\",\"&H7E\""},
          {"avr_font.asm", "font", U"", "\"A\",\"&H7E\",\"&H9\",\"&H9\",\"&H9\",\"&H7E\""},
          {"pic_clock.asm", "digits", U"", "\"A\",\"&H7E\",\"&H9\",\"&H9\",\"&H9\",\"&H7E\""},
          {"pic_clock.asm", "decimal", U"AB", "\"A\",\"&H7E\",\"&H9\",\"&H9\",\"&H9\",\"&H7E\""},
          {"sketch.ino", "font", U"", "\"A\",\"&H7E\",\"&H9\",\"&H9\",\"&H9\",\"&H7E\""}}) {
        const std::string text = dataFile(source.file);
        const TableBytes bytes = readTableBytes(text, std::nullopt, source.label);
        const TableGlyphs glyphs = glyphsOfTable(bytes, source.given, false, {}, false);
        ASSERT_EQ(glyphs.error, "") << source.file << " " << source.label;
        EXPECT_TRUE(libraryBytes(glyphs.records)->starts_with(source.first)) << source.file;
        const TableUpdate update =
            updateTable(text, asked(source.label, source.given), glyphs.records);
        EXPECT_EQ(update.text, text) << source.file;
    }
    // Without a label, the two arrays lie apart; given, the characters must
    // be the ones the comments name.
    EXPECT_NE(readTableBytes(dataFile("clock_face.ino"), std::nullopt, "").damage, std::nullopt);
    EXPECT_EQ(glyphsOfTable(readTableBytes(dataFile("banner.inc"), std::nullopt, "banner"), U"A[C",
                            false, {}, false)
                  .error,
              "glyph 2 is '{' (U+007B) by the table's comments, but '[' (U+005B) was given for it "
              "(a message written with --reverse stands backwards in the file)");
}

// New values take each number's own form: its base, case and width, a 0
// where hex must start with a digit, the AVR pad byte and the blank column
// left as they are.
TEST(TableUpdate, WritesEachNumberInItsOwnForm) {
    const FontTable library{{"A", {"&HA0", "&HB", "&H9", "&H1", "&HC0"}},
                            {"{", {"&HFE", "&HA0", "&H5", "&H0", "&HB1"}},
                            {"B", {"&HA0", "&HB", "&H9", "&H1", "&HC0"}}};
    const TableUpdate banner = updateTable(dataFile("banner.inc"), asked("banner"), library);
    EXPECT_EQ(banner.text.substr(banner.text.find("        dt ")),
              "        dt      0A0h, 0B, 9, 0x01, 0C0      ; 'A'\r\n"
              "        DT      H'FE', 0A0h, .5, b'00000000', 0B1   ; '{' (a wide one)\r\n"
              "        dt      h'3e', 41, 41, 41, 22       ; 'C'\r\n"
              "end_of  return\r\n");
    EXPECT_EQ(banner.changed, (std::vector<char32_t>{U'A', U'{'}));
    // As gpasm reads them: 0B and 0B1 are hex in a dt line.
    const FontTable reread =
        glyphsOfTable(readTableBytes(banner.text, std::nullopt, "banner"), U"", false, {}, false)
            .records;
    ASSERT_EQ(reread.size(), 3u);
    EXPECT_EQ(reread[0], library[0]);
    EXPECT_EQ(reread[1], library[1]);
    EXPECT_EQ(banner.lacked, std::vector<char32_t>{U'C'});
    const std::string avr = dataFile("avr_font.asm");
    const TableUpdate blank = updateTable(avr, asked("font", U"AB"), library);
    EXPECT_NE(
        blank.text.find("font:   .db     $A0, 0b00001011, 9, 0x01, 0xC0, $A0  ; 'A', then 'B'\n"
                        "        .DB     0x0B, 9, $01, 0xC0 "),
        std::string::npos)
        << blank.text;
    EXPECT_EQ(
        updateTable("t: .db 1, 2, 3, 4, 5, 0 ; 'A', then a pad byte\n", asked("t"), library).text,
        "t: .db 160, 11, 9, 1, 192, 0 ; 'A', then a pad byte\n");
    // Mirrored with a blank column, which comes first and stays.
    EXPECT_EQ(updateTable("const char t[] = {0x6, 0xa, 0xb, 0x0c, 0X0D, 0xeU}; // 'B'",
                          asked("t", U"B", true, {}, true), library)
                  .text,
              "const char t[] = {0x6, 0xc0, 0x1, 0x09, 0X0B, 0xa0U}; // 'B'");
}

// A count that does not divide is refused with a likely width (one that
// does not match the characters, in the command line's cases); --strict
// refuses a lacked character, --missing fills it; a proportional font
// keeps each glyph's width.
TEST(TableUpdate, RefusesWhatItCannotKeepTheSizeOf) {
    const FontTable library{{"A", {"&H1", "&H2", "&H3", "&H4", "&H5"}}};
    const std::string wide = "char f[] = {" + QByteArray("1,").repeated(104).toStdString() + "};";
    const auto error = [&](std::string_view text, const TableUpdateRequest& request) {
        const TableUpdate update = updateTable(text, request, library);
        return update.damage ? update.damage->what : "no damage: " + update.text;
    };
    EXPECT_EQ(error(wide, asked("f", U"A")),
              "104 bytes do not make glyphs of 5 columns (4 left over): 13 glyphs of 8 columns?");
    const std::string two = "t: .db 1, 2, 3, 4, 5, 6, 7, 8, 9, 10\n";
    TableUpdateRequest strict = asked("t", U"AZ");
    strict.strict = true;
    EXPECT_EQ(error(two, strict), "the library lacks some of the table's characters");
    strict.strict = false;
    strict.missing = U'A';
    const TableUpdate filled = updateTable(two, strict, library);
    EXPECT_EQ(filled.text, "t: .db 1, 2, 3, 4, 5, 1, 2, 3, 4, 5\n");
    EXPECT_TRUE(filled.filled);
    EXPECT_EQ(filled.lacked, std::vector<char32_t>{U'Z'});
    // A proportional font: a glyph of the same width is rewritten in place,
    // one of another width refused, as is a font without its widths.
    FirmwareRequest proportional;
    proportional.label = "p";
    proportional.proportional = true;
    proportional.reverse = true;
    const FontTable narrow{{"A", {"&HFF", "&H1", "&H2", "&H3", "&HFF"}}, library[0]};
    const std::string font =
        fontTable(FirmwareFormat::c, proportional, {U"AB", true, std::nullopt, true}, narrow).text;
    TableUpdateRequest mirrored = asked("p", U"", false, {}, true);
    EXPECT_EQ(updateTable(font, mirrored, narrow).text, font);
    const std::string changed =
        updateTable(font, mirrored, {{"A", {"&H4", "&H5", "&H6", "&HFF", "&HFF"}}}).text;
    EXPECT_EQ(changedLines(font, changed).size(), 1u);
    EXPECT_NE(changed.find("    0x06, 0x05, 0x04, /* 'A' */\n"), std::string::npos) << changed;
    EXPECT_EQ(
        updateTable(font, mirrored, {{"A", {"&H4", "&H5", "&H6", "&H7", "&HFF"}}}).damage->what,
        "'A' (U+0041) is 4 columns wide in the library but 3 in p, a proportional font "
        "whose size the firmware fixed; write it anew with --font --proportional --widths");
    const std::string bare =
        fontTable(FirmwareFormat::c, proportional, {U"AB", false, std::nullopt, false}, narrow)
            .text;
    EXPECT_NE(error(bare, mirrored).find("without p_width its glyphs' widths are not known"),
              std::string::npos);
}

// The diff is the one diff -u makes of the two files.
TEST(TableUpdate, DiffsAsDiffDoes) {
    if (QStandardPaths::findExecutable(QStringLiteral("diff")).isEmpty()) {
        GTEST_SKIP() << "diff is not installed";
    }
    std::string before;
    for (int k = 1; k <= 30; ++k) {
        before += "line " + std::to_string(k) + (k % 7 == 0 ? "\r\n" : "\n");
    }
    before += "last";
    for (const std::set<int>& changed :
         {std::set<int>{1}, {4, 12}, {5, 13}, {1, 2, 3, 20, 31}, {31}, {8, 9, 10, 28}}) {
        std::string after;
        int line = 1;
        for (const char c : before) {
            after += c == 'l' && changed.contains(line) ? 'L' : c;
            line += c == '\n';
        }
        QTemporaryDir dir;
        put(dir.filePath("a"), before);
        put(dir.filePath("b"), after);
        QProcess diff;
        diff.setWorkingDirectory(dir.path());
        diff.start(QStringLiteral("diff"),
                   {"-u", "--label", "a/f.c", "--label", "b/f.c", "a", "b"});
        ASSERT_TRUE(diff.waitForFinished(30000));
        EXPECT_EQ(lineDiff(before, after, "f.c"), diff.readAllStandardOutput().toStdString());
    }
}

// Each failure leaves the file byte-identical: a read-only file, a file
// changed between read and write, a size that does not match, a FIFO; an
// update that changes nothing writes nothing.
TEST(TableUpdate, LeavesTheFileAsItWasWhenItFails) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("font.c"));
    const std::string text =
        "/* the font */\nconst unsigned char f[] = {1, 2, 3, 4, 5 /* 'A' */};\n";
    const FontTable library{{"A", {"&H9", "&H2", "&H3", "&H4", "&H5"}}};
    const TableUpdateRequest request = asked("f");
    put(path, text);
    ::chmod(QFile::encodeName(path).constData(), 0444);
    FirmwareFileUpdate update = updateFirmwareFile(path, request, library, true);
    EXPECT_EQ(update.result, FirmwareFileUpdate::Result::failed);
    EXPECT_EQ(contents(path), text);
    ::chmod(QFile::encodeName(path).constData(), 0640);
    update = updateFirmwareFile(path, request, library, true, [&] {
        put(path, text + "// an editor saved meanwhile\n");
        return QString();
    });
    EXPECT_EQ(update.result, FirmwareFileUpdate::Result::failed);
    EXPECT_NE(update.error.indexOf(QStringLiteral("changed while")), -1);
    EXPECT_EQ(contents(path), text + "// an editor saved meanwhile\n");
    put(path, text);
    update = updateFirmwareFile(path, asked("f", U"AB"), library, true);
    EXPECT_EQ(update.result, FirmwareFileUpdate::Result::refused);
    EXPECT_EQ(contents(path), text);
    update = updateFirmwareFile(path, request, library, true);
    EXPECT_EQ(update.result, FirmwareFileUpdate::Result::written);
    EXPECT_EQ(contents(path),
              "/* the font */\nconst unsigned char f[] = {9, 2, 3, 4, 5 /* 'A' */};\n");
    struct stat written {};
    ::stat(QFile::encodeName(path).constData(), &written);
    EXPECT_EQ(written.st_mode & 0777, 0640u);
    EXPECT_EQ(updateFirmwareFile(path, request, library, true).result,
              FirmwareFileUpdate::Result::unchanged);
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    update = updateFirmwareFile(fifo, request, library, true); // would wait for a writer if read
    EXPECT_EQ(update.result, FirmwareFileUpdate::Result::failed);
    EXPECT_NE(update.error.indexOf(QStringLiteral("not a regular file")), -1);
}

} // namespace
} // namespace vorlix
