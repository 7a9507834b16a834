#include "frmMenu.h"

#include "CBrowser.h"
#include "CConfig.h"
#include "ProgramPaths.h"
#include "modCSS.h"
#include "frmConfig.h"
#include "frmConfigLista.h"
#include "frmConfigVerbete.h"

#include <QAction>

const QString frmMenu::kBiografado = QStringLiteral("Antônio de Morais Silva");

frmMenu::frmMenu(Dependencias dependencias)
    : mnu_Arquivo(std::make_unique<QMenu>(QStringLiteral("Arquivo"))),
      mnu_ajuda(std::make_unique<QMenu>(QStringLiteral("Ajuda"))),
      m_dep(std::move(dependencias)) {
  criaArquivo();
  criaAjuda();
}

frmMenu::~frmMenu() = default;

QAction* frmMenu::item(QMenu& menu, const QString& caption, void (frmMenu::*clique)()) {
  QAction* acao = menu.addAction(caption);
  connect(acao, &QAction::triggered, this, clique);
  return acao;
}

void frmMenu::criaArquivo() {
  QMenu& m = *mnu_Arquivo;
  mnu_nota = item(m, QStringLiteral("Inserir &Nota"), &frmMenu::mnu_nota_Click);
  mnu_nota->setEnabled(false);
  mnu_copiaVerbete = item(m, QStringLiteral("Copiar V&erbete"), &frmMenu::mnu_copiaVerbete_Click);
  mnu_copiaConjugacao = item(m, QStringLiteral("Copiar C&onjugações"), &frmMenu::mnu_copiaConjugacao_Click);
  m.addSeparator();
  mnu_inicio = item(m, QStringLiteral("&Página inicial"), &frmMenu::mnu_inicio_Click);
  mnu_voltar = item(m, QStringLiteral("&Voltar"), &frmMenu::mnu_voltar_Click);
  mnu_avancar = item(m, QStringLiteral("&Avançar"), &frmMenu::mnu_avancar_Click);
  m.addSeparator();
  criaVerbetes();
  criaConfiguracoes();
  m.addSeparator();
  mnu_sair = item(m, QStringLiteral("Sair"), &frmMenu::mnu_sair_Click);
}

void frmMenu::criaVerbetes() {
  mnu_verbetes = mnu_Arquivo->addMenu(QStringLiteral("Ver&betes"));
  mnu_completo = item(*mnu_verbetes, QStringLiteral("Modo &Completo"), &frmMenu::mnu_completo_Click);
  mnu_resumido = item(*mnu_verbetes, QStringLiteral("Modo &Resumido"), &frmMenu::mnu_resumido_Click);
  mnu_dicionario = item(*mnu_verbetes, QStringLiteral("Modo &Dicionário"), &frmMenu::mnu_dicionario_Click);
}

void frmMenu::criaConfiguracoes() {
  mnu_configuracoes = mnu_Arquivo->addMenu(QStringLiteral("&Configurações"));
  mnu_configuragerais = item(*mnu_configuracoes, QStringLiteral("&Gerais..."), &frmMenu::mnu_configuragerais_Click);
  mnu_configuralista =
      item(*mnu_configuracoes, QStringLiteral("&Lista de verbetes..."), &frmMenu::mnu_configuralista_Click);
  mnu_configuraverbete =
      item(*mnu_configuracoes, QStringLiteral("&Apresentação do verbete..."), &frmMenu::mnu_configuraverbete_Click);
}

void frmMenu::criaAjuda() {
  QMenu& m = *mnu_ajuda;
  mnu_ajudaComo = item(m, QStringLiteral("&Como usar - Manual do dicionário"), &frmMenu::mnu_ajudaComo_Click);
  mnu_ajudaVerbete = item(m, QStringLiteral("&Verbete - Entenda sua estrutura"), &frmMenu::mnu_ajudaVerbete_Click);
  mnu_ajudaBiografia = item(m, QStringLiteral("&Biografia de ") + kBiografado, &frmMenu::mnu_ajudaBiografia_Click);
  mnu_ajudaDicas = item(m, QStringLiteral("&Professor - O Vocabra na Escola"), &frmMenu::mnu_ajudaDicas_Click);
  mnu_ajudaDicas->setEnabled(false);
  m.addSeparator();
  mnu_SiteDicionario = item(m, QStringLiteral("Site do Novo Dicionário &Vocabra"), &frmMenu::mnu_SiteDicionario_Click);
  mnu_ajudaCredito = item(m, QStringLiteral("&Sobre o dicionário eletrônico"), &frmMenu::mnu_ajudaCredito_Click);
}

void frmMenu::HabilitaCopia() {
  bool verbete = false;
  bool conjugacao = false;
  m_dep.browser.TemElementos(verbete, conjugacao);
  mnu_copiaVerbete->setEnabled(verbete);
  mnu_copiaConjugacao->setEnabled(conjugacao);
}

void frmMenu::mnu_nota_Click() { comando(QStringLiteral("nota")); }
void frmMenu::mnu_copiaVerbete_Click() { m_dep.browser.CopiaVerbete(); }
void frmMenu::mnu_copiaConjugacao_Click() { m_dep.browser.CopiaVerbo(); }
void frmMenu::mnu_inicio_Click() { comando(QStringLiteral("inicio")); }
void frmMenu::mnu_voltar_Click() { comando(QStringLiteral("voltar")); }
void frmMenu::mnu_avancar_Click() { comando(QStringLiteral("avancar")); }
void frmMenu::mnu_completo_Click() { comando(QStringLiteral("verbete1")); }
void frmMenu::mnu_resumido_Click() { comando(QStringLiteral("verbete2")); }
void frmMenu::mnu_dicionario_Click() { comando(QStringLiteral("verbete3")); }

void frmMenu::executa(QDialog& dialogo) {
  if (m_dep.executaModal) {
    m_dep.executaModal(dialogo);
  } else {
    dialogo.exec();
  }
}

void frmMenu::comando(const QString& nome) { m_dep.comandoMenu(nome); }

void frmMenu::mnu_configuragerais_Click() {
  if (m_frmConfig == nullptr) {
    m_frmConfig = new frmConfig(  // owned by the main window
        frmConfig::Dependencias{m_dep.config, m_dep.registro, m_dep.dialogos, m_dep.comandoMenu,
                                m_dep.defineSomarFiltros},
        &m_dep.janela);
  }
  m_frmConfig->Cancela = false;
  executa(*m_frmConfig);
  if (!m_frmConfig->Cancela) comando(QStringLiteral("atualizagerais"));
}

// However the dialog closes, the lists take the font size it leaves.
void frmMenu::mnu_configuralista_Click() {
  frmConfigLista dialogo(m_dep.config, m_dep.dialogos, &m_dep.janela);
  executa(dialogo);
  comando(QStringLiteral("atualizarlista"));
}

// The dialog regenerates the style sheets: it opens only when their folder
// can be written (message 371 otherwise). The entry is then shown again in
// the complete model, with the new sheets.
void frmMenu::mnu_configuraverbete_Click() {
  if (!modCSS::VerificaGravacaoCSS(m_dep.dialogos, true)) return;
  frmConfigVerbete dialogo(
      frmConfigVerbete::Dependencias{m_dep.config, m_dep.dialogos, m_dep.comandoMenu, m_dep.criaVisao}, &m_dep.janela);
  executa(dialogo);
  comando(QStringLiteral("atualizarCSS"));
}

void frmMenu::mnu_sair_Click() { comando(QStringLiteral("sair")); }

void frmMenu::mostraPagina(const QString& pagina) { m_dep.browser.MostraPagina(paths::appPath() + pagina); }

void frmMenu::mnu_ajudaComo_Click() { mostraPagina(QStringLiteral("\\manual\\manual.htm")); }
void frmMenu::mnu_ajudaVerbete_Click() { mostraPagina(QStringLiteral("\\manual\\verbete.htm")); }
void frmMenu::mnu_ajudaBiografia_Click() { mostraPagina(QStringLiteral("\\manual\\biografia.htm")); }
void frmMenu::mnu_ajudaDicas_Click() { mostraPagina(QStringLiteral("\\manual\\professor.htm")); }

void frmMenu::mnu_SiteDicionario_Click() { m_dep.browser.AbreWeb(); }

void frmMenu::mnu_ajudaCredito_Click() { mostraPagina(QStringLiteral("\\manual\\creditos.htm")); }
