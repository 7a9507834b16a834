// The search panel's controls beyond the single field, and its three
// shapes: simple, advanced, and advanced with the filter list; the single
// field or the pair of fields.
#include "frmMain.h"

#include "AbasLista.h"
#include "ResourceStrings.h"

#include <QPainter>

namespace {

constexpr int kTopoAvancado = 180;
constexpr int kTopoFiltros = 285;
constexpr int kTopoFechado = 100;
const QColor kCorSeparador(221, 221, 216);
const QColor kCorPainel(223, 230, 242);

void rotulo(QLabel& label, const QString& texto, const QRect& lugar) {
  label.setGeometry(lugar);
  label.setTextFormat(Qt::PlainText);
  label.setText(texto);
}

// A picture that reads as a link: the text, in the panel's blue.
QPixmap textoImagem(const QString& texto, int width, int height) {
  QPixmap imagem(width, height);
  imagem.fill(kCorPainel);
  QPainter pintor(&imagem);
  QFont fonte(QStringLiteral("Verdana"));
  fonte.setPixelSize(11);
  fonte.setUnderline(true);
  pintor.setFont(fonte);
  pintor.setPen(QColor(0x1C, 0x40, 0x75));
  pintor.drawText(imagem.rect(), Qt::AlignCenter, texto);
  return imagem;
}

void imagemTexto(ImageControl& imagem, const QString& texto, int left, int top, int width, int height) {
  imagem.setGeometry(left, top, width, height);
  imagem.setPicture(textoImagem(texto, width, height), false);
  imagem.setCursor(Qt::PointingHandCursor);
}

// The captions of the three option boxes, each level with its box.
QPixmap legendasOpcoes(int width, int height) {
  QPixmap imagem(width, height);
  imagem.fill(Qt::transparent);
  QPainter pintor(&imagem);
  QFont fonte(QStringLiteral("Verdana"));
  fonte.setPixelSize(11);
  pintor.setFont(fonte);
  pintor.setPen(Qt::black);
  const std::array<const char16_t*, 3> legendas = {u"Iniciadas por", u"Terminadas em", u"No texto do verbete"};
  const std::array<int, 3> topos = {0, 18, 37};  // the boxes' rows less the caption's top
  for (std::size_t i = 0; i < legendas.size(); ++i)
    pintor.drawText(QRect(0, topos[i], width, 13), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf16(legendas[i]));
  return imagem;
}

// A background piece: the panel's colour inside a thin frame.
void fundo(ImageControl& peca, int left, int top, int width, int height) {
  QPixmap imagem(width, height);
  imagem.fill(kCorPainel);
  QPainter pintor(&imagem);
  pintor.setPen(kCorSeparador);
  pintor.drawRect(0, 0, width - 1, height - 1);
  pintor.end();
  peca.setGeometry(left, top, width, height);
  peca.setPicture(imagem, false);
}

}  // namespace

void frmMain::criaPainelAvancado() {
  txtEntrada1.setGeometry(108, 57, 125, 16);
  txtEntrada2.setGeometry(108, 75, 125, 16);
  for (QLineEdit* campo : {&txtEntrada1, &txtEntrada2}) {
    campo->setFrame(false);
    campo->hide();
  }
  rotulo(lblPesquisa[0], QStringLiteral("Pesquisa:"), QRect(36, 58, 57, 13));
  rotulo(lblPesquisa[1], QStringLiteral("Terminada:"), QRect(36, 76, 73, 13));
  rotulo(lblPesquisa[2], QStringLiteral("Iniciada:"), QRect(36, 58, 57, 13));
  rotulo(lblPesquisa[3], QStringLiteral("Somar filtros"), QRect(64, 267, 84, 13));
  QFont fonte(QStringLiteral("Verdana"));
  fonte.setPixelSize(11);
  for (QLabel& legenda : lblPesquisa) legenda.setFont(fonte);
  for (int i = 1; i < 4; ++i) lblPesquisa[i].hide();
  imgPesqAvancada.setGeometry(58, 98, 151, 51);
  imgPesqAvancada.setPixmap(legendasOpcoes(151, 51));
  imgPesqAvancada.hide();
  cmbFiltro.setGeometry(43, 156, 188, 20);
  cmbFiltro.addItems({QStringLiteral("Filtro Desligado"), QStringLiteral("Filtro Ligado")});
  cmbFiltro.hide();
  lstFiltros.setGeometry(43, 176, 188, 88);
  lstFiltros.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The captions' small type: the longest class, "Elemento de composição",
  // fits whole beside its box and the scroll bar.
  lstFiltros.setFont(fonte);
  lstFiltros.hide();
  imagemTexto(imgAvancada, QStringLiteral("Pesquisa avançada"), 33, 100, 118, 13);
  imagemTexto(imgFechar, QStringLiteral("Fechar"), 33, 100, 55, 16);
  imgFechar.hide();
  btBuscar.setGeometry(172, 99, 59, 17);
  btBuscar.setText(QStringLiteral("Buscar"));
  for (int i = 0; i < 2; ++i) {
    ImageControl& aba = imgBtSelLista[static_cast<std::size_t>(i)];
    aba.setGeometry(2, 122, 261, 31);
    const int divisa = qRound(DivisaAbasTwips / aba.toScaleX(1));  // where a click changes tabs
    aba.setPicture(AbasLista::desenha(i, aba.size(), divisa), false);
  }
  imgBtSelLista[1].hide();
  rotulo(lblFiltros, QString(), QRect(14, 188, 236, 15));
  lblFiltros.hide();
  criaFundos();
  criaTipAbreviatura();
  lblDescricaoPesquisa.setTextFormat(Qt::PlainText);  // it names the query as typed
  connect(&imgAvancada, &VbControl::Click, this, &frmMain::imgAvancada_Click);
  connect(&imgFechar, &VbControl::Click, this, &frmMain::imgFechar_Click);
  connect(&cmbFiltro, &QComboBox::activated, this, &frmMain::cmbFiltro_Click);
  connect(&btBuscar, &QPushButton::clicked, this, &frmMain::btBuscar_Click);
  for (int i = 0; i < 4; ++i)
    connect(&chkAvancada[static_cast<std::size_t>(i)], &QCheckBox::clicked, this, [this, i] { chkAvancada_Click(i); });
  chkAvancada[3].setToolTip(LoadResString(710));
}

// The abbreviation tip: a box holding one label, hidden, and its timer.
void frmMain::criaTipAbreviatura() {
  picTipAbrev.setGeometry(0, 0, 120, 20);
  picTipAbrev.setFocusPolicy(Qt::ClickFocus);
  rotulo(txtTipAbrev, QString(), QRect(0, 0, 120, 20));
  txtTipAbrev.setStyleSheet(QStringLiteral("background: #FFFFE1; border: 1px solid #8CA2C7;"));
  txtTipAbrev.setAlignment(Qt::AlignCenter);
  txtTipAbrev.setMouseTracking(true);  // its moves reach the box
  picTipAbrev.hide();
  connect(&picTipAbrev, &VbControl::MouseMove, this, [this] { picTipAbrev_MouseMove(); });
  connect(&picTipAbrev, &VbControl::LostFocus, &picTipAbrev, &QWidget::hide);
  connect(&tmrTip, &VbTimer::Timer, this, &frmMain::tmrTip_Timer);
}

void frmMain::criaFundos() {
  fundo(imgFundo[0], LarguraProjeto - LarguraCanto, 0, LarguraCanto, 26);
  fundo(imgFundo[1], 4, 607, 257, 22);
  fundo(imgFundo[2], 4, 532, 257, 97);
  imgFundo[1].hide();
  // Behind the panels they frame.
  for (ImageControl& peca : imgFundo) peca.lower();
}

void frmMain::imgAvancada_Click() {
  imgAvancada.hide();
  for (QWidget* controle : std::initializer_list<QWidget*>{&imgFechar, &chkAvancada[0], &chkAvancada[1], &chkAvancada[2],
                                                           &chkAvancada[3], &imgPesqAvancada, &cmbFiltro})
    controle->show();
  if (cmbFiltro.currentIndex() == 1) {
    imgFundo[2].hide();
    imgFundo[1].show();
    picBuscasAnteriores.hide();
  }
  chkAvancada_Click(0);
  cmbFiltro_Click();
  m_modoBusca = 1;
}

// The filter list and the previous searches share the space below the
// letter picker.
void frmMain::mostraFiltros(bool visivel) {
  for (QWidget* controle : std::initializer_list<QWidget*>{&lstFiltros, &chkAvancada[3], &lblPesquisa[3], &imgFundo[1]})
    controle->setVisible(visivel);
  imgFundo[2].setVisible(!visivel);
  picBuscasAnteriores.setVisible(!visivel);
}

void frmMain::cmbFiltro_Click() {
  if (cmbFiltro.isVisibleTo(this)) {
    const bool ligado = cmbFiltro.currentIndex() == 1;
    m_TopoBusca = static_cast<std::int16_t>(ligado ? kTopoFiltros : kTopoAvancado);
    mostraFiltros(ligado);
  }
  Form_Resize();
}

void frmMain::imgFechar_Click() {
  m_TopoBusca = kTopoFechado;
  imgAvancada.show();
  for (QWidget* controle : std::initializer_list<QWidget*>{&imgFechar, &chkAvancada[0], &chkAvancada[1], &chkAvancada[2],
                                                           &imgPesqAvancada, &cmbFiltro, &lstFiltros})
    controle->hide();
  lblPesquisa[0].show();
  lblPesquisa[1].hide();
  lblPesquisa[2].hide();
  txtEntrada.show();
  txtEntrada1.hide();
  txtEntrada2.hide();
  chkAvancada[3].hide();
  if (cmbFiltro.currentIndex() == 1) {
    imgFundo[2].show();
    imgFundo[1].hide();
    picBuscasAnteriores.show();
  }
  Form_Resize();
  m_modoBusca = 0;
}

void frmMain::chkAvancada_Click(int Index) {
  const bool texto = Index == 0 || Index == 1;
  const bool par = chkAvancada[0].isChecked() && chkAvancada[1].isChecked();
  lblPesquisa[0].setVisible(!par);
  lblPesquisa[1].setVisible(par);
  lblPesquisa[2].setVisible(par);
  if (par) {
    txtEntrada.hide();
    if (texto) txtEntrada1.setText(txtEntrada.text());
  } else if (texto && txtEntrada1.isVisibleTo(this)) {
    txtEntrada.setText(txtEntrada1.text());
  }
  txtEntrada.setVisible(!par);
  txtEntrada1.setVisible(par);
  txtEntrada2.setVisible(par);
}
