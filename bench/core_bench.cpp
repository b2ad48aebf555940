// The core on the largest libraries a user may have: every character of the
// Basic Multilingual Plane (65,536 records), and a million records.

#include "generated_library.h"

#include "common/utf8.h"
#include "library/library_format.h"
#include "library/library_store.h"
#include "library/preview.h"
#include "table/font_table.h"
#include "table/make_table.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <random>

namespace vorlix {
namespace {

const std::string& planeFile() {
    static const std::string bytes = utf8File(planeLibrary());
    return bytes;
}

void BM_ParsePlaneLibrary(benchmark::State& state) {
    const std::string& bytes = planeFile();
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseLibrary(bytes));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_ParsePlaneLibrary)->Unit(benchmark::kMillisecond);

void BM_WritePlaneLibrary(benchmark::State& state) {
    const FontTable table = planeLibrary();
    for (auto _ : state) {
        benchmark::DoNotOptimize(libraryBytes(table, TextEncoding::utf8WithMark));
    }
}
BENCHMARK(BM_WritePlaneLibrary)->Unit(benchmark::kMillisecond);

// A font of 65,536 glyphs imported: into a library holding one glyph, and
// over a library holding all of them with other columns (every one
// replaced, the old file kept as a backup).
void BM_ImportPlaneFont(benchmark::State& state) {
    const bool replacing = state.range(0) != 0;
    const FontTable font = planeLibrary();
    FontTable older;
    for (const FONTREC& record : font) {
        older.push_back({record.CHAR, {"&H1", "&H2", "&H3", "&H4", "&H5"}});
    }
    const std::string before = replacing ? utf8File(older) : utf8File({font[0]});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FONTSDAT.txt"));
    for (auto _ : state) {
        state.PauseTiming();
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
            QFile::remove(dir.filePath(name));
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(before.data(), static_cast<qint64>(before.size())) !=
                static_cast<qint64>(before.size())) {
            state.SkipWithError("cannot write the library");
            return;
        }
        file.close();
        state.ResumeTiming();
        const LibraryWrite merged = mergeGlyphs(path, font, {.replaceExisting = replacing});
        if (!merged.error.isEmpty() || merged.added + merged.replaced < 65535) {
            state.SkipWithError("the import failed");
            return;
        }
    }
}
BENCHMARK(BM_ImportPlaneFont)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A message of 100,000 characters of the plane, a tenth of them missing.
void BM_MakeTableLongMessage(benchmark::State& state) {
    const FontTable table = planeLibrary();
    std::mt19937 random(3);
    std::u32string message;
    for (int i = 0; i < 100000; ++i) {
        message += random() % 10 == 0 ? U'\U0001F600' : char32_t(0x20 + random() % 0xD000);
    }
    const std::string text = toUtf8(message);
    for (auto _ : state) {
        benchmark::DoNotOptimize(MAKETABLE(text, "0x", true, table));
    }
}
BENCHMARK(BM_MakeTableLongMessage)->Unit(benchmark::kMillisecond);

// The window's 42 characters against a million records, most of them missing.
void BM_MakeTableMillion(benchmark::State& state) {
    const FontTable table = generatedLibrary(1000000);
    const std::string message = "HELLO world, THIS is A 42 CHARACTER TEST!!";
    for (auto _ : state) {
        benchmark::DoNotOptimize(MAKETABLE(message, "0x", true, table));
    }
}
BENCHMARK(BM_MakeTableMillion)->Unit(benchmark::kMillisecond);

// The font table of every character of the plane, 65,536 entries, as C;
// without and with the widths table.
void BM_FontTablePlane(benchmark::State& state) {
    const FontTable table = planeLibrary();
    FontRequest font;
    font.characters = codePointSpan(std::vector<char32_t>{0, 0xFFFF});
    font.widths = state.range(0) != 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fontTable(FirmwareFormat::c, FirmwareRequest{}, font, table));
    }
}
BENCHMARK(BM_FontTablePlane)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Preview(benchmark::State& state) {
    const FONTREC record{"A", {"&H7E", "&H11", "&H11", "&H11", "&H7E"}};
    for (auto _ : state) {
        benchmark::DoNotOptimize(previewGlyph(record, {}));
    }
}
BENCHMARK(BM_Preview)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorlix
