// The core on a library of 32,766 records, the most the original save
// search could address.

#include "generated_library.h"

#include "library/library_format.h"
#include "library/preview.h"
#include "table/make_table.h"

#include <benchmark/benchmark.h>

namespace vorlix {
namespace {

constexpr int records = 32766;

const std::string& libraryFile() {
    static const std::string bytes = *libraryBytes(generatedLibrary(records));
    return bytes;
}

void BM_ParseLibrary(benchmark::State& state) {
    const std::string& bytes = libraryFile();
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseLibrary(bytes));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_ParseLibrary)->Unit(benchmark::kMillisecond);

void BM_WriteLibrary(benchmark::State& state) {
    const FontTable table = generatedLibrary(records);
    for (auto _ : state) {
        benchmark::DoNotOptimize(libraryBytes(table));
    }
}
BENCHMARK(BM_WriteLibrary)->Unit(benchmark::kMillisecond);

// 42 characters, most of them missing, so nearly every lookup scans the
// whole table.
void BM_MakeTable(benchmark::State& state) {
    const FontTable table = generatedLibrary(records);
    const std::string message = "HELLO world, THIS is A 42 CHARACTER TEST!!";
    for (auto _ : state) {
        benchmark::DoNotOptimize(MAKETABLE(message, "0x", true, table));
    }
}
BENCHMARK(BM_MakeTable)->Unit(benchmark::kMillisecond);

void BM_Preview(benchmark::State& state) {
    const FONTREC record{"A", {"&H7E", "&H11", "&H11", "&H11", "&H7E"}};
    for (auto _ : state) {
        benchmark::DoNotOptimize(previewGlyph(record, {}));
    }
}
BENCHMARK(BM_Preview)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorlix
