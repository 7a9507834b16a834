// From a timer's tick to the entry on screen, on the large data
// (MINIVOCABRA_BENCH_DATA names its folder; bench/dictionary_bench.sh makes
// it): to the browser host's Carregado without a page view, and to the page
// painted in the real view: a typed word, a Down key on the word list, and a
// results page of 300 rows. Each prints its median as "mediana_ms" and its
// 90th percentile as "p90_ms".
//
// "Painted" is the view's Rendered: the page shown is the document as the
// lookup left it, and the engine has drawn it (an animation frame round
// trip in the page after the last change: laid out, painted and handed to
// the compositor), as reported back to this process.
#include "DLLMiniVocabraDB.h"
#include "FakeScreen.h"
#include "Fonts.h"
#include "MarcasNotas.h"
#include "PageEngine.h"
#include "Registry.h"
#include "ScriptedDialogs.h"
#include "TabelaChaves.h"
#include "ValoresRegistro.h"
#include "VbTimer.h"
#include "VirtualKeys.h"
#include "WebView.h"
#include "frmMain.h"
#include "frmMainTeste.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace {

class Instancia final : public ISingleInstance {
  bool anotherIsRunning() override { return false; }
};

void espera(int ms) {
  QEventLoop laco;
  QTimer::singleShot(ms, &laco, &QEventLoop::quit);
  laco.exec();
}

// A notes folder in which the entries `ids` have a note.
void escreveNotas(const QString& pasta, const std::vector<std::int32_t>& ids) {
  QDir().mkpath(pasta);
  QByteArray marcas(MarcasNotas::Tamanho, '\0');
  for (const std::int32_t id : ids) {
    marcas[id / 8] = static_cast<char>(marcas[id / 8] | (1 << (id % 8)));
    QFile nota(pasta + QStringLiteral("/id%1.txt").arg(id, 6, 10, QChar(u'0')));
    if (nota.open(QIODevice::WriteOnly)) nota.write("Uma nota de teste.");
  }
  QFile arquivo(pasta + QStringLiteral("/notas.dat"));
  if (arquivo.open(QIODevice::WriteOnly)) arquivo.write(marcas);
}

// A started main window over the large data. The typed words are entries
// that need the side box (alternatives or conjugation), every other one
// with a note; the Down key walks on from the first word, a note on every
// other entry.
struct Mesa {
  explicit Mesa(bool comVisao)
      : registry(dir.filePath(QStringLiteral("u.reg")), dir.filePath(QStringLiteral("m.reg")), nullptr) {
    const QString dados = qEnvironmentVariable("MINIVOCABRA_BENCH_DATA");
    const QString notas = dir.filePath(QStringLiteral("notas"));
    valores::gravaTexto(registry, reg::HKEY_CURRENT_USER, valores::kChaveConfiguracoes, "DirNotas", notas.toUtf8());
    Servicos servicos{registry, dialogs, tela, instancia,
                      [dados] { return std::make_unique<DLLMiniVocabraDB>(dados); }, QString(), [] {},
                      comVisao ? CBrowser::CriaVisao{} : [](QWidget* h, WebBrowser&) { return new QWidget(h); }};
    janela = std::make_unique<frmMain>(std::move(servicos));
    escolhePalavras();
    escreveNotas(notas, comNota);
    ok = janela->Form_Load();
    if (!ok || palavras.empty()) return;
    janela->show();
    janela->Form_Activate();
    espera(500);
    frmMainTeste(*janela).BuscaPalavraDigitada(palavras[0]);  // loads the entry template
    espera(3000);
  }

  void escolhePalavras() {
    DLLMiniVocabraDB pesquisa(qEnvironmentVariable("MINIVOCABRA_BENCH_DATA"));
    if (!pesquisa.AbreDados()) return;
    std::mt19937 sorteio(7);
    while (palavras.size() < 150) {
      QString html;
      const QString palavra =
          frmMainTeste::limpaVerbete(pesquisa.ObtemVerbete(static_cast<std::int32_t>(sorteio() % 140000), html, 0));
      const std::int32_t id = pesquisa.ObtemPosicaoPalavra(palavra);
      if (id < 0) continue;
      QString buffer;
      if (!pesquisa.TemConjugacao(id) && pesquisa.PesquisaFlexivel(palavra, 0, buffer) < 2) continue;
      if (palavras.size() % 2 == 1) comNota.push_back(id);
      palavras.push_back(palavra);
      if (palavras.size() == 1) {
        for (std::int32_t seguinte = id + 2; seguinte < id + 200; seguinte += 2) comNota.push_back(seguinte);
      }
    }
  }

  QTemporaryDir dir;
  reg::Registry registry;
  ScriptedDialogs dialogs;
  FakeScreen tela;
  Instancia instancia;
  std::unique_ptr<frmMain> janela;
  std::vector<QString> palavras;
  std::vector<std::int32_t> comNota;
  bool ok = false;
};

// Made once for all the view's benchmarks: the engine's start is slow.
std::unique_ptr<Mesa> g_mesaVisao;

Mesa& mesaComVisao() {
  if (!g_mesaVisao) g_mesaVisao = std::make_unique<Mesa>(true);
  return *g_mesaVisao;
}

// The view of the shared window, or null once the benchmark is told why
// there is none.
WebView* visaoPronta(benchmark::State& state) {
  Mesa& mesa = mesaComVisao();
  if (!mesa.ok) {
    state.SkipWithError("no data: set MINIVOCABRA_BENCH_DATA");
    return nullptr;
  }
  auto* visao = qobject_cast<WebView*>(mesa.janela->visaoPagina());
  if (visao == nullptr) state.SkipWithError("no page view");
  return visao;
}

// Milliseconds from `acao` to the first Rendered once `pronto` holds (the
// document is as the action leaves it); -1 after 5 s without.
double ateAPintura(WebView& visao, const std::function<void()>& acao, const std::function<bool()>& pronto) {
  QEventLoop laco;
  QElapsedTimer relogio;
  qint64 fim = -1;
  const QMetaObject::Connection ligacao = QObject::connect(&visao, &WebView::Rendered, &laco, [&](bool ok) {
    if (!ok || fim >= 0 || !pronto()) return;
    fim = relogio.nsecsElapsed();
    laco.quit();
  });
  QTimer::singleShot(5000, &laco, &QEventLoop::quit);
  relogio.start();
  acao();
  if (fim < 0) laco.exec();
  QObject::disconnect(ligacao);
  return fim < 0 ? -1.0 : static_cast<double>(fim) / 1e6;
}

// Milliseconds from `timer`'s tick to the page painted as its handler
// leaves it.
double doTickAPintura(WebView& visao, VbTimer& timer) {
  bool terminou = false;
  return ateAPintura(
      visao,
      [&] {
        emit timer.Timer();
        terminou = true;
      },
      [&] { return terminou; });
}

// Times each iteration with `medida` (milliseconds, -1 on failure) and
// reports the median.
void mede(benchmark::State& state, const std::function<double(std::size_t)>& medida) {
  std::vector<double> amostras;
  std::size_t i = 0;
  for (auto _ : state) {
    const double ms = medida(++i);
    if (ms < 0) return state.SkipWithError("the view did not report the page painted");
    amostras.push_back(ms);
    state.SetIterationTime(ms / 1e3);
  }
  std::sort(amostras.begin(), amostras.end());
  state.counters["mediana_ms"] = amostras[amostras.size() / 2];
  state.counters["p90_ms"] = amostras[amostras.size() * 9 / 10];
}

void BM_TickAteCarregado(benchmark::State& state) {
  Mesa mesa(false);
  if (!mesa.ok) return state.SkipWithError("no data: set MINIVOCABRA_BENCH_DATA");
  qint64 carregadoEm = -1;
  QElapsedTimer relogio;
  frmMainTeste t(*mesa.janela);
  QObject::connect(&t.m_browser, &CBrowser::Carregado, [&] { carregadoEm = relogio.nsecsElapsed(); });
  mede(state, [&](std::size_t i) {
    carregadoEm = -1;
    relogio.start();
    t.BuscaPalavraDigitada(mesa.palavras[i % mesa.palavras.size()]);
    return static_cast<double>(carregadoEm < 0 ? relogio.nsecsElapsed() : carregadoEm) / 1e6;
  });
}
BENCHMARK(BM_TickAteCarregado)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100);

// The typing timer's tick: tmrBusca_Timer looks up the field's text.
void BM_TickAtePaginaPintada(benchmark::State& state) {
  WebView* visao = visaoPronta(state);
  if (visao == nullptr) return;
  Mesa& mesa = mesaComVisao();
  frmMainTeste t(*mesa.janela);
  mede(state, [&](std::size_t i) {
    t.tmrLista->setEnabled(false);
    t.txtEntrada->setText(mesa.palavras[i % mesa.palavras.size()]);
    espera(350);  // the timer's interval after the last key
    return doTickAPintura(*visao, *t.tmrBusca);
  });
}
BENCHMARK(BM_TickAtePaginaPintada)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(60);

// A Down key on the word list; timed from tmrLista's tick, 200 ms later.
void BM_SetaAbaixoAtePaginaPintada(benchmark::State& state) {
  WebView* visao = visaoPronta(state);
  if (visao == nullptr) return;
  Mesa& mesa = mesaComVisao();
  frmMainTeste t(*mesa.janela);
  t.BuscaPalavraDigitada(mesa.palavras[0]);
  espera(300);
  mede(state, [&](std::size_t) {
    int tecla = vk::Down;
    int shift = 0;
    t.Form_KeyDown(tecla, shift);
    tecla = vk::Down;
    t.Form_KeyUp(tecla, shift);
    QCoreApplication::processEvents();
    t.tmrLista->setEnabled(false);  // its tick is made here, after its interval
    espera(200);
    return doTickAPintura(*visao, *t.tmrLista);
  });
}
BENCHMARK(BM_SetaAbaixoAtePaginaPintada)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(60);

// From the search button to its results page painted, with the first page
// of the results list, 300 rows, loaded (the rows may still fill in after
// the page is shown).
void BM_PaginaResultadosPintada(benchmark::State& state) {
  WebView* visao = visaoPronta(state);
  if (visao == nullptr) return;
  Mesa& mesa = mesaComVisao();
  frmMainTeste t(*mesa.janela);
  static const QString kBuscas[] = {QStringLiteral("pre*"), QStringLiteral("des*"), QStringLiteral("con*"),
                                    QStringLiteral("re*"),  QStringLiteral("in*"),  QStringLiteral("ca*")};
  bool pagina = false;
  QObject::connect(&t.m_browser, &CBrowser::Historico, visao, [&pagina] { pagina = true; });
  const auto linhas = [&t] { return !t.lista2.Carregando() && t.lista2.UltimoIndice() >= 299; };
  mede(state, [&](std::size_t i) {
    espera(400);  // the previous search's follow-up (the results list shows its first entry) settles
    t.tmrLista->setEnabled(false);
    t.txtEntrada->setText(kBuscas[i % std::size(kBuscas)]);
    pagina = false;
    QElapsedTimer relogio;
    relogio.start();
    double ms = ateAPintura(*visao, [&] { t.btBuscar->click(); }, [&] { return pagina; });
    if (ms >= 0 && !linhas()) {
      while (!linhas() && relogio.elapsed() < 5000) QCoreApplication::processEvents();
      ms = static_cast<double>(relogio.nsecsElapsed()) / 1e6;
    }
    return ms < 0 || !linhas() ? -1.0 : ms;
  });
}
BENCHMARK(BM_PaginaResultadosPintada)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
  pageengine::prepare();  // the engine as the program sets it up
  QApplication app(argc, argv);
  fonts::registerSubstitutions();
  modMain::InicializaChaves();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  g_mesaVisao.reset();
  return 0;
}
