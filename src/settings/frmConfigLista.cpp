#include "frmConfigLista.h"

#include "PosicaoDialogo.h"
#include "ResourceStrings.h"

#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kMensagemRestaurar = 709;
// The word lists' font, in points, by size.
constexpr std::array<double, 2> kPontos{7.5, 9};
constexpr int kLarguraExemplo = 150;

}  // namespace

frmConfigLista::frmConfigLista(CConfig& config, dlg::IDialogs& dialogos, QWidget* parent)
    : QDialog(parent), m_config(config), m_dialogos(dialogos) {
  setWindowTitle(QStringLiteral("Configurações - Lista de verbetes"));
  montaControles();
  // A saved size the box does not offer shows as the normal one.
  comboListaVerbete->setCurrentIndex(m_config.FonteLista == 1 ? 1 : 0);
  m_config.FonteLista = static_cast<std::int16_t>(comboListaVerbete->currentIndex());
  MostraExemploLista();
  connect(comboListaVerbete, &QComboBox::currentIndexChanged, this, &frmConfigLista::comboListaVerbete_Click);
  connect(cmdOK, &QPushButton::clicked, this, &frmConfigLista::cmdOK_Click);
  connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);
  connect(cmdRestaurar, &QPushButton::clicked, this, &frmConfigLista::cmdRestaurar_Click);
}

void frmConfigLista::montaControles() {
  auto* grade = new QGridLayout(this);
  comboListaVerbete = new QComboBox(this);
  comboListaVerbete->setObjectName(QStringLiteral("comboListaVerbete"));
  comboListaVerbete->addItems({QStringLiteral("Normal"), QStringLiteral("Expandida")});
  grade->addWidget(new QLabel(QStringLiteral("Escolha o tamanho da Fonte"), this), 0, 0);
  grade->addWidget(comboListaVerbete, 1, 0, Qt::AlignTop);
  grade->addWidget(new QLabel(QStringLiteral("Exemplo"), this), 0, 1);
  auto* exemplos = new QVBoxLayout;
  for (std::size_t i = 0; i < imgExemplo.size(); ++i) {
    imgExemplo[i] = new QLabel(this);
    imgExemplo[i]->setObjectName(QStringLiteral("imgExemplo%1").arg(i));
    imgExemplo[i]->setPixmap(ExemploLista(static_cast<std::int16_t>(i)));
    exemplos->addWidget(imgExemplo[i]);
  }
  grade->addLayout(exemplos, 1, 1);
  auto* botoes = new QHBoxLayout;
  cmdRestaurar = new QPushButton(QStringLiteral("Restaurar"), this);
  cmdRestaurar->setObjectName(QStringLiteral("cmdRestaurar"));
  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  cmdCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
  cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
  botoes->addWidget(cmdRestaurar);
  botoes->addStretch();
  botoes->addWidget(cmdOK);
  botoes->addWidget(cmdCancelar);
  grade->addLayout(botoes, 2, 0, 1, 2);
}

QPixmap frmConfigLista::ExemploLista(std::int16_t tamanho) {
  static const QStringList palavras{QStringLiteral("abacate"), QStringLiteral("abacaxi"), QStringLiteral("abade"),
                                    QStringLiteral("abadia"),  QStringLiteral("abafar"),  QStringLiteral("abaixo"),
                                    QStringLiteral("abalar")};
  QFont fonte(QStringLiteral("Verdana"));
  fonte.setPointSizeF(kPontos[tamanho == 1 ? 1 : 0]);
  const int altura = QFontMetrics(fonte).height();
  QPixmap imagem(kLarguraExemplo, altura * static_cast<int>(palavras.size()) + 4);
  imagem.fill(Qt::white);
  QPainter pintor(&imagem);
  pintor.setFont(fonte);
  pintor.setPen(QColor(0xCC, 0xCC, 0xCC));
  pintor.drawRect(imagem.rect().adjusted(0, 0, -1, -1));
  for (int i = 0; i < palavras.size(); ++i) {
    const QRect linha(3, 2 + i * altura, kLarguraExemplo - 6, altura);
    pintor.setPen(Qt::black);
    pintor.drawText(linha, Qt::AlignLeft | Qt::AlignVCenter, palavras[i]);
  }
  return imagem;
}

void frmConfigLista::MostraExemploLista() {
  for (QLabel* img : imgExemplo) img->setVisible(false);
  imgExemplo[m_config.FonteLista == 1 ? 1 : 0]->setVisible(true);
}

void frmConfigLista::comboListaVerbete_Click() {
  if (comboListaVerbete->currentIndex() < 0) return;
  m_config.FonteLista = static_cast<std::int16_t>(comboListaVerbete->currentIndex());
  MostraExemploLista();
}

// A size that could not be saved keeps the dialog open (CConfig told why).
void frmConfigLista::cmdOK_Click() {
  if (m_config.GravarConfiguracoesLista()) accept();
}

void frmConfigLista::cmdRestaurar_Click() {
  if (m_dialogos.MsgBox(LoadResString(kMensagemRestaurar), dlg::vbYesNo, LoadResString(100)) != dlg::vbYes) return;
  m_config.RestauraConfiguracoesLista();
  comboListaVerbete->setCurrentIndex(m_config.FonteLista);
  MostraExemploLista();
}

void frmConfigLista::setVisible(bool visible) {
  if (visible && !isVisible()) PosicionaDialogo(*this);
  QDialog::setVisible(visible);
}

void frmConfigLista::done(int resultado) {
  m_config.LerConfiguracoesLista();
  QDialog::done(resultado);
}
