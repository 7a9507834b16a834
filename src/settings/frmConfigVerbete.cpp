#include "frmConfigVerbete.h"

#include "AmostraCor.h"
#include "ArquivoTexto.h"
#include "BarraBotoesConfig.h"
#include "PosicaoDialogo.h"
#include "ProgramPaths.h"
#include "ResourceStrings.h"
#include "VbColor.h"
#include "WebView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>
#include <utility>

namespace {

constexpr int kMensagemRestaurar = 709;
constexpr int kMensagemSemModelo = 391;

const QStringList& nomesTipoFonte() {
  static const QStringList nomes{QStringLiteral("Normal"), QStringLiteral("Itálico"), QStringLiteral("Negrito"),
                                 QStringLiteral("Itálico e negrito"), QStringLiteral("Sublinhado")};
  return nomes;
}

// Two upper-case hexadecimal digits of a byte.
QString byteHex(std::int32_t valor) {
  return QStringLiteral("%1").arg(valor & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

QLabel* rotulo(const char16_t* texto, QWidget* parent) { return new QLabel(QString::fromUtf16(texto), parent); }

// Selects `indice` when the box holds it, else `padrao`.
void seleciona(QComboBox* combo, int indice, int padrao) {
  combo->setCurrentIndex(indice >= 0 && indice < combo->count() ? indice : padrao);
}

}  // namespace

frmConfigVerbete::frmConfigVerbete(Dependencias dependencias, QWidget* parent)
    : QDialog(parent), m_dep(std::move(dependencias)), m_gerador(m_dep.config, m_dep.dialogos) {
  setWindowTitle(QStringLiteral("Configurações - Apresentação do verbete"));
  montaControles();
  carrega();
  conecta();
}

frmConfigVerbete::~frmConfigVerbete() {
  // The view shows this dialog's browser; it goes first.
  delete m_visao.data();
}

void frmConfigVerbete::montaControles() {
  auto* layout = new QVBoxLayout(this);
  auto* topo = new QHBoxLayout;
  auto* esquerda = new QVBoxLayout;
  esquerda->addWidget(montaElementos());
  esquerda->addWidget(montaTamanho());
  esquerda->addWidget(montaPesquisa());
  esquerda->addStretch();
  topo->addLayout(esquerda);
  areaExemplo = new QWidget(this);
  areaExemplo->setMinimumSize(300, 260);
  topo->addWidget(areaExemplo, 1);
  layout->addLayout(topo);
  layout->addWidget(montaBotoes());

  if (!m_dep.criaVisao) {
    m_dep.criaVisao = [](QWidget* host, WebBrowser& navegador) -> QWidget* { return new WebView(navegador, host); };
  }
  m_visao = m_dep.criaVisao(areaExemplo, m_wbExemplo);
  auto* layoutExemplo = new QVBoxLayout(areaExemplo);
  layoutExemplo->setContentsMargins(0, 0, 0, 0);
  if (m_visao != nullptr) layoutExemplo->addWidget(m_visao);
}

QWidget* frmConfigVerbete::montaElementos() {
  auto* frame = new QGroupBox(QStringLiteral("Elementos do verbete"), this);
  auto* grade = new QGridLayout(frame);
  comboElementos = new QComboBox(frame);
  comboElementos->setObjectName(QStringLiteral("comboElementos"));
  pictureCorElemento = new AmostraCor(frame);
  pictureCorElemento->setObjectName(QStringLiteral("pictureCorElemento"));
  comboTipoFonte = new QComboBox(frame);
  comboTipoFonte->setObjectName(QStringLiteral("comboTipoFonte"));
  comboTipoFonte->addItems(nomesTipoFonte());
  grade->addWidget(comboElementos, 0, 0, 1, 2);
  grade->addWidget(rotulo(u"Cor", frame), 1, 0);
  grade->addWidget(pictureCorElemento, 1, 1);
  grade->addWidget(rotulo(u"Tipo da fonte", frame), 2, 0);
  grade->addWidget(comboTipoFonte, 2, 1);
  return frame;
}

QWidget* frmConfigVerbete::montaTamanho() {
  auto* frame = new QGroupBox(QStringLiteral("Tamanho da fonte"), this);
  auto* layout = new QVBoxLayout(frame);
  comboDescricaoVerbete = new QComboBox(frame);
  comboDescricaoVerbete->setObjectName(QStringLiteral("comboDescricaoVerbete"));
  comboDescricaoVerbete->addItems({QStringLiteral("Pequena"), QStringLiteral("Média"), QStringLiteral("Grande")});
  layout->addWidget(comboDescricaoVerbete);
  return frame;
}

QWidget* frmConfigVerbete::montaPesquisa() {
  auto* frame = new QGroupBox(QStringLiteral("Pesquisa"), this);
  auto* grade = new QGridLayout(frame);
  pictureCorFundo = new AmostraCor(frame);
  pictureCorFundo->setObjectName(QStringLiteral("pictureCorFundo"));
  pictureCorTexto = new AmostraCor(frame);
  pictureCorTexto->setObjectName(QStringLiteral("pictureCorTexto"));
  labelPesquisa = new QLabel(QStringLiteral("resultado da busca"), frame);
  labelPesquisa->setObjectName(QStringLiteral("labelPesquisa"));
  labelPesquisa->setAutoFillBackground(true);
  auto* frase = new QHBoxLayout;
  frase->setSpacing(0);
  frase->addWidget(rotulo(u"o ", frame));
  frase->addWidget(labelPesquisa);
  frase->addWidget(rotulo(u" no ", frame));
  frase->addWidget(rotulo(u"texto do verbete.", frame));
  frase->addStretch();
  grade->addWidget(rotulo(u"Escolha a cor para destacar", frame), 0, 0, 1, 2);
  grade->addLayout(frase, 1, 0, 1, 2);
  grade->addWidget(rotulo(u"Cor do fundo", frame), 2, 0);
  grade->addWidget(pictureCorFundo, 2, 1);
  grade->addWidget(rotulo(u"Cor do texto", frame), 3, 0);
  grade->addWidget(pictureCorTexto, 3, 1);
  return frame;
}

QWidget* frmConfigVerbete::montaBotoes() {
  const BarraBotoesConfig barra = MontaBarraBotoesConfig(this);
  cmdRestaurar = barra.cmdRestaurar;
  cmdOK = barra.cmdOK;
  cmdCancelar = barra.cmdCancelar;
  return barra.barra;
}

void frmConfigVerbete::conecta() {
  connect(comboElementos, &QComboBox::currentIndexChanged, this, &frmConfigVerbete::comboElementos_Click);
  connect(comboTipoFonte, &QComboBox::currentIndexChanged, this, &frmConfigVerbete::comboTipoFonte_Click);
  connect(comboDescricaoVerbete, &QComboBox::currentIndexChanged, this,
          &frmConfigVerbete::comboDescricaoVerbete_Click);
  connect(pictureCorElemento, &AmostraCor::Click, this, &frmConfigVerbete::pictureCorElemento_Click);
  connect(pictureCorFundo, &AmostraCor::Click, this, &frmConfigVerbete::pictureCorFundo_Click);
  connect(pictureCorTexto, &AmostraCor::Click, this, &frmConfigVerbete::pictureCorTexto_Click);
  connect(&m_wbExemplo, &WebBrowser::DocumentComplete, this, &frmConfigVerbete::wbExemplo_DocumentComplete);
  connect(cmdOK, &QPushButton::clicked, this, &frmConfigVerbete::cmdOK_Click);
  connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);
  connect(cmdRestaurar, &QPushButton::clicked, this, &frmConfigVerbete::cmdRestaurar_Click);
}

void frmConfigVerbete::carrega() {
  // Asked again here for its message only; the dialog opens either way.
  modCSS::VerificaGravacaoCSS(m_dep.dialogos, true);
  m_wbExemplo.Navigate(paths::appPath() + QStringLiteral("\\CSS\\branco.htm"));
  m_CarregarExemplo = true;
  PreencheElementos();
  try {
    m_gerador.InicializaCSS();
    m_modelosCarregados = true;
  } catch (const modCSS::ErroArquivo& erro) {
    // Sheets made from empty templates would wipe the styles out.
    qWarning("entry appearance: %s", erro.what());
    m_dep.dialogos.MsgBox(LoadResString(kMensagemSemModelo).replace(QStringLiteral("%1"), erro.caminho()),
                          dlg::vbCritical, LoadResString(100));
    cmdOK->setEnabled(false);
  }
  MostraConfiguracoes();
}

void frmConfigVerbete::PreencheElementos() {
  for (const ElementoVerbete& e : m_dep.config.ElementosVerbete) comboElementos->addItem(e.Nome);
  comboElementos->setCurrentIndex(0);
}

void frmConfigVerbete::MostraConfiguracoes() {
  const CConfig& config = m_dep.config;
  seleciona(comboDescricaoVerbete, config.FonteVerbete, 1);
  comboElementos_Click();
  pictureCorFundo->defineCor(config.MarcaCorFundo);
  pictureCorTexto->defineCor(config.MarcaCorTexto);
  QPalette paleta = labelPesquisa->palette();
  paleta.setColor(QPalette::Window, vb::toQColor(config.MarcaCorFundo));
  paleta.setColor(QPalette::WindowText, vb::toQColor(config.MarcaCorTexto));
  labelPesquisa->setPalette(paleta);
}

void frmConfigVerbete::AtualizaExemplo() {
  if (m_wbExemplo.readyState() != WebBrowser::ReadyState::Complete) return;
  try {
    m_wbExemplo.document().setBodyInnerHTML(m_gerador.MontaExemploVerbete());
  } catch (const std::exception&) {
    // An entry font size the sheets do not know: the preview stays as it was.
  }
}

std::int32_t frmConfigVerbete::EscolheCor(std::int32_t corAtual) {
  try {
    return m_dep.dialogos.ShowColor(corAtual);
  } catch (const dlg::CancelError&) {
    return corAtual;
  }
}

std::int32_t frmConfigVerbete::InverteCor(const QString& cor) {
  const QString bgr = cor.mid(4, 2) + cor.mid(2, 2) + cor.left(2);
  bool ok = false;
  const std::int32_t valor = static_cast<std::int32_t>(bgr.toUInt(&ok, 16));
  return ok ? valor : 0;
}

ElementoVerbete* frmConfigVerbete::elementoSelecionado() {
  const int indice = comboElementos->currentIndex();
  if (indice < 0 || indice >= static_cast<int>(m_dep.config.ElementosVerbete.size())) return nullptr;
  return &m_dep.config.ElementosVerbete[static_cast<std::size_t>(indice)];
}

void frmConfigVerbete::comboElementos_Click() {
  const ElementoVerbete* e = elementoSelecionado();
  if (e == nullptr) return;
  pictureCorElemento->defineCor(InverteCor(e->Cor));
  seleciona(comboTipoFonte, e->TipoFonte, e->TipoFontePadrao);
}

void frmConfigVerbete::comboTipoFonte_Click() {
  ElementoVerbete* e = elementoSelecionado();
  if (e == nullptr || comboTipoFonte->currentIndex() < 0) return;
  e->TipoFonte = static_cast<std::int16_t>(comboTipoFonte->currentIndex());
  AtualizaExemplo();
}

void frmConfigVerbete::comboDescricaoVerbete_Click() {
  if (comboDescricaoVerbete->currentIndex() < 0) return;
  m_dep.config.FonteVerbete = static_cast<std::int16_t>(comboDescricaoVerbete->currentIndex());
  AtualizaExemplo();
}

void frmConfigVerbete::pictureCorElemento_Click() {
  ElementoVerbete* e = elementoSelecionado();
  if (e == nullptr) return;
  const std::int32_t c = EscolheCor(pictureCorElemento->cor());
  e->Cor = byteHex(c) + byteHex(c >> 8) + byteHex(c >> 16);
  pictureCorElemento->defineCor(c);
  AtualizaExemplo();
}

void frmConfigVerbete::pictureCorFundo_Click() {
  escolheCorMarca(m_dep.config.MarcaCorFundo, *pictureCorFundo, QPalette::Window);
}

void frmConfigVerbete::pictureCorTexto_Click() {
  escolheCorMarca(m_dep.config.MarcaCorTexto, *pictureCorTexto, QPalette::WindowText);
}

// One of the highlight colours: chosen, shown in its swatch and in the sample
// of a searched word, and sent to the main window.
void frmConfigVerbete::escolheCorMarca(std::int32_t& cor, AmostraCor& amostra, QPalette::ColorRole papel) {
  cor = EscolheCor(amostra.cor());
  amostra.defineCor(cor);
  QPalette paleta = labelPesquisa->palette();
  paleta.setColor(papel, vb::toQColor(cor));
  labelPesquisa->setPalette(paleta);
  enviaComando(QStringLiteral("atualizarmarca"));
  m_marcaEnviada = true;
  AtualizaExemplo();
}

void frmConfigVerbete::wbExemplo_DocumentComplete() {
  if (!m_CarregarExemplo) return;
  AtualizaExemplo();
  m_CarregarExemplo = false;
}

// The sheets and the settings they are made from go together: settings that
// could not be saved (CConfig told why) take the new sheets back.
void frmConfigVerbete::cmdOK_Click() {
  if (!m_modelosCarregados || !m_gerador.GeraArquivosCSS()) return;
  if (!m_dep.config.GravarConfiguracoesVerbete()) {
    if (!m_gerador.DesfazArquivosCSS()) qWarning("entry appearance: the style sheets could not all be put back");
    return;
  }
  accept();
}

void frmConfigVerbete::done(int resultado) {
  if (resultado != QDialog::Accepted) {
    m_dep.config.RecarregaConfiguracoesVerbete();
    if (m_marcaEnviada) enviaComando(QStringLiteral("atualizarmarca"));
  }
  QDialog::done(resultado);
}

void frmConfigVerbete::setVisible(bool visible) {
  if (visible && !isVisible()) PosicionaDialogo(*this);
  QDialog::setVisible(visible);
}

void frmConfigVerbete::cmdRestaurar_Click() {
  if (m_dep.dialogos.MsgBox(LoadResString(kMensagemRestaurar), dlg::vbYesNo, LoadResString(100)) != dlg::vbYes) return;
  m_dep.config.RestauraConfiguracoesVerbete();
  AtualizaExemplo();
  MostraConfiguracoes();
}

void frmConfigVerbete::enviaComando(const QString& comando) {
  if (m_dep.comandoMenu) m_dep.comandoMenu(comando);
}
