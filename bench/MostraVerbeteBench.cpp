// Showing an entry in a loaded template, with the search highlighted: the
// work CBrowser::MostraVerbete does on the page document, without a view.

#include "CBrowser.h"
#include "ProgramPaths.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

// An entry of about 5 KB in the markup the dictionary data uses.
QString entrada() {
  QString html = QStringLiteral(
      "<span id=\"D_TIT\">casa</span><span id=\"D_SUP_TIT\">1</span><BR>"
      "<span id=\"D_N_CG\">s.f.</span> ");
  for (int i = 1; html.size() < 4600; ++i) {
    html += QStringLiteral(
                "<span id=\"D_NUM\">%1.</span> <span id=\"D_RUB\">Arquitetura</span> "
                "<span id=\"D_DEF\">Edifício de um ou mais andares destinado a moradia; a casa onde se "
                "vive, o <a href=\"goto://lar\">lar</a> da família. Casa de campo, casa térrea, "
                "<a href=\"goto://moradia\">moradia</a> simples.</span><BR>")
                .arg(i);
  }
  html += QStringLiteral(
      "<span id=\"D_T_LOC\">Casa da moeda</span> <span id=\"D_LOC\">lugar onde se cunha dinheiro.</span><BR>"
      "<span id=\"D_ETM\">Do latim casa, cabana.</span>");
  return html;
}

void MostraVerbeteComMarcacao(benchmark::State& state) {
  qputenv(paths::kProgramDirVariable, QByteArrayLiteral(MINIVOCABRA_SOURCE_DIR "/program"));
  CBrowser browser{CBrowser::Dependencias{}};
  browser.Inicializa();
  browser.AlteraModelo(0);
  QCoreApplication::processEvents();
  if (browser.getEstado() != 2) {
    state.SkipWithError("the template did not load");
    return;
  }
  browser.PalavraBusca(QStringLiteral("casa moradia lar"), QString(), QString());
  browser.MarcaPalavra(true);
  browser.DefineCorPalavraEncontrada(65535, 0);
  const QString html = entrada();
  for (auto _ : state) {
    browser.MostraVerbete(html);
    benchmark::DoNotOptimize(browser.navegador().document().text().size());
  }
  state.counters["bytes"] = double(html.toUtf8().size());
}
BENCHMARK(MostraVerbeteComMarcacao)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
