#include "MontaTextoVersao.h"

#include "Ansi.h"
#include "CConfig.h"
#include "CodificaHTML.h"
#include "IMiniVocabraDB.h"
#include "ProgramPaths.h"
#include "TabelaConfiguracoes.h"
#include "VersaoPrograma.h"

#include <QFile>

#include <exception>
#include <optional>

namespace modMain {
namespace {

// The header of dic030.dat: 16 bytes not read here, then the data version
// and the data code, 15 ANSI characters each, padded with blanks.
constexpr qsizetype kTamanhoCabecalho = 46;
constexpr qsizetype kInicioRotuloV = 16;
constexpr qsizetype kInicioRotuloC = 31;
constexpr qsizetype kTamanhoRotulo = 15;

struct Rotulos {
  QString versao;
  QString codigo;
};

QString rotulo(const QByteArray& cabecalho, qsizetype inicio) {
  QString texto = ansi::toUnicode(cabecalho.mid(inicio, kTamanhoRotulo));
  const auto margem = [](QChar c) { return c == u' ' || c == u'\0'; };
  while (!texto.isEmpty() && margem(texto.back())) texto.chop(1);
  while (!texto.isEmpty() && margem(texto.front())) texto.remove(0, 1);
  return texto;
}

std::optional<Rotulos> leCabecalho(const QString& pasta) {
  QFile file(paths::toFileSystem(pasta + QStringLiteral("/dic030.dat")));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray cabecalho = file.read(kTamanhoCabecalho);
  if (cabecalho.size() < kTamanhoCabecalho) return std::nullopt;
  return Rotulos{rotulo(cabecalho, kInicioRotuloV), rotulo(cabecalho, kInicioRotuloC)};
}

QString campoZero(IMiniVocabraDB& pesquisa) {
  try {
    return pesquisa.ObtemInfoDados().section(u'|', 0, 0);
  } catch (const std::exception&) {
    return QString();
  }
}

}  // namespace

QString MontaTextoVersao(CConfig& config, IMiniVocabraDB& pesquisa) {
  namespace T = TabelaConfiguracoes;
  const QString pasta = config.LeRegLM(T::nome(T::DirInstalado), paths::appPath());
  const std::optional<Rotulos> rotulos = leCabecalho(pasta);
  QString bloco = QStringLiteral("<font face='Arial' size=1>Interface ") + VersaoPrograma::Texto() +
                  QStringLiteral("<BR>Dados ") + campoZero(pesquisa);
  if (rotulos) {
    bloco += QStringLiteral(" (v") + CodificaHTML(rotulos->versao) + QStringLiteral("/c") + CodificaHTML(rotulos->codigo) +
             u')';
  }
  return bloco + QStringLiteral("<BR></font>");
}

}  // namespace modMain
