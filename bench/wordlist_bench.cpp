// The word list against a scripted 145,000-entry alphabet: building a letter
// list up to its first repaint, one repaint of a full page, loading the
// largest letter completely, a search that fills the list with it, and a
// held scroll arrow.
#include "CList.h"
#include "FakeMiniVocabraDB.h"
#include "Fonts.h"
#include "PictureBox.h"
#include "VbTimer.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <ctime>
#include <map>
#include <memory>

namespace {

// Letter sizes of a Portuguese dictionary of 145,000 entries; "c" is the
// largest, with 18,000.
const std::map<char, int>& Letras() {
  static const std::map<char, int> letras = {
      {'a', 14000}, {'b', 5500}, {'c', 18000}, {'d', 10000}, {'e', 12500}, {'f', 6000}, {'g', 4500},
      {'h', 2500},  {'i', 8000}, {'j', 1200},  {'k', 300},   {'l', 4200},  {'m', 8500}, {'n', 2500},
      {'o', 2800},  {'p', 12500}, {'q', 700},  {'r', 8000},  {'s', 9000},  {'t', 7500}, {'u', 900},
      {'v', 4000},  {'w', 200},  {'x', 600},   {'y', 100},   {'z', 1000}};
  return letras;
}

std::shared_ptr<FakeMiniVocabraDB> Dicionario() {
  static const std::vector<QString> palavras = FakeMiniVocabraDB::Alfabeto(Letras());
  auto db = std::make_shared<FakeMiniVocabraDB>(palavras);
  db->registraChamadas = false;
  return db;
}

// A list on the main window's list surface (253 x 397).
struct Lista {
  Lista() {
    fundo.resize(253, 397);
    lista.Inicializa(fundo, db, nullptr);
    lista.Redimensiona();
  }
  std::shared_ptr<FakeMiniVocabraDB> db = Dicionario();
  PictureBox fundo;
  CList lista;
};

// Entry 9,000 of "c": base 19,500 + 9,000.
constexpr std::int32_t kMeioDoC = 28500;

void BM_ListaLetraAtePrimeiroRepaint(benchmark::State& state) {
  Lista l;
  for (auto _ : state) l.lista.ListaLetra(QStringLiteral("c"), kMeioDoC);
}
BENCHMARK(BM_ListaLetraAtePrimeiroRepaint)->Unit(benchmark::kMillisecond);

// Up to the repaint that shows the visible rows: the build and its first chunk.
void BM_ListaLetraAteLinhasVisiveis(benchmark::State& state) {
  Lista l;
  for (auto _ : state) {
    l.lista.ListaLetra(QStringLiteral("c"), kMeioDoC);
    l.lista.CarregaListaLetra();
  }
}
BENCHMARK(BM_ListaLetraAteLinhasVisiveis)->Unit(benchmark::kMillisecond);

void BM_RepaintPaginaCheia(benchmark::State& state) {
  Lista l;
  l.lista.ListaLetra(QStringLiteral("c"), kMeioDoC);
  while (l.lista.CarregaListaLetra()) {
  }
  for (auto _ : state) l.lista.Repaint();
  state.counters["linhas"] = l.lista.DeslocamentoVisivel() + 1;
}
BENCHMARK(BM_RepaintPaginaCheia)->Unit(benchmark::kMillisecond);

// The whole of "c" loaded as the 1 ms timer would, without the timer's
// waits: the work per letter and the number of ticks it takes.
void BM_CargaCompletaMaiorLetra(benchmark::State& state) {
  Lista l;
  int ticks = 0;
  for (auto _ : state) {
    l.lista.ListaLetra(QStringLiteral("c"), kMeioDoC);
    ticks = 1;
    while (l.lista.CarregaListaLetra()) ++ticks;
  }
  state.counters["ticks"] = ticks;
}
BENCHMARK(BM_CargaCompletaMaiorLetra)->Unit(benchmark::kMillisecond);

// The same load driven by a real 1 ms timer through the event loop, as the
// main window drives it: the time until the letter is complete.
void BM_CargaCompletaComTimer(benchmark::State& state) {
  Lista l;
  VbTimer tmrListaCarga(nullptr, 1);
  QEventLoop laco;
  QObject::connect(&tmrListaCarga, &VbTimer::Timer, &laco, [&] {
    const bool resta = l.lista.CarregaListaLetra();
    tmrListaCarga.setEnabled(resta);
    if (!resta) laco.quit();
  });
  for (auto _ : state) {
    l.lista.ListaLetra(QStringLiteral("c"), kMeioDoC);
    tmrListaCarga.setEnabled(true);
    laco.exec();
  }
}
BENCHMARK(BM_CargaCompletaComTimer)->Unit(benchmark::kMillisecond)->UseRealTime();

// A search whose result is the whole of "c" (18,000 entries): the results
// HTML and every row, with the yields between pages.
void BM_PesquisaComTodasAsLinhas(benchmark::State& state) {
  Lista l;
  std::vector<std::int32_t> ids(18000);
  for (std::size_t i = 0; i < ids.size(); ++i) ids[i] = 19500 + static_cast<std::int32_t>(i);
  l.db->resultados[QStringLiteral("mascara:c*")] = ids;
  l.lista.DefineBusca({{}, [] { return 9570.0; }});  // a 638-pixel window: 8 summaries
  for (auto _ : state) l.lista.ListaPesquisaMascara(QStringLiteral("c*"), QString());
  state.counters["linhas"] = l.lista.UltimoIndice() + 1;
}
BENCHMARK(BM_PesquisaComTodasAsLinhas)->Unit(benchmark::kMillisecond);

// The down arrow held for 1.5 s on a shown list of "c" (the half-second wait,
// then a second of repeat): the process's CPU time and the rows stepped.
void BM_SetaSeguraUmSegundo(benchmark::State& state) {
  Lista l;
  l.lista.ListaLetra(QStringLiteral("c"), kMeioDoC);
  while (l.lista.CarregaListaLetra()) {
  }
  l.fundo.show();
  QCoreApplication::processEvents();
  ImageControl& baixo = *l.lista.imagemScroll(3);
  std::int32_t linhas = 0;
  double cpuMs = 0;
  for (auto _ : state) {
    l.lista.scroll().setValor(0);
    l.lista.Repaint();
    QEventLoop laco;
    bool solto = false;
    QTimer::singleShot(1500, &laco, [&] {
      emit baixo.MouseUp(1, 0, 0, 0);
      solto = true;
      laco.quit();
    });
    const std::clock_t inicio = std::clock();
    emit baixo.MouseDown(1, 0, 0, 0);
    if (!solto) laco.exec();
    cpuMs = 1000.0 * static_cast<double>(std::clock() - inicio) / CLOCKS_PER_SEC;
    linhas = l.lista.scroll().Valor();
  }
  state.counters["linhas"] = linhas;
  state.counters["cpu_processo_ms"] = cpuMs;
}
BENCHMARK(BM_SetaSeguraUmSegundo)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  fonts::registerSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
