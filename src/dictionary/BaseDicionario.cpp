#include "BaseDicionario.h"

#include "FormasConjugacao.h"
#include "FormatoDados.h"
#include "NormalizaPalavra.h"

#include <QFileInfo>

namespace dicionario {

BaseDicionario::BaseDicionario(Passe, const QString& arquivo)
    : conexao_(arquivo, ConexaoSqlite::Modo::Leitura),
      texto_(conexao_, "SELECT texto FROM verbete WHERE id = ?"),
      idsComForma_(conexao_, "SELECT id FROM forma WHERE chave = ? ORDER BY id"),
      formasDe_(conexao_, "SELECT formas FROM verbete WHERE id = ?"),
      conjugacao_(conexao_, "SELECT dados FROM conjugacao WHERE id = ?") {}

BaseDicionario::~BaseDicionario() = default;

std::unique_ptr<BaseDicionario> BaseDicionario::abre(const QString& pasta) {
  const QString arquivo = pasta + u'/' + formato::kArquivoBase;
  if (!QFileInfo(arquivo).isFile()) return nullptr;
  auto base = std::make_unique<BaseDicionario>(Passe{}, arquivo);
  if (!base->carrega()) return nullptr;
  return base;
}

bool BaseDicionario::carrega() {
  if (!conexao_.aberta() || !texto_.valido() || !idsComForma_.valido() || !formasDe_.valido() ||
      !conjugacao_.valido()) {
    return false;
  }
  const ComandoSqlite indiceTexto(conexao_, "SELECT rowid FROM texto WHERE texto MATCH 'a' LIMIT 0");
  return indiceTexto.valido() && carregaInfo() && indice_.carrega(conexao_, total_) && carregaAbreviaturas();
}

bool BaseDicionario::carregaInfo() {
  ComandoSqlite comando(conexao_, "SELECT nome, valor FROM info");
  QHash<QString, QString> info;
  while (comando.proxima()) info.insert(comando.texto(0), comando.texto(1));
  if (comando.falhou() || info.value(QStringLiteral("formato")) != QString::number(formato::kVersao)) return false;
  bool ok = false;
  total_ = info.value(QStringLiteral("verbetes")).toInt(&ok);
  textoVersao_ = info.value(QStringLiteral("dados"));
  empresa_ = info.value(QStringLiteral("empresa"));
  return ok && total_ >= 0;
}

bool BaseDicionario::carregaAbreviaturas() {
  ComandoSqlite comando(conexao_, "SELECT texto, significados FROM abreviatura");
  while (comando.proxima()) {
    const QString texto = comando.texto(0);
    abreviaturas_.insert(texto, comando.texto(1));
    abreviaturasSemCaixa_.insert(texto.toLower(), comando.texto(1));
  }
  return !comando.falhou();
}

std::optional<QByteArray> BaseDicionario::textoGuardado(std::int32_t id) {
  texto_.reinicia();
  texto_.liga(1, id);
  if (!texto_.proxima()) return std::nullopt;
  return texto_.blob(0);
}

std::vector<std::int32_t> BaseDicionario::idsComForma(const QString& chave) {
  std::vector<std::int32_t> ids;
  idsComForma_.reinicia();
  idsComForma_.liga(1, chave);
  while (idsComForma_.proxima()) {
    const qint64 id = idsComForma_.inteiro(0);
    if (indice_.valido(static_cast<std::int32_t>(id))) ids.push_back(static_cast<std::int32_t>(id));
  }
  return ids;
}

QStringList BaseDicionario::formasDe(std::int32_t id) {
  formasDe_.reinicia();
  formasDe_.liga(1, id);
  QStringList formas;
  if (formasDe_.proxima()) formas = formasDe_.texto(0).split(u';', Qt::SkipEmptyParts);
  const QString conj = conjugacao(id);
  if (conj.isEmpty()) return formas;
  for (const QString& f : formasDaConjugacao(modMain::CortaEmNbsp(indice_.titulo(id)), conj)) {
    if (!formas.contains(f)) formas.append(f);
  }
  return formas;
}

QString BaseDicionario::conjugacao(std::int32_t id) {
  conjugacao_.reinicia();
  conjugacao_.liga(1, id);
  return conjugacao_.proxima() ? conjugacao_.texto(0) : QString();
}

QString BaseDicionario::abreviatura(const QString& texto) const {
  const auto exata = abreviaturas_.constFind(texto);
  if (exata != abreviaturas_.constEnd()) return *exata;
  return abreviaturasSemCaixa_.value(texto.toLower());
}

}  // namespace dicionario
