// Speed of the dictionary component on a large data folder, named by the
// environment variable MINIVOCABRA_BENCH_DATA (dictionary_bench.sh makes one
// of 145,000 entries). Prints the folder's size and the resident memory
// after opening it, then runs the benchmarks.

#include "DLLMiniVocabraDB.h"
#include "TabelaChaves.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <memory>
#include <random>
#include <vector>

namespace {

QString pastaDados() { return qEnvironmentVariable("MINIVOCABRA_BENCH_DATA"); }

long residenteKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& linha : status.readAll().split('\n')) {
    if (linha.startsWith("VmRSS:")) return linha.mid(6).trimmed().split(' ').value(0).toLong();
  }
  return -1;
}

qint64 tamanhoDaPasta(const QString& pasta) {
  qint64 total = 0;
  QDirIterator it(pasta, QDir::Files);
  while (it.hasNext()) total += QFileInfo(it.next()).size();
  return total;
}

// The shared component, opened once, and query words picked from its text
// index: terms found in about `alvo` entries each.
struct Ambiente {
  std::unique_ptr<DLLMiniVocabraDB> db;
  std::int32_t total = 0;
  QStringList termos;   // in 1,500 to 3,000 entries each
  QStringList comuns;   // in 20,000 to 60,000 entries each
};

Ambiente& ambiente() {
  static Ambiente a;
  return a;
}

QStringList termosComFrequencia(const QString& pasta, int minimo, int maximo, int quantos) {
  QStringList termos;
  sqlite3* db = nullptr;
  const QByteArray arquivo = (pasta + QStringLiteral("/minivocabra.db")).toUtf8();
  if (sqlite3_open_v2(arquivo.constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
      sqlite3_exec(db, "CREATE VIRTUAL TABLE temp.vocab USING fts5vocab(main, texto, 'row')", nullptr, nullptr, nullptr) == SQLITE_OK) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT term, doc FROM temp.vocab WHERE doc BETWEEN ? AND ? AND length(term) > 4", -1, &st, nullptr);
    sqlite3_bind_int(st, 1, minimo);
    sqlite3_bind_int(st, 2, maximo);
    while (sqlite3_step(st) == SQLITE_ROW && termos.size() < quantos) {
      termos.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))) + u'/' +
                    QString::number(sqlite3_column_int(st, 1)));
    }
    sqlite3_finalize(st);
  }
  sqlite3_close(db);
  return termos;
}

void BM_AbreDados(benchmark::State& state) {
  for (auto _ : state) {
    DLLMiniVocabraDB db(pastaDados());
    benchmark::DoNotOptimize(db.AbreDados());
  }
}
BENCHMARK(BM_AbreDados)->Unit(benchmark::kMillisecond);

void BM_ObtemPosicaoPalavra(benchmark::State& state) {
  Ambiente& a = ambiente();
  QStringList textos;
  QString html;
  for (std::int32_t id = 0; id < a.total; id += a.total / 997) textos.append(a.db->ObtemVerbete(id, html, 0).left(5));
  qsizetype i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(a.db->ObtemPosicaoPalavra(textos[i++ % textos.size()]));
}
BENCHMARK(BM_ObtemPosicaoPalavra)->Unit(benchmark::kMicrosecond);

void BM_ObtemPagina300(benchmark::State& state) {
  Ambiente& a = ambiente();
  QString buffer;
  QString pagina;
  a.db->DefineTamanhoPagina(300);
  const std::int32_t base = a.db->ObtemPosicaoPalavra(QStringLiteral("c"));
  const std::int32_t quantos = a.db->PesquisaMascara(QStringLiteral("c*"), buffer, 1);
  std::int32_t inicio = base;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a.db->ObtemPagina(1, inicio, pagina));
    inicio = base + (inicio - base + 300) % (quantos - 300);
  }
}
BENCHMARK(BM_ObtemPagina300)->Unit(benchmark::kMicrosecond);

void BM_ObtemVerbete(benchmark::State& state) {
  Ambiente& a = ambiente();
  std::mt19937 sorte(7);
  std::vector<std::int32_t> ids(4096);
  for (auto& id : ids) id = std::uniform_int_distribution<std::int32_t>(0, a.total - 1)(sorte);
  QString html;
  std::size_t i = 0;
  for (auto _ : state) {
    const std::int32_t id = ids[i++ % ids.size()];
    benchmark::DoNotOptimize(a.db->ObtemVerbete(id, html, modMain::ChaveVerbete(id)));
  }
}
BENCHMARK(BM_ObtemVerbete)->Unit(benchmark::kMicrosecond);

void BM_PesquisaMascara(benchmark::State& state, const char* padrao) {
  Ambiente& a = ambiente();
  QString buffer;
  std::int32_t achados = 0;
  for (auto _ : state) achados = a.db->PesquisaMascara(QString::fromUtf8(padrao), buffer, 0);
  state.counters["found"] = achados;
}
BENCHMARK_CAPTURE(BM_PesquisaMascara, pre, "pre*")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PesquisaMascara, cao, "*ção")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PesquisaMascara, a_o, "a*o")->Unit(benchmark::kMillisecond);

void BM_PesquisaReversa(benchmark::State& state, int palavras, bool comuns) {
  Ambiente& a = ambiente();
  const QStringList& termos = comuns ? a.comuns : a.termos;
  QString consulta;
  if (palavras == 0) {
    consulta = QStringLiteral("*");
  } else {
    for (int i = 0; i < palavras && i < termos.size(); ++i) {
      consulta += (i == 0 ? QString() : QStringLiteral(" +")) + termos[i].section(u'/', 0, 0);
    }
  }
  QString buffer;
  std::int32_t inicio = 0;
  std::int32_t achados = 0;
  for (auto _ : state) achados = a.db->PesquisaReversa(consulta, buffer, 0, 0, inicio);
  state.counters["found"] = achados;
  state.SetLabel(consulta.toStdString());
}
BENCHMARK_CAPTURE(BM_PesquisaReversa, uma_palavra, 1, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PesquisaReversa, tres_palavras, 3, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PesquisaReversa, tudo, 0, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PesquisaReversa, uma_palavra_comum, 1, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PesquisaReversa, tres_palavras_comuns, 3, true)->Unit(benchmark::kMillisecond);

void BM_PesquisaReversaMascara(benchmark::State& state, const char* mascara) {
  Ambiente& a = ambiente();
  QString buffer;
  std::int32_t inicio = 0;
  std::int32_t achados = 0;
  for (auto _ : state) achados = a.db->PesquisaReversa(QString::fromUtf8(mascara), buffer, 0, 0, inicio);
  state.counters["found"] = achados;
}
BENCHMARK_CAPTURE(BM_PesquisaReversaMascara, pre, "pre*")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PesquisaReversaMascara, cao, "*ção")->Unit(benchmark::kMillisecond);

void BM_FiltroDuasClasses(benchmark::State& state) {
  Ambiente& a = ambiente();
  QString buffer;
  std::int32_t inicio = 0;
  for (auto _ : state) {
    state.PauseTiming();
    a.db->PesquisaReversa(QStringLiteral("*"), buffer, 0, 0, inicio);
    state.ResumeTiming();
    a.db->DefineFiltro(0, 0);
    a.db->DefineFiltro(3, 11 + 8);
    a.db->DefineFiltro(3, 1 + 8);
    a.db->DefineFiltro(1, 0);
    benchmark::DoNotOptimize(a.db->ObtemTotalResultados());
  }
  state.counters["kept"] = a.db->ObtemTotalResultados();
}
BENCHMARK(BM_FiltroDuasClasses)->Unit(benchmark::kMillisecond);

void BM_PesquisaFlexivel(benchmark::State& state) {
  Ambiente& a = ambiente();
  QString buffer;
  QString html;
  QStringList palavras;
  for (std::int32_t id = 0; id < a.total; id += a.total / 499) palavras.append(a.db->ObtemVerbete(id, html, 0));
  qsizetype i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(a.db->PesquisaFlexivel(palavras[i++ % palavras.size()], 0, buffer));
}
BENCHMARK(BM_PesquisaFlexivel)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  const QString pasta = pastaDados();
  if (pasta.isEmpty()) {
    std::fprintf(stderr, "dictionary_bench: set MINIVOCABRA_BENCH_DATA to a data folder (see dictionary_bench.sh)\n");
    return 2;
  }
  modMain::InicializaChaves();
  const long antes = residenteKb();
  Ambiente& a = ambiente();
  a.db = std::make_unique<DLLMiniVocabraDB>(pasta);
  if (!a.db->AbreDados()) {
    std::fprintf(stderr, "dictionary_bench: cannot open %s\n", pasta.toLocal8Bit().constData());
    return 1;
  }
  const long depois = residenteKb();
  QString buffer;
  a.total = a.db->PesquisaMascara(QStringLiteral("*"), buffer, 0);
  std::printf("data folder: %s, %d entries, %.1f MB\n", pasta.toLocal8Bit().constData(), a.total,
              static_cast<double>(tamanhoDaPasta(pasta)) / 1e6);
  std::printf("resident memory: %.1f MB before AbreDados, %.1f MB after\n", antes / 1024.0, depois / 1024.0);
  a.termos = termosComFrequencia(pasta, 1500, 3000, 3);
  a.comuns = termosComFrequencia(pasta, 20000, 60000, 3);
  std::printf("query words (word/entries): %s; common: %s\n", a.termos.join(u' ').toLocal8Bit().constData(),
              a.comuns.join(u' ').toLocal8Bit().constData());
  ::benchmark::Initialize(&argc, argv);
  ::benchmark::RunSpecifiedBenchmarks();
  std::printf("resident memory after the benchmarks: %.1f MB\n", residenteKb() / 1024.0);
  ::benchmark::Shutdown();
  return 0;
}
