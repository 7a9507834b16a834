// Loading a settings file: one of 8,000 values (far more than the program
// writes), and one of 50 MB, as a user's hand or another tool could make.
#include "HiveFile.h"
#include "RegistryHive.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A hive file of values "Valor <n> - Cor " = six hex digits in the settings
// key, with a long text every tenth value, until it has `values` values or
// `bytes` bytes.
QString hiveFile(const QTemporaryDir& dir, qsizetype values, qsizetype bytes) {
  QByteArray text = "REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Corvanta\\MiniVocabra]\n";
  for (qsizetype n = 0; n < values || text.size() < bytes; ++n) {
    text += "\"Valor " + QByteArray::number(n) + " - Cor \"=\"";
    text += n % 10 == 0 ? QByteArray(120, 'x') : QByteArray::number(n % 0xFFFFFF, 16).rightJustified(6, '0');
    text += "\"\n";
  }
  const QString path = dir.path() + QStringLiteral("/HKEY_CURRENT_USER.reg");
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(text);
  return path;
}

void load(benchmark::State& state, qsizetype values, qsizetype bytes) {
  const QTemporaryDir dir;
  const QString path = hiveFile(dir, values, bytes);
  for (auto _ : state) {
    reg::HiveFile file(path, "HKEY_CURRENT_USER", [&state](const QString&) { state.SkipWithError("not read"); });
    benchmark::DoNotOptimize(file.load());
  }
  state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}

void BM_LoadHive8000Values(benchmark::State& state) { load(state, 8000, 0); }
void BM_LoadHive50MB(benchmark::State& state) { load(state, 0, 50 << 20); }

BENCHMARK(BM_LoadHive8000Values)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadHive50MB)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
