// From the typing timer's tick to the entry on screen, on the large data
// (MINIVOCABRA_BENCH_DATA names its folder; bench/dictionary_bench.sh makes
// it): to the browser host's Carregado without a page view, and to the page
// painted in the real view.
#include "DLLMiniVocabraDB.h"
#include "FakeScreen.h"
#include "Fonts.h"
#include "Registry.h"
#include "ScriptedDialogs.h"
#include "TabelaChaves.h"
#include "WebView.h"
#include "frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

class Instancia final : public ISingleInstance {
  bool anotherIsRunning() override { return false; }
};

// A started main window over the large data, and a few hundred of its words.
struct Mesa {
  explicit Mesa(bool comVisao) : registry(dir.filePath(QStringLiteral("u.reg")), dir.filePath(QStringLiteral("m.reg")), nullptr) {
    const QString dados = qEnvironmentVariable("MINIVOCABRA_BENCH_DATA");
    Servicos servicos{registry, dialogs, tela, instancia,
                      [dados] { return std::make_unique<DLLMiniVocabraDB>(dados); }, QString(), [] {},
                      comVisao ? CBrowser::CriaVisao{} : [](QWidget* h, WebBrowser&) { return new QWidget(h); }};
    janela = std::make_unique<frmMain>(std::move(servicos));
    ok = janela->Form_Load();
    if (!ok) return;
    janela->show();
    janela->Form_Activate();
    std::mt19937 sorteio(7);
    for (int i = 0; i < 300; ++i) {
      QString html;
      const QString titulo = janela->Pesquisa().ObtemVerbete(static_cast<std::int32_t>(sorteio() % 140000), html, 0);
      palavras.push_back(frmMain::limpaVerbete(titulo));
    }
    espera(500);
    janela->BuscaPalavraDigitada(palavras[0]);  // loads the entry template
    espera(3000);
  }
  static void espera(int ms) {
    QEventLoop laco;
    QTimer::singleShot(ms, &laco, &QEventLoop::quit);
    laco.exec();
  }

  QTemporaryDir dir;
  reg::Registry registry;
  ScriptedDialogs dialogs;
  FakeScreen tela;
  Instancia instancia;
  std::unique_ptr<frmMain> janela;
  std::vector<QString> palavras;
  bool ok = false;
};

void BM_TickAteCarregado(benchmark::State& state) {
  Mesa mesa(false);
  if (!mesa.ok) return state.SkipWithError("no data: set MINIVOCABRA_BENCH_DATA");
  qint64 carregadoEm = -1;
  QElapsedTimer relogio;
  QObject::connect(mesa.janela->m_browser.get(), &CBrowser::Carregado, [&] { carregadoEm = relogio.nsecsElapsed(); });
  std::size_t i = 0;
  for (auto _ : state) {
    carregadoEm = -1;
    relogio.start();
    mesa.janela->BuscaPalavraDigitada(mesa.palavras[++i % mesa.palavras.size()]);
    state.SetIterationTime(static_cast<double>(carregadoEm < 0 ? relogio.nsecsElapsed() : carregadoEm) / 1e9);
  }
}
BENCHMARK(BM_TickAteCarregado)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100);

void BM_TickAtePaginaPintada(benchmark::State& state) {
  Mesa mesa(true);
  if (!mesa.ok) return state.SkipWithError("no data: set MINIVOCABRA_BENCH_DATA");
  auto* visao = qobject_cast<WebView*>(mesa.janela->m_browser->visao());
  if (visao == nullptr) return state.SkipWithError("no page view");
  std::size_t i = 0;
  for (auto _ : state) {
    QEventLoop laco;
    QObject::connect(visao, &WebView::Rendered, &laco, &QEventLoop::quit);
    QTimer::singleShot(5000, &laco, &QEventLoop::quit);
    QElapsedTimer relogio;
    relogio.start();
    mesa.janela->BuscaPalavraDigitada(mesa.palavras[++i % mesa.palavras.size()]);
    laco.exec();
    state.SetIterationTime(static_cast<double>(relogio.nsecsElapsed()) / 1e9);
  }
}
BENCHMARK(BM_TickAtePaginaPintada)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
  QApplication app(argc, argv);
  fonts::registerSubstitutions();
  modMain::InicializaChaves();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
