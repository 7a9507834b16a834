#pragma once

#include "ComandoMenu.h"
#include "Dialogs.h"
#include "IRegistry.h"
#include "WebBrowser.h"

#include <QDialog>
#include <QMenu>
#include <QObject>

#include <functional>
#include <memory>

class CBrowser;
class CConfig;
class frmConfig;
class QAction;

// The main window's two popup menus, the file menu and the help menu, held
// apart from any window. Each item's action is its `<item>_Click`: most send
// one of the main window's commands, the help items show a page of the
// program folder in the entry browser, the settings items run their dialogs.
//
// The "Inserir &Nota" and "&Professor" items start disabled and nothing
// enables them; the two copy items are enabled (HabilitaCopia) by the file
// button before each popup.
class frmMenu final : public QObject {
  Q_OBJECT

 public:
  struct Dependencias {
    QWidget& janela;    // the main window: the settings dialogs' parent
    CConfig& config;    // the settings the dialogs show and change
    CBrowser& browser;  // the entry browser: copying, help pages, the maker's site
    // The main window's command entry.
    ComandoMenu comandoMenu;
    // Gives the main window's "sum the filters" box the value the general
    // options saved.
    std::function<void(int valor)> defineSomarFiltros;
    reg::IRegistry& registro;  // for the general options (the add-in)
    dlg::IDialogs& dialogos;
    // The entry-appearance preview's view; empty: a WebView.
    std::function<QWidget*(QWidget* host, WebBrowser& navegador)> criaVisao;
    // Runs a settings dialog modally; empty: QDialog::exec.
    std::function<void(QDialog& dialogo)> executaModal;
  };

  // Everything in `dependencias` must outlive the menus.
  explicit frmMenu(Dependencias dependencias);
  ~frmMenu() override;
  Q_DISABLE_COPY_MOVE(frmMenu)

  // The menus and their items (owned by the menus).
  std::unique_ptr<QMenu> mnu_Arquivo;
  QAction* mnu_nota = nullptr;
  QAction* mnu_copiaVerbete = nullptr;
  QAction* mnu_copiaConjugacao = nullptr;
  QAction* mnu_inicio = nullptr;
  QAction* mnu_voltar = nullptr;
  QAction* mnu_avancar = nullptr;
  QMenu* mnu_verbetes = nullptr;
  QAction* mnu_completo = nullptr;
  QAction* mnu_resumido = nullptr;
  QAction* mnu_dicionario = nullptr;
  QMenu* mnu_configuracoes = nullptr;
  QAction* mnu_configuragerais = nullptr;
  QAction* mnu_configuralista = nullptr;
  QAction* mnu_configuraverbete = nullptr;
  QAction* mnu_sair = nullptr;

  std::unique_ptr<QMenu> mnu_ajuda;
  QAction* mnu_ajudaComo = nullptr;
  QAction* mnu_ajudaVerbete = nullptr;
  QAction* mnu_ajudaBiografia = nullptr;
  QAction* mnu_ajudaDicas = nullptr;
  QAction* mnu_SiteDicionario = nullptr;
  QAction* mnu_ajudaCredito = nullptr;

  // The person the biography page is about, after "&Biografia de ".
  static const QString kBiografado;

  // Enables each copy item when the page on screen holds what it copies
  // (an entry, a conjugation table).
  void HabilitaCopia();

 private:
  void criaArquivo();
  void criaVerbetes();
  void criaConfiguracoes();
  void criaAjuda();
  QAction* item(QMenu& menu, const QString& caption, void (frmMenu::*clique)());

  void mnu_nota_Click();
  void mnu_copiaVerbete_Click();
  void mnu_copiaConjugacao_Click();
  void mnu_inicio_Click();
  void mnu_voltar_Click();
  void mnu_avancar_Click();
  void mnu_completo_Click();
  void mnu_resumido_Click();
  void mnu_dicionario_Click();
  void mnu_configuragerais_Click();
  void mnu_configuralista_Click();
  void mnu_configuraverbete_Click();
  void mnu_sair_Click();
  void mnu_ajudaComo_Click();
  void mnu_ajudaVerbete_Click();
  void mnu_ajudaBiografia_Click();
  void mnu_ajudaDicas_Click();
  void mnu_SiteDicionario_Click();
  void mnu_ajudaCredito_Click();
  void mostraPagina(const QString& pagina);

  void executa(QDialog& dialogo);
  void comando(const QString& nome);

  Dependencias m_dep;
  // The general options dialog, made on first use and kept (owned by the
  // main window as its Qt parent).
  frmConfig* m_frmConfig = nullptr;
};
