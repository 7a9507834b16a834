#include "CompiladorDados.h"

#include "Ansi.h"
#include "EscritorBase.h"
#include "FileWriter.h"
#include "FormatoDados.h"
#include "NormalizaPalavra.h"
#include "TabelaChaves.h"
#include "TrocaPasta.h"
#include "ValidaConjugacao.h"

#include <QDir>
#include <QHash>

#include <algorithm>
#include <numeric>

namespace dicionario {
namespace {

void poeInteiro(QByteArray& saida, std::int32_t valor) {
  for (int i = 0; i < 4; ++i) saida += static_cast<char>(static_cast<std::uint32_t>(valor) >> (8 * i));
}

// A fixed-length ANSI text field padded with blanks.
QByteArray rotulo(const QString& texto) {
  QByteArray bytes = ansi::fromUnicode(texto).left(formato::kTamanhoRotulo);
  return bytes + QByteArray(formato::kTamanhoRotulo - bytes.size(), ' ');
}

// The 46-byte header: format version, entries, abbreviations, verbs, then
// the data version and the data code.
QByteArray cabecalho(const Fonte& fonte, const CompiladorDados::Resumo& resumo) {
  QByteArray saida;
  poeInteiro(saida, formato::kVersao);
  poeInteiro(saida, resumo.verbetes);
  poeInteiro(saida, resumo.abreviaturas);
  poeInteiro(saida, resumo.verbos);
  return saida + rotulo(fonte.info.versao) + rotulo(fonte.info.codigo);
}

}  // namespace

bool CompiladorDados::compila(Fonte fonte, const QString& destino) {
  erro_ = {};
  resumo_ = {};
  if (fonte.verbetes.empty()) erro_.motivo = QStringLiteral("the source has no entries");
  if (!fonte.temInfo) erro_.motivo = QStringLiteral("the source has no 'dicionario' record");
  if (!erro_.motivo.isEmpty()) return false;
  std::vector<std::string> chaves;
  if (!ordena(fonte, chaves) || !resolveConjugacoes(fonte)) return false;
  resumo_.verbetes = static_cast<int>(fonte.verbetes.size());
  resumo_.abreviaturas = static_cast<int>(fonte.abreviaturas.size());
  resumo_.verbos = static_cast<int>(std::count_if(fonte.verbetes.begin(), fonte.verbetes.end(),
                                                  [](const VerbeteFonte& v) { return !v.conjugacao.isEmpty(); }));
  const QString temporaria = pastaTemporariaPara(destino);
  if (temporaria.isEmpty()) {
    erro_ = {destino, 0, QStringLiteral("cannot make a folder beside it to write into")};
    return false;
  }
  QString motivo;
  const bool ok = escreveEm(temporaria, fonte, chaves) && substituiPasta(temporaria, destino, motivo);
  if (!ok) {
    QDir(temporaria).removeRecursively();
    if (erro_.motivo.isEmpty()) erro_ = {destino, 0, motivo};
  }
  return ok;
}

// Ids: entries in the order of their search key, headword, homograph number.
bool CompiladorDados::ordena(Fonte& fonte, std::vector<std::string>& chaves) {
  std::vector<std::string> chaveDe;
  chaveDe.reserve(fonte.verbetes.size());
  for (const VerbeteFonte& v : fonte.verbetes) chaveDe.push_back(modMain::NormalizaPalavra(v.palavra).toStdString());
  std::vector<std::size_t> ordem(fonte.verbetes.size());
  std::iota(ordem.begin(), ordem.end(), 0);
  const auto& vs = fonte.verbetes;
  std::stable_sort(ordem.begin(), ordem.end(), [&](std::size_t a, std::size_t b) {
    if (const int c = chaveDe[a].compare(chaveDe[b]); c != 0) return c < 0;
    if (const int c = QString::compare(vs[a].palavra, vs[b].palavra); c != 0) return c < 0;
    return vs[a].homografo < vs[b].homografo;
  });
  std::vector<VerbeteFonte> ordenados;
  ordenados.reserve(ordem.size());
  for (std::size_t i = 0; i < ordem.size(); ++i) {
    const VerbeteFonte& v = vs[ordem[i]];
    if (i > 0 && ordenados.back().palavra == v.palavra && ordenados.back().homografo == v.homografo) {
      erro_ = {v.arquivo, v.linha, QStringLiteral("'%1' is already an entry (line %2); give each a homograph number")
                                       .arg(v.titulo()).arg(ordenados.back().linha)};
      return false;
    }
    ordenados.push_back(v);
    chaves.push_back(chaveDe[ordem[i]]);
  }
  fonte.verbetes = std::move(ordenados);
  return true;
}

// "conj: como verb" takes the data of the entry with that headword (or,
// failing that, title) that has data of its own.
bool CompiladorDados::resolveConjugacoes(Fonte& fonte) {
  QHash<QString, QString> proprias;
  for (const VerbeteFonte& v : fonte.verbetes) {
    if (v.conjugacao.isEmpty()) continue;
    if (!proprias.contains(v.palavra)) proprias.insert(v.palavra, v.conjugacao);
    proprias.insert(v.titulo(), v.conjugacao);
  }
  for (VerbeteFonte& v : fonte.verbetes) {
    if (v.conjugacaoComo.isEmpty()) continue;
    const QString dados = proprias.value(v.conjugacaoComo);
    QString motivo = dados.isEmpty() ? QStringLiteral("no entry '%1' with a conjugation of its own").arg(v.conjugacaoComo)
                                     : problemaDaConjugacao(v.palavra, dados);
    if (!motivo.isEmpty()) {
      erro_ = {v.arquivo, v.linhaConjugacao, motivo};
      return false;
    }
    v.conjugacao = dados;
  }
  return true;
}

bool CompiladorDados::escreveEm(const QString& pasta, const Fonte& fonte, const std::vector<std::string>& chaves) {
  modMain::InicializaChaves();
  EscritorBase escritor;
  if (!escritor.escreve(pasta + u'/' + formato::kArquivoBase, fonte, chaves)) {
    erro_ = {pasta, 0, escritor.erro()};
    return false;
  }
  const QString arquivo = pasta + u'/' + formato::kArquivoCabecalho;
  if (!files::disk().write(arquivo, cabecalho(fonte, resumo_))) {
    erro_ = {arquivo, 0, QStringLiteral("cannot write")};
    return false;
  }
  return true;
}

}  // namespace dicionario
