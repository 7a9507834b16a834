#include "modMain.h"

#include "DLLMiniVocabraDB.h"
#include "EncerramentoOrdenado.h"
#include "Fonts.h"
#include "MedidorInicio.h"
#include "PageEngine.h"
#include "WebView.h"
#include "ProgramPaths.h"
#include "ResourceStrings.h"
#include "QtClipboard.h"
#include "QtDialogs.h"
#include "QtTranslations.h"
#include "Registry.h"
#include "Screen.h"
#include "ShowRequests.h"
#include "SingleInstance.h"
#include "TabelaChaves.h"
#include "TabelaConfiguracoes.h"
#include "WindowStacking.h"
#include "frmMain.h"
#include "frmSplash.h"

#include <QApplication>
#include <QStringList>

namespace modMain {
namespace {

namespace cfg = TabelaConfiguracoes;

QString linhaComando(const QStringList& argumentos) { return argumentos.mid(1).join(u' '); }

// The page engine would end the program at once, with no window: the user is
// told why instead, and the program ends.
int avisaSuperusuario() {
  dlg::QtDialogs dialogos;
  dialogos.MsgBox(LoadResString(900), dlg::vbCritical, LoadResString(100));
  return 1;
}

// The program runs already: its window is put before the user, in place of
// this start's splash.
void mostraOutraInstancia(frmSplash& splash, ShowRequests& pedidos) {
  splash.hide();
  pedidos.askToShow();
}

// Timing a start: the program ends once the start page is painted.
void fechaAoPintar(frmMain& janela, const MedidorInicio& medidor) {
  QCoreApplication::processEvents();
  medidor.marca("janela");
  if (auto* visao = qobject_cast<WebView*>(janela.visaoPagina())) {
    QObject::connect(visao, &WebView::Rendered, &janela, [&medidor, &janela] {
      medidor.marca("pagina");
      janela.close();
    });
  }
}

}  // namespace

std::function<std::unique_ptr<IMiniVocabraDB>()> FabricaPesquisa(reg::IRegistry& registro, dlg::IDialogs& dialogos) {
  CConfig leitor(registro, dialogos);
  const QString dados = leitor.LeRegLM(cfg::nome(cfg::DirInstalado), paths::appPath());
  return [dados] { return std::make_unique<DLLMiniVocabraDB>(paths::toFileSystem(dados)); };
}

int Main(int argc, char** argv) {
  pageengine::prepare();
  QApplication app(argc, argv);
  qttranslations::installPortuguese(app);
  fonts::registerSubstitutions();
  if (pageengine::refusesToStart()) return avisaSuperusuario();
  const MedidorInicio medidor;

  frmSplash splash;
  splash.show();
  stacking::keepAboveProgramWindows(splash);  // above the main window, maximised or not
  splash.repaint();
  medidor.marca("splash");
  InicializaChaves();

  dlg::QtDialogs dialogos;
  auto registro = reg::Registry::openDefault([&dialogos](const QString& aviso) {
    dialogos.MsgBox(aviso, dlg::vbExclamation, LoadResString(100));
  });
  scr::QtScreen tela;
  clip::QtClipboard areaTransferencia;
  LockFileInstance instancia;
  ShowRequests pedidos;
  frmMain janela(Servicos{*registro, dialogos, tela, instancia, FabricaPesquisa(*registro, dialogos),
                          linhaComando(app.arguments()), [&splash] { splash.hide(); }, {},
                          &areaTransferencia});
  dialogos.setParent(&janela);
  if (!janela.Form_Load()) {
    if (instancia.anotherIsRunning()) mostraOutraInstancia(splash, pedidos);
    return 0;
  }
  pedidos.listen();
  QObject::connect(&pedidos, &ShowRequests::ShowRequested, &janela, [&janela] { stacking::bringToFront(janela); });
  const EncerramentoOrdenado encerramento(janela);
  QObject::connect(&janela, &frmMain::Encerrado, &app, &QCoreApplication::quit, Qt::QueuedConnection);
  splash.defineJanelaPrincipal(&janela);
  janela.show();
  splash.Form_QueryUnload(frmSplash::ModoDescarga::Codigo);
  if (medidor.ativo()) fechaAoPintar(janela, medidor);
  return app.exec();
}

}  // namespace modMain
