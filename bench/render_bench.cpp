// The spin preview's drawing: a frame of a 200-character message at 490x490,
// as the window draws 60 times a second, and the ring's layout, made again
// when the message, an option or the size changes.

#include "generated_library.h"

#include "render/render.h"
#include "table/stick_columns.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <numbers>
#include <random>

namespace vorlix {
namespace {

std::vector<ColumnDots> longMessage() {
    std::mt19937 random(5);
    std::string message;
    for (int i = 0; i < 200; ++i) {
        message += static_cast<char>('A' + random() % 26);
    }
    return stickColumns(message, true, generatedLibrary(26), {});
}

// 1,500 rpm with the text round the whole circle; the window's afterglow.
Spin spinOf(const std::vector<ColumnDots>& columns) {
    const double count = static_cast<double>(columns.size());
    return {.columnAngle = 2 * std::numbers::pi / count, .columnSeconds = 60.0 / 1500 / count};
}

void BM_SpinFrame(benchmark::State& state) {
    const auto columns = longMessage();
    const SpinningStick stick(columns, spinOf(columns), 490);
    double seconds = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(stick.frame(seconds));
        seconds += 1.0 / 60;
    }
}
BENCHMARK(BM_SpinFrame)->Unit(benchmark::kMicrosecond);

void BM_SpinLayout(benchmark::State& state) {
    const auto columns = longMessage();
    for (auto _ : state) {
        benchmark::DoNotOptimize(SpinningStick(columns, spinOf(columns), 490));
    }
}
BENCHMARK(BM_SpinLayout)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vorlix

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
