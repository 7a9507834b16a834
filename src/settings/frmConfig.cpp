#include "frmConfig.h"

#include "BarraBotoesConfig.h"
#include "Numbers.h"
#include "PastaNotas.h"
#include "PosicaoDialogo.h"
#include "ProgramPaths.h"
#include "Register.h"
#include "ResourceStrings.h"
#include "TabelaConfiguracoes.h"
#include "Trim.h"
#include "WritableFolders.h"
#include "clsDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <utility>

namespace cfg = TabelaConfiguracoes;

namespace {

constexpr int kMensagemDirNotas = 370;
constexpr int kMensagemRestaurar = 709;

// A lenient number of the settings, or `padrao` when it lies outside
// 0..`maior` (the control cannot show it).
int leOpcao(CConfig& config, const cfg::Valor& valor, int maior) {
  const std::int32_t n = num::roundEven(num::val(config.LeReg(cfg::nome(valor), cfg::padrao(valor))));
  return n >= 0 && n <= maior ? n : 0;
}

}  // namespace

frmConfig::frmConfig(Dependencias dependencias, QWidget* parent) : QDialog(parent), m_dep(std::move(dependencias)) {
  setWindowTitle(QStringLiteral("Configurações - Gerais"));
  montaControles();
  connect(cmdAlteraDiretorio, &QPushButton::clicked, this, &frmConfig::cmdAlteraDiretorio_Click);
  connect(cmdOK, &QPushButton::clicked, this, &frmConfig::cmdOK_Click);
  connect(cmdCancelar, &QPushButton::clicked, this, &frmConfig::reject);
  connect(cmdRestaurar, &QPushButton::clicked, this, &frmConfig::cmdRestaurar_Click);
  // A greyed value read from the settings; the user only ticks or clears.
  connect(checkFiltro[0], &QCheckBox::clicked, this, [this] { checkFiltro[0]->setTristate(false); });
}

void frmConfig::montaControles() {
  auto* layout = new QVBoxLayout(this);
  checkFiltro[0] = new QCheckBox(QStringLiteral("Usar somar filtro como opção padrão"), this);
  checkFiltro[1] = new QCheckBox(QStringLiteral("Integração com o Microsoft Word"), this);
  for (std::size_t i = 0; i < checkFiltro.size(); ++i) {
    checkFiltro[i]->setObjectName(QStringLiteral("checkFiltro%1").arg(i));
    layout->addWidget(checkFiltro[i]);
  }
  layout->addWidget(new QLabel(QStringLiteral("Diretório de gravação de notas"), this));
  auto* pasta = new QHBoxLayout;
  txtDirNotas = new QLineEdit(this);
  txtDirNotas->setObjectName(QStringLiteral("txtDirNotas"));
  txtDirNotas->setMinimumWidth(320);
  cmdAlteraDiretorio = new QPushButton(this);
  cmdAlteraDiretorio->setObjectName(QStringLiteral("cmdAlteraDiretorio"));
  cmdAlteraDiretorio->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  pasta->addWidget(txtDirNotas, 1);
  pasta->addWidget(cmdAlteraDiretorio);
  layout->addLayout(pasta);
  layout->addWidget(new QLabel(QStringLiteral("Formato de apresentação do verbete"), this));
  ComboApresentacao = new QComboBox(this);
  ComboApresentacao->setObjectName(QStringLiteral("ComboApresentacao"));
  ComboApresentacao->addItems(
      {QStringLiteral("Modo Completo"), QStringLiteral("Modo Resumido"), QStringLiteral("Modo Dicionário")});
  layout->addWidget(ComboApresentacao);
  layout->addWidget(montaBotoes());
}

QWidget* frmConfig::montaBotoes() {
  const BarraBotoesConfig barra = MontaBarraBotoesConfig(this);
  cmdRestaurar = barra.cmdRestaurar;
  cmdOK = barra.cmdOK;
  cmdCancelar = barra.cmdCancelar;
  return barra.barra;
}

void frmConfig::setVisible(bool visible) {
  if (visible && !isVisible()) {
    carrega();
    PosicionaDialogo(*this);
  }
  QDialog::setVisible(visible);
}

void frmConfig::carrega() {
  checkFiltro[1]->setVisible(false);
  checkFiltro[1]->setChecked(Register::VerificaAddinInstalado(m_dep.registro));
  const int somar = leOpcao(m_dep.config, cfg::SomarFiltros, 2);
  checkFiltro[0]->setCheckState(somar == 2 ? Qt::PartiallyChecked : somar == 1 ? Qt::Checked : Qt::Unchecked);
  // Shown as the file system names it, also when stored with "\".
  const QString pasta = m_dep.config.LeReg(cfg::nome(cfg::DirNotas), paths::defaultNotesFolder());
  txtDirNotas->setText(paths::toFileSystem(pasta));
  ComboApresentacao->setCurrentIndex(leOpcao(m_dep.config, cfg::FormaApresentacao, 2));
}

int frmConfig::valorFiltro() const {
  switch (checkFiltro[0]->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}

void frmConfig::cmdAlteraDiretorio_Click() {
  clsDir dir(m_dep.dialogos);
  const QString pasta = dir.AbrirPasta(QStringLiteral("Seleciona um diretório"), true);
  if (!pasta.isEmpty()) txtDirNotas->setText(pasta);
}

void frmConfig::cmdOK_Click() {
  Cancela = false;
  const std::optional<QString> pasta = pastaNotas();
  if (!pasta || !grava(*pasta)) return;
  if (m_dep.comandoMenu) m_dep.comandoMenu(QStringLiteral("DirNotas"));
  accept();
}

// An empty folder is the user's to confirm (the notes are then off) and is
// kept as typed. Any other loses the blanks around it: kept, they would name
// another folder, relative to wherever the program was started.
std::optional<QString> frmConfig::pastaNotas() {
  const QString pasta = trim::blanks(txtDirNotas->text());
  if (pasta.isEmpty()) {
    if (m_dep.dialogos.MsgBox(LoadResString(kMensagemDirNotas), dlg::vbYesNo, LoadResString(100)) != dlg::vbYes)
      return std::nullopt;
    return txtDirNotas->text();
  }
  const PastaNotas::Situacao situacao = PastaNotas::Prepara(pasta);
  if (situacao == PastaNotas::Situacao::Pronta) return pasta;
  mensagem(PastaNotas::Mensagem(situacao), paths::toFileSystem(pasta));
  return std::nullopt;
}

// The three options are saved together or not at all (CConfig told the user
// why); the main window and the add-in hear of them only once saved.
bool frmConfig::grava(const QString& pasta) {
  const int somar = valorFiltro();
  const bool salvo = m_dep.config.GravaGrupo(CConfig::Origem::Usuario, [&] {
    m_dep.config.GravaReg(cfg::nome(cfg::SomarFiltros), QString::number(somar));
    m_dep.config.GravaReg(cfg::nome(cfg::DirNotas), pasta);
    m_dep.config.GravaReg(cfg::nome(cfg::FormaApresentacao), QString::number(ComboApresentacao->currentIndex()));
  });
  if (!salvo) return false;
  if (m_dep.defineSomarFiltros) m_dep.defineSomarFiltros(somar);
  if (checkFiltro[1]->isEnabled()) {
    if (checkFiltro[1]->isChecked())
      Register::RegistraAddinWord(m_dep.registro);
    else
      Register::RemoveAddinWord(m_dep.registro);
  }
  return true;
}

void frmConfig::mensagem(int id, const QString& pasta) {
  m_dep.dialogos.MsgBox(LoadResString(id).replace(QStringLiteral("%1"), pasta), dlg::vbExclamation,
                        LoadResString(100));
}

void frmConfig::cmdRestaurar_Click() {
  if (m_dep.dialogos.MsgBox(LoadResString(kMensagemRestaurar), dlg::vbYesNo, LoadResString(100)) != dlg::vbYes) return;
  checkFiltro[0]->setTristate(false);
  checkFiltro[0]->setCheckState(Qt::Unchecked);
  txtDirNotas->setText(paths::defaultNotesFolder());
  ComboApresentacao->setCurrentIndex(0);
}

void frmConfig::reject() {
  Cancela = true;
  QDialog::reject();
}
