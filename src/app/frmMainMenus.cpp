// The toolbar's file and help menus, and the commands other windows and the
// menus send to the main window.
#include "frmMain.h"

#include "TabelaConfiguracoes.h"

namespace cfg = TabelaConfiguracoes;

frmMenu::Dependencias frmMain::dependenciasMenus() {
  return {*this,
          config,
          m_browser,
          [this](const QString& comando) { ComandoMenu(comando); },
          [this](int valor) { marcaSomarFiltros(valor); },
          m_servicos.registro,
          m_servicos.dialogos,
          m_servicos.criaVisao,
          m_servicos.executaModal};
}

// Shows the button's "menu open" look, pops the menu up just below the
// button and, once it has closed, gives the button its normal look back.
void frmMain::abreMenu(ImageControl& botao, const QString& bitmapMenu, QMenu& menu) {
  DesmarcarBotoes(nullptr);
  botao.loadPicture(bitmapMenu);
  botao.Tag = QStringLiteral("selecionado");
  m_menusPopup->popup(menu, mapToGlobal(QPoint(botao.x(), botao.y() + botao.height() + 2)));
  DesmarcarBotoes(nullptr);
}

void frmMain::imgArquivo_MouseUp(int, int, double X, double Y) {
  if (!m_carregada || !soltouDentro(imgArquivo, X, Y)) return;
  menus.HabilitaCopia();
  abreMenu(imgArquivo, QStringLiteral("BTNARQUIVOMENU"), *menus.mnu_Arquivo);
}

void frmMain::imgAjuda_MouseUp(int, int, double X, double Y) {
  if (!m_carregada || !soltouDentro(imgAjuda, X, Y)) return;
  abreMenu(imgAjuda, QStringLiteral("BTNAJUDAMENU"), *menus.mnu_ajuda);
}

void frmMain::ComandoMenu(const QString& Comando) {
  if (!m_carregada) return;
  if (Comando == u"avancar") {
    btProximo_MouseUp(0, 0, 0, 0);
  } else if (Comando == u"voltar") {
    btAnterior_MouseUp(0, 0, 0, 0);
  } else if (Comando == u"inicio") {
    btCasa_MouseUp(0, 0, 0, 0);
  } else if (Comando == u"imprimir") {
    imgPrinter_MouseUp(0, 0, 0, 0);
  } else if (Comando == u"nota") {
    imgNota_MouseUp(0, 0, 0, 0);
  } else if (Comando == u"verbete1" || Comando == u"verbete2" || Comando == u"verbete3") {
    btVisual_MouseUp(Comando.back().digitValue() - 1, 0, 0, 0, 0);
  } else if (Comando == u"sair") {
    imgClose_MouseUp(0, 0, 0, 0);
  } else if (Comando == u"atualizarCSS") {
    m_browser.AlteraModelo(0);
    DesmarcarBotoes(nullptr);
  } else if (Comando == u"atualizarmarca") {
    m_browser.DefineCorPalavraEncontrada(config.MarcaCorFundo, config.MarcaCorTexto);
  } else if (Comando == u"atualizarlista") {
    lista.AlteraFonte(config.FonteLista);
    lista2.AlteraFonte(config.FonteLista);
  } else if (Comando == u"atualizagerais") {
    aplicaModelo();
    DesmarcarBotoes(nullptr);
  } else if (Comando == u"DirNotas") {
    m_pastaNotas = dirNotas();
    m_Notas.AlteraDir(m_pastaNotas);
  }
}
