// The window's library work as a user meets it, on every character of the
// Basic Multilingual Plane (65,536 records): start-up with its load and list,
// an append and a replace with their reloads, and a list pick with its
// preview; and start-up on a million records. Reading the file's bytes is
// the yardstick.

#include "generated_library.h"

#include "library/library_format.h"
#include "library/library_store.h"
#include "ui/form1.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>

namespace vorlix {
namespace {

constexpr int records = 65536;

class Library {
public:
    explicit Library(const std::string& bytes = utf8File(planeLibrary())) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    QTemporaryDir dir;
    QString path = libraryPathBeside(dir.path());
};

std::unique_ptr<Form1> openWindow(const QString& path) {
    return std::make_unique<Form1>(
        path, [](QWidget*, const MessageBoxRequest&) { return QMessageBox::Yes; });
}

void save(Form1& form, const QString& ch) {
    form.findChild<QLineEdit*>(QStringLiteral("txtABC"))->setText(ch);
    form.findChild<QPushButton*>(QStringLiteral("cmdSAVE"))->click();
}

void BM_ReadFileBytes(benchmark::State& state) {
    Library library;
    for (auto _ : state) {
        QFile file(library.path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond);

void BM_StartUp(benchmark::State& state) {
    Library library;
    for (auto _ : state) {
        benchmark::DoNotOptimize(openWindow(library.path));
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

void BM_StartUpMillion(benchmark::State& state) {
    Library library(*libraryBytes(generatedLibrary(1000000)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(openWindow(library.path));
    }
}
BENCHMARK(BM_StartUpMillion)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_AppendSave(benchmark::State& state) {
    Library library;
    const auto form = openWindow(library.path);
    int n = 0;
    for (auto _ : state) {
        save(*form, QStringLiteral("new%1").arg(n++));
    }
}
BENCHMARK(BM_AppendSave)->Unit(benchmark::kMillisecond);

void BM_ReplaceSave(benchmark::State& state) {
    Library library;
    const auto form = openWindow(library.path);
    for (auto _ : state) {
        save(*form, QStringLiteral("\u4E2D"));
    }
}
BENCHMARK(BM_ReplaceSave)->Unit(benchmark::kMillisecond);

void BM_ListPick(benchmark::State& state) {
    Library library;
    const auto form = openWindow(library.path);
    auto* list = form->findChild<QListView*>(QStringLiteral("lstFONTS"));
    int row = 0;
    for (auto _ : state) {
        list->setCurrentIndex(list->model()->index(row, 0)); // selects it, as a click does
        row = (row + 7919) % records;
    }
}
BENCHMARK(BM_ListPick)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorlix

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
