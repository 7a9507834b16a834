// Start-up and shutdown of the main window.
#include "frmMain.h"

#include "FileWriter.h"
#include "Numbers.h"
#include "PastaNotas.h"
#include "ProcJanela.h"
#include "ProgramPaths.h"
#include "ResourceImages.h"
#include "ResourceStrings.h"
#include "TabelaConfiguracoes.h"
#include "Trim.h"
#include "WritableFolders.h"

#include <limits>

namespace cfg = TabelaConfiguracoes;

namespace {

constexpr int kMensagemNotasAusentes = 894;

// The abbreviation tip's tick limit: "TempoTip" read strictly as a whole
// 16-bit number; any other text gives the default.
std::int16_t leLimiteTip(CConfig& config) {
  const auto inteiro = [](const QString& texto) {
    return num::strictWhole(texto, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max());
  };
  const QString padrao = cfg::padrao(cfg::TempoTip);
  return static_cast<std::int16_t>(inteiro(config.LeReg(cfg::nome(cfg::TempoTip), padrao)).value_or(*inteiro(padrao)));
}

}  // namespace

IMiniVocabraDB& frmMain::Pesquisa() {
  if (!m_pesquisa) m_pesquisa = m_servicos.criaPesquisa();
  return *m_pesquisa;
}

bool frmMain::Form_Load() {
  if (m_servicos.instancia.anotherIsRunning()) return false;

  m_fundo = res::LoadResPicture(QStringLiteral("FUNDO_MINI"));

  if (!Pesquisa().AbreDados()) {
    if (m_servicos.escondeSplash) m_servicos.escondeSplash();
    m_servicos.dialogos.MsgBox(LoadResString(131), dlg::vbCritical, LoadResString(100));
    return false;
  }
  m_PrimeiraAtivacao = true;
  // What saves of the style sheets ended by a crash left behind.
  for (const QString& css : {paths::appPath() + QStringLiteral("/css"), paths::userDataDir() + QStringLiteral("/css")})
    files::removeStaleTemporaries(css);

  config.Inicializar(*this);
  lblNomeEmpresa.setText(Pesquisa().ObtemInfoDados().section(u'|', 1, 1));
  lblNomeEmpresa.adjustSize();
  DefineDirNotas();
  iniciaListas();

  if (m_servicos.linhaComando != u"MODODEBUG") subclassifica();

  iniciaBrowser();
  m_pastaNotas = dirNotas();
  m_Notas.Inicializa(txtNota, m_pastaNotas, txtAnotacoes);

  m_TopoBusca = 99;
  m_modoBusca = 0;
  restauraSituacao();
  m_limiteTip = leLimiteTip(config);
  aplicaCoresMarca();
  m_Buscas.RestauraHistorico(config);
  aplicaFonteLista();
  aplicaModelo();

  instalaTeclado();
  ligaChrome();
  DesmarcarBotoes(nullptr);
  m_carregada = true;
  return true;
}

void frmMain::DefineDirNotas() {
  const QString maquina = config.LeRegLM(cfg::nome(cfg::InstalacaoLM), cfg::padrao(cfg::InstalacaoLM));
  const QString usuario = config.LeRegCU(cfg::nome(cfg::InstalacaoCU), cfg::padrao(cfg::InstalacaoCU));
  if (maquina == usuario) return;
  config.GravaGrupo(CConfig::Origem::Programa, [this] {
    config.GravaReg(cfg::nome(cfg::DirNotas), paths::defaultNotesFolder());
    config.GravaReg(cfg::nome(cfg::InstalacaoCU),
                    config.LeRegLM(cfg::nome(cfg::InstalacaoLM), cfg::padrao(cfg::InstalacaoLM)));
  });
}

// The notes folder of the setting "DirNotas"; the user's own default folder
// is made on first use.
QString frmMain::dirNotas() {
  const QString pasta = config.LeReg(cfg::nome(cfg::DirNotas), paths::defaultNotesFolder());
  paths::makeUserNotesFolder(pasta);
  return pasta;
}

// The sum box first, read leniently; the button's picture follows the state
// the placement leaves.
void frmMain::restauraSituacao() {
  marcaSomarFiltros(
      num::roundEven(num::val(config.LeReg(cfg::nome(cfg::SomarFiltros), cfg::padrao(cfg::SomarFiltros)))));
  config.CarregaSituacao();
  imgMax.loadPicture(bitmapMaximizar());
}

void frmMain::subclassifica() {
  m_procJanela = std::make_unique<ProcJanela>(*this, [this] { TrataMouseMove(); }, [this] { TrataLButtonUp(); });
}

void frmMain::Form_Activate() {
  if (!m_PrimeiraAtivacao) return;
  if (config.LeReg(cfg::nome(cfg::ModoBusca), cfg::padrao(cfg::ModoBusca)) == u"1") imgAvancada_Click();
  repaint();
  m_browser.MostraPagina(paths::appPath() + QStringLiteral("\\h.htm"));
  AtualizaBotoesVerbete(true);
  selecionaLista(1);
  m_EscolheLetra.MarcaLetra(QStringLiteral("A"));
  lista.ListaLetra(QStringLiteral("a"), 0);
  lista.DesmarcaLista();
  leNotas();
  m_PrimeiraAtivacao = false;
}

// The notes of the stored folder. One that has gone missing (a drive not
// mounted, a folder removed) is told as missing and left alone: made anew
// it would hide the notes of a drive mounted later. An empty folder is one
// the user chose knowing the notes are then off.
void frmMain::leNotas() {
  if (trim::blanks(m_pastaNotas).isEmpty()) return;
  if (PastaNotas::Ausente(m_pastaNotas)) {
    const QString aviso =
        LoadResString(kMensagemNotasAusentes).replace(QStringLiteral("%1"), paths::toFileSystem(m_pastaNotas));
    m_servicos.dialogos.MsgBox(aviso, dlg::vbExclamation, LoadResString(100));
    return;
  }
  m_Notas.LeArquivo();
}

void frmMain::TrataMouseMove() {
  m_EscolheLetra.LimparDestaque();
  DesmarcarBotoes(nullptr);
}

void frmMain::TrataLButtonUp() { config.AtualizarPosicao(); }

void frmMain::Form_QueryUnload() {
  lista.Finaliza();
  lista2.Finaliza();  // a search still loading its rows stops too
  m_pesquisa.reset();
}

// A window closed before it was loaded has nothing to save.
void frmMain::Form_Unload() {
  m_descarregada = true;
  m_procJanela.reset();
  GravaEstado();
  // The open note, saved without a message: the user's close has already
  // asked about a note that cannot be saved, and the session's end asks
  // nothing.
  if (m_carregada) m_Notas.SalvaNota();
  emit Encerrado();
}

// The program's own state, saved in one go: a failure is told once.
void frmMain::GravaEstado() {
  if (!m_carregada) return;
  config.GravaGrupo(CConfig::Origem::Programa, [this] {
    config.GravaSituacao();
    config.GravaReg(cfg::nome(cfg::ModoBusca), m_modoBusca == 1 ? QStringLiteral("1") : QStringLiteral("0"));
    m_Buscas.GravaHistorico(config);
  });
}

void frmMain::FechaFimDeSessao() {
  m_fimDeSessao = true;
  close();
}

// The unload's last save of a note has no later move to try again: a note
// that cannot be saved now is lost only when the user says so, and a No
// keeps the window, the note open in its box.
bool frmMain::podeFecharComNota() {
  if (!m_carregada || m_Notas.SalvaNota()) return true;
  constexpr int estilo = dlg::vbYesNo + dlg::vbExclamation + dlg::vbDefaultButton2;
  return m_servicos.dialogos.MsgBox(LoadResString(883), estilo, LoadResString(100)) == dlg::vbYes;
}
