#pragma once

#include "CConfig.h"
#include "ComandoMenu.h"
#include "Dialogs.h"
#include "WebBrowser.h"
#include "modCSS.h"

#include <QDialog>
#include <QPalette>
#include <QPointer>

#include <cstdint>
#include <functional>

class AmostraCor;
class QComboBox;
class QLabel;
class QPushButton;

// The entry-appearance dialog: the colour and font style of each entry
// element, the entry font size and the two colours that highlight searched
// words, with a preview of a sample entry. It edits the settings in `config`
// directly; OK writes the three style sheets and, only when they were
// written, saves the settings; when those cannot be saved the sheets are put
// back and the dialog stays open. Any other close (Cancel, the close box,
// Escape) reads the saved settings back, and sends "atualizarmarca" again
// when a highlight colour was sent meanwhile, so nothing unconfirmed
// outlives the dialog. It opens centred on its parent at its own size.
//
// Everything is loaded by the constructor: make one for each opening and
// run it modally (exec). Controls carry their names as object names
// (comboElementos, pictureCorElemento, comboTipoFonte, comboDescricaoVerbete,
// pictureCorFundo, pictureCorTexto, labelPesquisa, cmdOK, cmdCancelar,
// cmdRestaurar).
class frmConfigVerbete final : public QDialog {
  Q_OBJECT

 public:
  // Makes the preview's view of `navegador` as a child of `host`.
  using CriaVisao = std::function<QWidget*(QWidget* host, WebBrowser& navegador)>;
  struct Dependencias {
    CConfig& config;
    dlg::IDialogs& dialogos;
    // The main window's ComandoMenu; it gets "atualizarmarca" after each
    // choice of a highlight colour. May be empty.
    ComandoMenu comandoMenu;
    // Empty: a WebView.
    CriaVisao criaVisao;
  };

  explicit frmConfigVerbete(Dependencias dependencias, QWidget* parent = nullptr);
  ~frmConfigVerbete() override;
  Q_DISABLE_COPY_MOVE(frmConfigVerbete)

  // False when the style-sheet template or the preview page could not be
  // read (a message said so): OK is disabled, so empty sheets are never
  // written.
  bool ModelosCarregados() const { return m_modelosCarregados; }
  // The preview's browser (its page holds the sample entry once loaded).
  const WebBrowser& exemplo() const { return m_wbExemplo; }

  // Closed without OK: reads the saved settings back.
  void done(int resultado) override;
  // Opening it places it, before the window is shown.
  void setVisible(bool visible) override;

 private:
  void montaControles();
  QWidget* montaElementos();
  QWidget* montaTamanho();
  QWidget* montaPesquisa();
  QWidget* montaBotoes();
  void conecta();
  void carrega();

  void PreencheElementos();
  void MostraConfiguracoes();
  void AtualizaExemplo();
  std::int32_t EscolheCor(std::int32_t corAtual);
  static std::int32_t InverteCor(const QString& cor);

  void comboElementos_Click();
  void comboTipoFonte_Click();
  void comboDescricaoVerbete_Click();
  void pictureCorElemento_Click();
  void pictureCorFundo_Click();
  void pictureCorTexto_Click();
  void escolheCorMarca(std::int32_t& cor, AmostraCor& amostra, QPalette::ColorRole papel);
  void wbExemplo_DocumentComplete();
  void cmdOK_Click();
  void cmdRestaurar_Click();

  ElementoVerbete* elementoSelecionado();
  void enviaComando(const QString& comando);

  Dependencias m_dep;
  modCSS::GeradorCSS m_gerador;
  WebBrowser m_wbExemplo;
  bool m_CarregarExemplo = false;
  bool m_modelosCarregados = false;
  // A highlight colour went to the main window while the dialog was open.
  bool m_marcaEnviada = false;

  // Owned by the dialog (Qt parent).
  QComboBox* comboElementos = nullptr;
  AmostraCor* pictureCorElemento = nullptr;
  QComboBox* comboTipoFonte = nullptr;
  QComboBox* comboDescricaoVerbete = nullptr;
  AmostraCor* pictureCorFundo = nullptr;
  AmostraCor* pictureCorTexto = nullptr;
  QLabel* labelPesquisa = nullptr;
  QWidget* areaExemplo = nullptr;
  QPointer<QWidget> m_visao;  // shows m_wbExemplo
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancelar = nullptr;
  QPushButton* cmdRestaurar = nullptr;
};
