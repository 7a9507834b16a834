// The window chrome: the hover skins of the title bar and toolbar buttons,
// their press and release handlers, and dragging, resizing, maximising,
// minimising and closing the borderless window.
#include "frmMain.h"

#include "ProgramPaths.h"

namespace {

const QString kSelecionado = QStringLiteral("selecionado");
const QString kSufixoHover = QStringLiteral("SELECIONADO");

}  // namespace

bool frmMain::soltouDentro(const ImageControl& controle, double X, double Y) {
  return X >= 0 && X <= controle.toScaleX(controle.width()) && Y >= 0 && Y <= controle.toScaleY(controle.height());
}

QString frmMain::bitmapMaximizar() const {
  return config.EstadoJanela == CConfig::Maximizada ? QStringLiteral("BTNRESTAURAR") : QStringLiteral("BTNMAXIMIZAR");
}

void frmMain::atualizaBotoesVisual() {
  for (std::int16_t n = 1; n <= 3; ++n) btVisual[n - 1].loadPicture(m_browser.ObtemVisualNome(n));
}

// The hover-skinned buttons in the order they are cleared, each with its
// normal bitmap; the hover bitmap is that name followed by "SELECIONADO".
std::array<std::pair<ImageControl*, QString>, 10> frmMain::botoesComPele() {
  return {{{&btAnterior, QStringLiteral("BTNSETAESQUERDA")},
           {&btProximo, QStringLiteral("BTNSETADIREITA")},
           {&btCasa, QStringLiteral("BTNCASA")},
           {&imgMin, QStringLiteral("BTNMINIMIZAR")},
           {&imgMax, bitmapMaximizar()},
           {&imgClose, QStringLiteral("BTNFECHAR")},
           {&imgNota, QStringLiteral("BTNLAPIS")},
           {&imgPrinter, QStringLiteral("BTNPRINTER")},
           {&imgAjuda, QStringLiteral("BTNAJUDA")},
           {&imgArquivo, QStringLiteral("BTNARQUIVO")}}};
}

void frmMain::MarcarBotao(ImageControl* btn, std::int16_t Button) {
  atualizaBotoesVisual();
  if (Button != 0 || btn == nullptr) return;
  DesmarcarBotoes(btn);
  const QString nome = btn->objectName().toLower();
  for (const auto& [botao, normal] : botoesComPele()) {
    if (botao->objectName().toLower() != nome) continue;
    if (btn->Tag.toLower() == kSelecionado) return;
    btn->loadPicture(normal + kSufixoHover);
    btn->Tag = kSelecionado;
    return;
  }
}

void frmMain::DesmarcarBotoes(ImageControl* btnNaoDesmarcar) {
  const QString poupado = btnNaoDesmarcar != nullptr ? btnNaoDesmarcar->objectName() : QString();
  for (const auto& [botao, normal] : botoesComPele()) {
    if (botao->Tag.isEmpty() || (!poupado.isEmpty() && botao->objectName() == poupado)) continue;
    botao->Tag.clear();
    botao->loadPicture(normal);
  }
  atualizaBotoesVisual();
  m_browser.setUsandoBotoes(0);
}

// Every skinned button: a move over it marks it, a press clears the skins
// (imgMax's press is its own), a release runs `solta`.
void frmMain::ligaBotao(ImageControl& botao, void (frmMain::*solta)(int, int, double, double)) {
  botao.setMouseIcon(&m_ponteiroBotao);
  connect(&botao, &VbControl::MouseMove, this,
          [this, &botao](int Button, int, double, double) { MarcarBotao(&botao, static_cast<std::int16_t>(Button)); });
  if (&botao != &imgMax && &botao != &imgArquivo && &botao != &imgAjuda)
    connect(&botao, &VbControl::MouseDown, this, [this](int, int, double, double) { DesmarcarBotoes(nullptr); });
  connect(&botao, &VbControl::MouseUp, this, solta);
}

// Wired by Form_Load, once the window is set up: until then the mouse does
// nothing on them. Their handlers are reached only from here and from
// ComandoMenu, which waits for the load too.
void frmMain::ligaChrome() {
  ligaBotao(btAnterior, &frmMain::btAnterior_MouseUp);
  ligaBotao(btProximo, &frmMain::btProximo_MouseUp);
  ligaBotao(btCasa, &frmMain::btCasa_MouseUp);
  ligaBotao(imgPrinter, &frmMain::imgPrinter_MouseUp);
  ligaBotao(imgNota, &frmMain::imgNota_MouseUp);
  ligaBotao(imgMin, &frmMain::imgMin_MouseUp);
  ligaBotao(imgMax, &frmMain::imgMax_MouseUp);
  ligaBotao(imgClose, &frmMain::imgClose_MouseUp);
  ligaBotao(imgArquivo, &frmMain::imgArquivo_MouseUp);
  ligaBotao(imgAjuda, &frmMain::imgAjuda_MouseUp);
  connect(&imgMax, &VbControl::MouseDown, this, &frmMain::imgMax_MouseDown);
  for (int i = 0; i < 3; ++i) {
    ImageControl& botao = btVisual[static_cast<std::size_t>(i)];
    botao.setMouseIcon(&m_ponteiroBotao);
    connect(&botao, &VbControl::MouseMove, this, [this, &botao, i](int Button, int, double, double) {
      m_browser.setUsandoBotoes(static_cast<std::int16_t>(i + 1));
      MarcarBotao(&botao, static_cast<std::int16_t>(Button));
    });
    connect(&botao, &VbControl::MouseUp, this,
            [this, i](int Button, int Shift, double X, double Y) { btVisual_MouseUp(i, Button, Shift, X, Y); });
  }
  connect(&imgMove, &VbControl::MouseDown, this, &frmMain::imgMove_MouseDown);
  connect(&ImgResize, &VbControl::MouseDown, this, &frmMain::ImgResize_MouseDown);
  for (int i = 0; i < 2; ++i) {
    ImageControl& aba = imgBtSelLista[static_cast<std::size_t>(i)];
    aba.setMouseIcon(&m_ponteiroBotao);
    connect(&aba, &VbControl::MouseUp, this,
            [this, i](int Button, int Shift, double X, double Y) { imgBtSelLista_MouseUp(i, Button, Shift, X, Y); });
  }
  // The search panel's clickable images show the window's one pointer too.
  for (QWidget* clicavel : std::initializer_list<QWidget*>{&btBuscar, &imgAvancada, &imgFechar})
    clicavel->setCursor(m_ponteiroBotao);
}

void frmMain::btAnterior_MouseUp(int, int, double X, double Y) {
  if (soltouDentro(btAnterior, X, Y)) m_Historico.Anterior();
}

void frmMain::btProximo_MouseUp(int, int, double X, double Y) {
  if (soltouDentro(btProximo, X, Y)) m_Historico.Proximo();
}

void frmMain::btCasa_MouseUp(int, int, double X, double Y) {
  if (!soltouDentro(btCasa, X, Y)) return;
  m_browser.MostraPagina(paths::appPath() + QStringLiteral("\\manual\\principal.htm"));
  m_Notas.VerificaVerbete(-1);
  (PicLista.isVisibleTo(this) ? lista : lista2).DesmarcaLista();
  AtualizaBotoesVerbete(true);
}

void frmMain::btVisual_MouseUp(int indice, int, int, double X, double Y) {
  if (indice < 0 || indice > 2 || !soltouDentro(btVisual[static_cast<std::size_t>(indice)], X, Y)) return;
  m_browser.AlteraModelo(static_cast<std::int16_t>(indice));
  DesmarcarBotoes(nullptr);
}

void frmMain::imgPrinter_MouseUp(int, int, double X, double Y) {
  if (soltouDentro(imgPrinter, X, Y)) m_browser.Imprimir();
}

void frmMain::imgNota_MouseUp(int, int, double X, double Y) {
  if (soltouDentro(imgNota, X, Y)) m_Notas.setVisible(!m_Notas.EhVisivel());
}

void frmMain::imgMin_MouseUp(int, int, double X, double Y) {
  if (soltouDentro(imgMin, X, Y)) config.MinimizarJanela();
}

void frmMain::imgMax_MouseDown(int, int, double, double) { imgMax.loadPicture(bitmapMaximizar()); }

void frmMain::imgMax_MouseUp(int, int, double X, double Y) {
  if (!soltouDentro(imgMax, X, Y)) return;
  if (config.EstadoJanela == CConfig::Maximizada) {
    imgMax.loadPicture(QStringLiteral("BTNMAXIMIZAR"));
    config.RestaurarJanela();
  } else {
    imgMax.loadPicture(QStringLiteral("BTNRESTAURAR"));
    config.MaximizarJanela();
  }
}

void frmMain::imgClose_MouseUp(int, int, double X, double Y) {
  if (!soltouDentro(imgClose, X, Y)) return;
  DesmarcarBotoes(nullptr);
  close();
}

// Only a window in the normal state can be dragged by its title area.
void frmMain::imgMove_MouseDown(int, int, double, double) {
  if (config.EstadoJanela == CConfig::Normal) m_arrastaJanela->startMove(*this);
}

void frmMain::ImgResize_MouseDown(int, int, double, double) {
  m_arrastaJanela->startResize(*this, Qt::BottomEdge | Qt::RightEdge);
}

void frmMain::imgBtSelLista_MouseUp(int, int, int, double X, double) {
  selecionaLista(X < DivisaAbasTwips ? 1 : 2);
}
