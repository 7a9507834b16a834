// Placement and state of the main window.
#include "CConfig.h"

#include "AreaTrabalho.h"
#include "Numbers.h"
#include "TabelaConfiguracoes.h"

namespace cfg = TabelaConfiguracoes;

void CConfig::Inicializar(IJanelaPrincipal& frmPrincipal) {
  m_frmPrincipal = &frmPrincipal;
  RetanguloJanela = frmPrincipal.retanguloTwips();
  EstadoJanela = Normal;
  CarregaPadroes();
}

void CConfig::AtualizarPosicao() {
  if (m_frmPrincipal != nullptr && EstadoJanela == Normal) RetanguloJanela = m_frmPrincipal->retanguloTwips();
}

void CConfig::MaximizarJanela() {
  AtualizarPosicao();
  const scr::IScreen& tela = m_frmPrincipal->tela();
  const int left = modMain::ObtemLarguraBarraEsquerda(tela);
  const int top = modMain::ObtemAlturaBarraTopo(tela);
  int width = modMain::ObtemLarguraAreaTrabalho(tela);
  int height = modMain::ObtemAlturaAreaTrabalho(tela);
  EstadoJanela = Maximizada;
  m_frmPrincipal->mostraRedimensionador(false);
  const int screenWidth = num::roundEven(tela.sizePixels().width() * tela.twipsPerPixelX());
  const int screenHeight = num::roundEven(tela.sizePixels().height() * tela.twipsPerPixelY());
  if (screenHeight < height) height = screenHeight;
  if (screenWidth < width) width = screenWidth;
  m_frmPrincipal->moveTwips(QRect(left, top, width, height));
}

void CConfig::RestaurarJanela() {
  EstadoJanela = Normal;
  m_frmPrincipal->mostraRedimensionador(true);
  m_frmPrincipal->moveTwips(RetanguloJanela);
}

void CConfig::MinimizarJanela() {
  AtualizarPosicao();
  m_frmPrincipal->minimiza();
}

QString CConfig::leNumeroJanela(const QString& nome, int atual) {
  return LeReg(nome, num::strWithSign(atual));
}

void CConfig::CarregaSituacao() {
  const QRect atual = m_frmPrincipal->retanguloTwips();
  const int x = num::roundEven(num::val(leNumeroJanela(cfg::nome(cfg::JanelaX), atual.x())));
  const int y = num::roundEven(num::val(leNumeroJanela(cfg::nome(cfg::JanelaY), atual.y())));
  const int w = num::roundEven(num::val(leNumeroJanela(cfg::nome(cfg::JanelaW), atual.width())));
  const int h = num::roundEven(num::val(leNumeroJanela(cfg::nome(cfg::JanelaH), atual.height())));
  RetanguloJanela = QRect(x, y, w, h);

  const scr::IScreen& tela = m_frmPrincipal->tela();
  const double screenWidth = tela.sizePixels().width() * tela.twipsPerPixelX();
  const double screenHeight = tela.sizePixels().height() * tela.twipsPerPixelY();
  if (x + w > screenWidth || y + h > screenHeight || y < 0 || x < 0) {
    // Off the screen (another monitor, another resolution): a small window
    // at the corner, maximised.
    RetanguloJanela = QRect(0, 0, num::roundEven(640 * m_frmPrincipal->twipsPorPixelX()),
                            num::roundEven(480 * m_frmPrincipal->twipsPorPixelY()));
    m_frmPrincipal->moveTwips(RetanguloJanela);
    MaximizarJanela();
  } else if (LeReg(cfg::nome(cfg::JanelaMax), cfg::padrao(cfg::JanelaMax)) == u"1") {
    MaximizarJanela();
  } else {
    m_frmPrincipal->moveTwips(RetanguloJanela);
  }
}

bool CConfig::GravaSituacao() {
  return GravaGrupo(Origem::Programa, [this] {
    GravaReg(cfg::nome(cfg::JanelaMax), EstadoJanela == Maximizada ? QStringLiteral("1") : QStringLiteral("0"));
    const QRect r = m_frmPrincipal->minimizada() ? RetanguloJanela : m_frmPrincipal->retanguloTwips();
    GravaReg(cfg::nome(cfg::JanelaX), num::strWithSign(r.x()));
    GravaReg(cfg::nome(cfg::JanelaY), num::strWithSign(r.y()));
    GravaReg(cfg::nome(cfg::JanelaW), num::strWithSign(r.width()));
    GravaReg(cfg::nome(cfg::JanelaH), num::strWithSign(r.height()));
  });
}
