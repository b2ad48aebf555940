// vorlix-table as a build runs it: a message of 100,000 characters against
// every character of the Basic Multilingual Plane, start to exit.

#include "generated_library.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <random>

namespace vorlix {
namespace {

void BM_CliLongMessage(benchmark::State& state) {
    QTemporaryDir dir;
    const QString library = dir.filePath(QStringLiteral("FONTSDAT.txt"));
    QFile file(library);
    file.open(QIODevice::WriteOnly);
    const std::string bytes = utf8File(planeLibrary());
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();
    // ASCII, so that the one argument stays within the kernel's limit.
    std::mt19937 random(4);
    QString message;
    for (int i = 0; i < 100000; ++i) {
        message += QChar(static_cast<char16_t>(0x20 + random() % 0x5F));
    }
    const QString output = dir.filePath(QStringLiteral("table.inc"));
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(VORLIX_TABLE), {"-l", library, "-o", output, "--", message});
        process.waitForFinished(-1);
        if (process.exitCode() != 0) {
            state.SkipWithError("vorlix-table failed");
        }
    }
}
BENCHMARK(BM_CliLongMessage)->Unit(benchmark::kMillisecond)->UseRealTime();

// A font table of every character of the plane, 65,536 entries, as C.
void BM_CliPlaneFont(benchmark::State& state) {
    QTemporaryDir dir;
    const QString library = dir.filePath(QStringLiteral("FONTSDAT.txt"));
    QFile file(library);
    file.open(QIODevice::WriteOnly);
    const std::string bytes = utf8File(planeLibrary());
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();
    const QString output = dir.filePath(QStringLiteral("font.h"));
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(VORLIX_TABLE), {"-l", library, "-o", output, "--font",
                                                     "--chars", "0-65535", "-f", "c", "--widths"});
        process.waitForFinished(-1);
        if (process.exitCode() != 0) {
            state.SkipWithError("vorlix-table failed");
        }
    }
}
BENCHMARK(BM_CliPlaneFont)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace vorlix
