#pragma once

#include "frmMain.h"

#include <array>

// The insides of a main window that tests and benchmarks reach: its
// components, its controls, and the operations they drive directly. Only
// tests and benchmarks include it; the program and the other windows go
// through frmMain's public members. A view: the window must outlive it.
class frmMainTeste final {
 public:
  explicit frmMainTeste(frmMain& janela) : janela(janela) {}

  frmMain& janela;

  // The components.
  CConfig& config = janela.config;
  CList& lista = janela.lista;
  CList& lista2 = janela.lista2;
  CEscolheLetra& m_EscolheLetra = janela.m_EscolheLetra;
  CHistorico& m_Historico = janela.m_Historico;
  CBuscasAnteriores& m_Buscas = janela.m_Buscas;
  CNotas& m_Notas = janela.m_Notas;
  CBrowser& m_browser = janela.m_browser;
  frmMenu& menus = janela.menus;

  // The chrome.
  ImageControl* const imgMove = &janela.imgMove;
  ImageControl* const imgArquivo = &janela.imgArquivo;
  ImageControl* const imgAjuda = &janela.imgAjuda;
  ImageControl* const btCasa = &janela.btCasa;
  ImageControl* const btAnterior = &janela.btAnterior;
  ImageControl* const btProximo = &janela.btProximo;
  const std::array<ImageControl*, 3> btVisual = {&janela.btVisual[0], &janela.btVisual[1], &janela.btVisual[2]};
  ImageControl* const imgPrinter = &janela.imgPrinter;
  ImageControl* const imgNota = &janela.imgNota;
  ImageControl* const imgMin = &janela.imgMin;
  ImageControl* const imgMax = &janela.imgMax;
  ImageControl* const imgClose = &janela.imgClose;
  ImageControl* const ImgResize = &janela.ImgResize;
  const std::array<ImageControl*, 3> imgFundo = {&janela.imgFundo[0], &janela.imgFundo[1], &janela.imgFundo[2]};

  // The search panel and the lists.
  QLineEdit* const txtEntrada = &janela.txtEntrada;
  QLineEdit* const txtEntrada1 = &janela.txtEntrada1;
  QLineEdit* const txtEntrada2 = &janela.txtEntrada2;
  const std::array<QCheckBox*, 4> chkAvancada = {&janela.chkAvancada[0], &janela.chkAvancada[1],
                                                 &janela.chkAvancada[2], &janela.chkAvancada[3]};
  QComboBox* const cmbFiltro = &janela.cmbFiltro;
  QListWidget* const lstFiltros = &janela.lstFiltros;
  ImageControl* const imgAvancada = &janela.imgAvancada;
  ImageControl* const imgFechar = &janela.imgFechar;
  QPushButton* const btBuscar = &janela.btBuscar;
  const std::array<ImageControl*, 2> imgBtSelLista = {&janela.imgBtSelLista[0], &janela.imgBtSelLista[1]};
  QLabel* const lblDescricaoPesquisa = &janela.lblDescricaoPesquisa;
  QLabel* const lblFiltros = &janela.lblFiltros;
  PictureBox* const PicLista = &janela.PicLista;
  PictureBox* const picLista2 = &janela.picLista2;
  PictureBox* const imgLetras = &janela.imgLetras;
  PictureBox* const picBuscasAnteriores = &janela.picBuscasAnteriores;

  // The browser area, the note box, the tip and the maker's name.
  QWidget* const picRecortaBrowser = &janela.picRecortaBrowser;
  PictureBox* const picAguarde = &janela.picAguarde;
  QPlainTextEdit* const txtNota = &janela.txtNota;
  QLabel* const txtAnotacoes = &janela.txtAnotacoes;
  PictureBox* const picTipAbrev = &janela.picTipAbrev;
  QLabel* const txtTipAbrev = &janela.txtTipAbrev;
  QWidget* const picNomeEmpresa = &janela.picNomeEmpresa;
  QLabel* const lblNomeEmpresa = &janela.lblNomeEmpresa;

  // The timers.
  VbTimer* const tmrTip = &janela.tmrTip;
  VbTimer* const tmrListaCarga = &janela.tmrListaCarga;
  VbTimer* const tmrBusca = &janela.tmrBusca;
  VbTimer* const tmrLista = &janela.tmrLista;
  VbTimer* const tmrComandoBrowser = &janela.tmrComandoBrowser;

  // The operations, as frmMain describes them.
  IMiniVocabraDB& Pesquisa() { return janela.Pesquisa(); }
  bool temPesquisa() const { return janela.temPesquisa(); }
  bool subclassificada() const { return janela.subclassificada(); }
  void TrataMouseMove() { janela.TrataMouseMove(); }
  void Form_KeyDown(int& KeyCode, int Shift) { janela.Form_KeyDown(KeyCode, Shift); }
  void Form_KeyUp(int& KeyCode, int& Shift) { janela.Form_KeyUp(KeyCode, Shift); }
  void MostraVerbeteID(std::int32_t ID, QString& palavra, bool gravaHistorico, bool sincronizaLista) {
    janela.MostraVerbeteID(ID, palavra, gravaHistorico, sincronizaLista);
  }
  void BuscaPalavraDigitada(const QString& texto) { janela.BuscaPalavraDigitada(texto); }
  void TrataPalavraClicada(QString& palavra) { janela.TrataPalavraClicada(palavra); }
  void selecionaLista(std::int16_t num) { janela.selecionaLista(num); }
  bool VerificaBusca() const { return janela.VerificaBusca(); }
  QString ObtemFiltros() const { return janela.ObtemFiltros(); }
  QString DescreveFiltros() const { return janela.DescreveFiltros(); }
  QString MontaAlternativas(const QString& palavra, std::int32_t ID) { return janela.MontaAlternativas(palavra, ID); }
  QString ExpandeFormasFrase(const QString& frase) { return janela.ExpandeFormasFrase(frase); }
  static QString FormataNumVerbetes(std::int32_t n) { return frmMain::FormataNumVerbetes(n); }
  static QString limpaVerbete(const QString& verbete) { return frmMain::limpaVerbete(verbete); }
  static QString limpaVerbete1(const QString& verbete) { return frmMain::limpaVerbete1(verbete); }
};
