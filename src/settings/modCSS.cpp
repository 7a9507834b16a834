#include "modCSS.h"

#include "ArquivoTexto.h"
#include "Numbers.h"
#include "ProgramPaths.h"
#include "RegularFile.h"
#include "ResourceStrings.h"
#include "WritableFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <exception>
#include <stdexcept>

#include <fcntl.h>
#include <unistd.h>

namespace modCSS {
namespace {

constexpr int kMensagemSemGravacao = 371;

// First in every sheet written: the engine then reads it as UTF-8 whatever
// page links it.
const QString kDeclaracao = QStringLiteral("@charset \"UTF-8\";\n");

// The entry font sizes in pixels, by size index; the fourth is empty.
const std::array<QString, 4>& tamanhosFonte() {
  static const std::array<QString, 4> tamanhos{QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12"),
                                               QString()};
  return tamanhos;
}

// Superscript sizes and the line-height factor of one font size.
struct Medidas {
  QString sup;
  QString supTitulo;
  double fator = 0;
};

Medidas medidasDe(const QString& tamanho) {
  // The factors are single-precision on purpose: the line heights are
  // rounded from those exact products.
  if (tamanho == u"10") return {QStringLiteral("8"), QStringLiteral("10"), static_cast<double>(0.8f)};
  if (tamanho == u"11") return {QStringLiteral("11"), QStringLiteral("12"), static_cast<double>(1.0f)};
  if (tamanho == u"12") return {QStringLiteral("12"), QStringLiteral("14"), static_cast<double>(0.9f)};
  return {};
}

QString px(double valor) { return QString::number(num::roundEven(valor)) + QStringLiteral("px"); }

void trocaTamanhos(QString& css, const QString& tamanho, std::int16_t modo) {
  const Medidas m = medidasDe(tamanho);
  const double s = num::val(tamanho);
  css.replace(QStringLiteral("<tamanhoFonteSup>"), m.sup + QStringLiteral("px"));
  css.replace(QStringLiteral("<tamanhoLinhaSup>"), m.sup + QStringLiteral("px"));
  css.replace(QStringLiteral("<tamanhoFonteSupTitulo>"), m.supTitulo + QStringLiteral("px"));
  css.replace(QStringLiteral("<tamanhofonte>"), tamanho + QStringLiteral("px"));
  css.replace(QStringLiteral("<tamanhofonteTitulo>"), px(s * 1.6));
  css.replace(QStringLiteral("<tamanhofonteSimbolo>"), px(s * 1.1));
  css.replace(QStringLiteral("<tamanhofonteFNCT>"), px(s * 1.2));
  css.replace(QStringLiteral("<tamanhofonteMusical>"), px(s * 1.45));
  css.replace(QStringLiteral("<alturaLinhaTitulo>"), px(s * 2.7 * m.fator));
  const QString alturaLinha = px(s * 1.636 * m.fator);
  css.replace(QStringLiteral("<alturaLinha>"), alturaLinha);
  // The dictionary model runs the entry on: its grammar lines are no taller.
  const QString alturaCG = modo == 2 ? alturaLinha : px(2 * s * m.fator);
  css.replace(QStringLiteral("<alturaLinhaCG>"), alturaCG);
  css.replace(QStringLiteral("<alturaLinhaReg>"), alturaCG);
}

void trocaElemento(QString& css, const ElementoVerbete& e) {
  const auto marca = [&e](const char* tipo) { return u'<' + QLatin1String(tipo) + e.Nome + u'>'; };
  const std::int16_t t = e.TipoFonte;
  css.replace(marca("cor"), e.Cor);
  css.replace(marca("estilo"), t == TipoFonte::Negrito || t == TipoFonte::ItalicoNegrito ? QStringLiteral("Bold")
                                                                                           : QStringLiteral("Normal"));
  css.replace(marca("italico"), t == TipoFonte::Italico || t == TipoFonte::ItalicoNegrito ? QStringLiteral("Italic")
                                                                                            : QStringLiteral("Normal"));
  css.replace(marca("underline"), t == TipoFonte::Sublinhado ? QStringLiteral("Underline") : QStringLiteral("None"));
}

void trocaModelo(QString& css, std::int16_t modo) {
  if (modo < 0 || modo > 2) return;
  css.replace(QStringLiteral("<mostra>"), modo == 1 ? QStringLiteral("None") : QString());
  css.replace(QStringLiteral("<mostraBR>"), modo == 2 ? QStringLiteral("None") : QString());
}

void mostraSemGravacao(dlg::IDialogs& dialogos, const QString& pasta) {
  dialogos.MsgBox(LoadResString(kMensagemSemGravacao).replace(QStringLiteral("%1"), pasta), dlg::vbCritical,
                  LoadResString(100));
}

// The folder the sheets are written to, made when it is missing (the
// user's own is made on first use); empty when it cannot be made.
QString pastaGravacao() {
  const QString pasta = paths::styleSheetFolder();
  return QDir().mkpath(pasta) ? pasta : QString();
}

QString folha(const QString& pasta, std::size_t indice) {
  return pasta + QStringLiteral("/estilo%1.css").arg(indice + 1);
}

// Removes a sheet made where there was none; says why it cannot.
bool apagaFolha(const QString& arquivo) {
  QFile folha(arquivo);
  if (folha.remove()) return true;
  qWarning("style sheets: cannot remove %s: %s", qPrintable(arquivo), qPrintable(folha.errorString()));
  return false;
}

}  // namespace

GeradorCSS::GeradorCSS(const CConfig& config, dlg::IDialogs& dialogos, files::IFileWriter& gravador)
    : m_config(config), m_dialogos(dialogos), m_gravador(gravador) {}

void GeradorCSS::InicializaCSS() {
  m_ModeloCSS = LeArquivoTexto(paths::appPath() + QStringLiteral("\\mod.dat"));
  m_ModeloExemplo = LeArquivoTexto(paths::appPath() + QStringLiteral("\\exemplo.htm"));
}

QString GeradorCSS::MontaCSS(std::int16_t modo) const {
  QString css = m_ModeloCSS;
  const QString& tamanho = tamanhosFonte().at(static_cast<std::size_t>(m_config.FonteVerbete));
  trocaTamanhos(css, tamanho, modo);
  for (const ElementoVerbete& e : m_config.ElementosVerbete) trocaElemento(css, e);
  trocaModelo(css, modo);
  return css;
}

QString GeradorCSS::MontaExemplo(const QString& css) const {
  return QString(m_ModeloExemplo).replace(QStringLiteral("<estilo/>"), css);
}

QString GeradorCSS::MontaExemploVerbete() const { return MontaExemplo(MontaCSS(0)); }

bool GeradorCSS::GeraArquivosCSS() {
  try {
    // All three are made before any is written, so a sheet that cannot be
    // made leaves every file as it was.
    const std::array<QString, 3> folhas{MontaCSS(0), MontaCSS(1), MontaCSS(2)};
    const QString pasta = pastaGravacao();
    if (pasta.isEmpty()) {
      throw ErroArquivo("cannot make " + paths::styleSheetFolder().toStdString(), paths::styleSheetFolder());
    }
    guardaAnteriores(pasta);
    for (std::size_t i = 0; i < folhas.size(); ++i) {
      GravaArquivoTexto(folha(pasta, i), kDeclaracao + folhas[i], m_gravador);
    }
    return true;
  } catch (const std::exception& erro) {
    qWarning("style sheets: %s", erro.what());
    mostraSemGravacao(m_dialogos, paths::styleSheetFolder());
    return false;
  }
}

void GeradorCSS::guardaAnteriores(const QString& pasta) {
  m_pastaAnterior.clear();
  for (std::size_t i = 0; i < m_anteriores.size(); ++i) {
    m_anteriores[i].reset();
    // Never waits on a pipe in a sheet's place.
    files::ReadResult lida = files::readRegular(folha(pasta, i));
    if (lida.status == files::ReadStatus::Missing) continue;
    // A sheet that cannot be read could not be put back.
    if (lida.status != files::ReadStatus::Read) return;
    m_anteriores[i] = std::move(lida.bytes);
  }
  m_pastaAnterior = pasta;
}

bool GeradorCSS::DesfazArquivosCSS() {
  if (m_pastaAnterior.isEmpty()) return false;
  bool desfeito = true;
  for (std::size_t i = 0; i < m_anteriores.size(); ++i) {
    const QString arquivo = folha(m_pastaAnterior, i);
    desfeito = (m_anteriores[i] ? m_gravador.write(arquivo, *m_anteriores[i]) : apagaFolha(arquivo)) && desfeito;
  }
  return desfeito;
}

// Checks the folder GeraArquivosCSS writes to. An existing sheet is opened
// for appending; a missing one is not created, as an empty sheet in the
// user's folder would go ahead of the installed one: the folder itself must
// then let this user write.
bool VerificaGravacaoCSS(dlg::IDialogs& dialogos, bool mostraMensagem) {
  const QString pasta = pastaGravacao();
  if (!pasta.isEmpty()) {
    // Opened for appending, never waiting on a pipe in the sheet's place.
    const files::OpenResult primeira = files::openRegular(folha(pasta, 0), O_WRONLY | O_APPEND);
    if (primeira.status == files::OpenStatus::Opened) {
      ::close(primeira.fd);
      return true;
    }
    if (primeira.status == files::OpenStatus::Missing && QFileInfo(pasta).isWritable()) return true;
  }
  if (mostraMensagem) mostraSemGravacao(dialogos, paths::styleSheetFolder() + u'/');
  return false;
}

}  // namespace modCSS
