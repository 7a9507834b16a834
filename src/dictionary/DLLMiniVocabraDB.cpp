#include "DLLMiniVocabraDB.h"

#include "BaseDicionario.h"
#include "ConteudoVerbete.h"
#include "Embaralhamento.h"
#include "HtmlVerbete.h"
#include "Mascara.h"
#include "NormalizaPalavra.h"
#include "PesquisaTexto.h"
#include "ProgramPaths.h"

#include <algorithm>

using dicionario::BaseDicionario;

namespace {

std::string chaveUtf8(const QString& palavra) {
  return modMain::NormalizaPalavra(modMain::CortaEmNbsp(palavra)).toStdString();
}

}  // namespace

DLLMiniVocabraDB::DLLMiniVocabraDB(QString pastaDados) : pastaDados_(std::move(pastaDados)) {}

DLLMiniVocabraDB::~DLLMiniVocabraDB() = default;

bool DLLMiniVocabraDB::AbreDados() {
  tentouAbrir_ = true;
  pesquisaTexto_.reset();
  html_.reset();
  base_ = BaseDicionario::abre(paths::toFileSystem(pastaDados_));
  resultados_.clear();
  faixaDe_ = 0;
  faixaAte_ = -1;
  if (!base_) return false;
  pesquisaTexto_ = std::make_unique<dicionario::PesquisaTexto>(base_->conexao(), base_->indice());
  const BaseDicionario* base = base_.get();
  html_ = std::make_unique<dicionario::HtmlVerbete>([base](const QString& t) { return base->ehAbreviatura(t); });
  return true;
}

BaseDicionario* DLLMiniVocabraDB::base() {
  if (!tentouAbrir_) AbreDados();
  return base_.get();
}

QString DLLMiniVocabraDB::ObtemInfoDados() {
  BaseDicionario* b = base();
  return b == nullptr ? QString() : b->textoVersao() + u'|' + b->empresa();
}

void DLLMiniVocabraDB::DefineTamanhoPagina(std::int16_t tamanho) {
  if (tamanho >= 1) tamanhoPagina_ = tamanho;
}

std::int32_t DLLMiniVocabraDB::ObtemPosicaoPalavra(const QString& texto) {
  BaseDicionario* b = base();
  const std::string chave = modMain::NormalizaPalavra(texto).toStdString();
  if (b == nullptr || chave.empty()) return -1;
  const auto [de, ate] = b->indice().chaves().faixaComPrefixo(chave);
  return de < ate ? static_cast<std::int32_t>(de) : -1;
}

std::int32_t DLLMiniVocabraDB::PesquisaMascara(const QString& padrao, QString& /*buffer*/, std::int32_t flag) {
  BaseDicionario* b = base();
  if (b == nullptr) return 0;
  const dicionario::Mascara mascara(padrao);
  // A letter whose text folds to nothing ("-*") has no place in the list,
  // as ObtemPosicaoPalavra gives it none: it holds no entries.
  const bool semLugar = flag == 1 && mascara.prefixo().empty();
  const std::vector<qsizetype> achados = semLugar ? std::vector<qsizetype>() : mascara.seleciona(b->indice().chaves());
  if (flag == 1) {
    faixaDe_ = achados.empty() ? 0 : static_cast<std::int32_t>(achados.front());
    faixaAte_ = achados.empty() ? 0 : static_cast<std::int32_t>(achados.back() + 1);
  } else {
    resultados_.assign(achados.begin(), achados.end());
  }
  return static_cast<std::int32_t>(achados.size());
}

std::vector<std::int32_t> DLLMiniVocabraDB::pesquisaFlexivel(const QString& palavra) {
  BaseDicionario* b = base();
  const std::string chave = chaveUtf8(palavra);
  if (b == nullptr || chave.empty()) return {};
  const auto [de, ate] = b->indice().chaves().faixaIgual(chave);
  std::vector<std::int32_t> ids;
  for (qsizetype id = de; id < ate; ++id) ids.push_back(static_cast<std::int32_t>(id));
  const std::vector<std::int32_t> porForma = b->idsComForma(QString::fromStdString(chave));
  std::vector<std::int32_t> todos;
  std::set_union(ids.begin(), ids.end(), porForma.begin(), porForma.end(), std::back_inserter(todos));
  return todos;
}

std::int32_t DLLMiniVocabraDB::PesquisaFlexivel(const QString& palavra, std::int32_t /*reservado*/,
                                                QString& /*buffer*/) {
  resultados_ = pesquisaFlexivel(palavra);
  return static_cast<std::int32_t>(resultados_.size());
}

std::int32_t DLLMiniVocabraDB::ObtemFormas(const QString& palavra, QString& lista) {
  lista.clear();
  BaseDicionario* b = base();
  if (b == nullptr) return -1;
  const QString chave = modMain::NormalizaPalavra(modMain::CortaEmNbsp(palavra));
  std::int32_t quantas = 0;
  for (const std::int32_t id : pesquisaFlexivel(palavra)) {
    QStringList itens;
    const QString titulo = b->indice().titulo(id);
    if (modMain::NormalizaPalavra(modMain::CortaEmNbsp(titulo)) != chave) itens.append(titulo);
    for (const QString& forma : b->formasDe(id)) {
      if (modMain::NormalizaPalavra(forma) != chave && !itens.contains(forma)) itens.append(forma);
    }
    for (const QString& item : itens) lista += item + u'|' + QString::number(id) + u'|';
    quantas += static_cast<std::int32_t>(itens.size());
  }
  return quantas > 0 ? quantas : -1;
}

std::int32_t DLLMiniVocabraDB::PesquisaReversa(const QString& texto, QString& /*buffer*/,
                                               std::int32_t /*reservado1*/, std::int32_t /*reservado2*/,
                                               std::int32_t& inicio) {
  inicio = 0;
  resultados_.clear();
  if (base() == nullptr) return 0;
  resultados_ = pesquisaTexto_->pesquisa(texto);
  return static_cast<std::int32_t>(resultados_.size());
}

void DLLMiniVocabraDB::DefineFiltro(std::int16_t operacao, std::int16_t valor) {
  switch (operacao) {
    case 0: filtro_.inicia(); break;
    case 2: filtro_.intersecta(valor - 8); break;
    case 3: filtro_.une(valor - 8); break;
    case 1: {
      BaseDicionario* b = base();
      if (b == nullptr || filtro_.vazio()) break;
      std::erase_if(resultados_, [&](std::int32_t id) { return !filtro_.aceita(b->indice().classes(id)); });
      break;
    }
    default: break;
  }
}

std::int32_t DLLMiniVocabraDB::ObtemTotalResultados() { return static_cast<std::int32_t>(resultados_.size()); }

std::int32_t DLLMiniVocabraDB::ObtemPagina(std::int16_t modo, std::int32_t inicio, QString& pagina) {
  pagina.clear();
  if (base() == nullptr) return -1;
  if (modo == 0) return paginaDosResultados(inicio, pagina);
  if (modo == 1) return paginaAlfabetica(inicio, pagina);
  return -1;
}

std::int32_t DLLMiniVocabraDB::paginaDosResultados(std::int32_t inicio, QString& pagina) const {
  const auto total = static_cast<std::int32_t>(resultados_.size());
  const std::int32_t de = std::max(inicio, 0);
  if (de >= total) return -1;
  const std::int32_t ate = std::min(total, de + tamanhoPagina_);
  for (std::int32_t i = de; i < ate; ++i) acrescentaLinha(resultados_[static_cast<std::size_t>(i)], pagina);
  return ate < total ? ate : -1;
}

std::int32_t DLLMiniVocabraDB::paginaAlfabetica(std::int32_t inicio, QString& pagina) const {
  const std::int32_t fimFaixa = faixaAte_ < 0 ? base_->indice().total() : faixaAte_;
  const std::int32_t de = std::max(inicio, faixaDe_);
  if (de >= fimFaixa) return -1;
  const std::int32_t ate = std::min(fimFaixa, de + tamanhoPagina_);
  for (std::int32_t id = de; id < ate; ++id) acrescentaLinha(id, pagina);
  return ate < fimFaixa ? ate : -1;
}

void DLLMiniVocabraDB::acrescentaLinha(std::int32_t id, QString& pagina) const {
  pagina += base_->indice().titulo(id);
  pagina += u'|';
  pagina += QString::number(id);
  pagina += u'|';
}

bool DLLMiniVocabraDB::TemConjugacao(std::int32_t id) {
  BaseDicionario* b = base();
  return b != nullptr && b->indice().valido(id) && !b->conjugacao(id).isEmpty();
}

QString DLLMiniVocabraDB::ObtemConjugacao(const QString& verbo) {
  BaseDicionario* b = base();
  const std::string chave = chaveUtf8(verbo);
  if (b == nullptr || chave.empty()) return QString();
  const auto [de, ate] = b->indice().chaves().faixaIgual(chave);
  QString primeira;
  for (qsizetype id = de; id < ate; ++id) {
    const QString dados = b->conjugacao(static_cast<std::int32_t>(id));
    if (dados.isEmpty()) continue;
    if (b->indice().titulo(static_cast<std::int32_t>(id)) == verbo) return dados;
    if (primeira.isEmpty()) primeira = dados;
  }
  return primeira;
}

QString DLLMiniVocabraDB::ExpandeAbreviatura(const QString& palavra) {
  BaseDicionario* b = base();
  if (b == nullptr) return QString();
  const QString significados = b->abreviatura(palavra.trimmed());
  return significados.isEmpty() ? QString() : significados + u'|';
}

QString DLLMiniVocabraDB::ObtemVerbete(std::int32_t id, QString& html, std::int32_t chave) {
  html.clear();
  BaseDicionario* b = base();
  if (b == nullptr || !b->indice().valido(id)) return QString();
  const QString titulo = b->indice().titulo(id);
  if (chave == 0) return titulo;
  const std::optional<QByteArray> guardado = b->textoGuardado(id);
  if (!guardado) return titulo;
  const std::optional<QByteArray> texto = dicionario::embaralhamento::desembaralha(*guardado, id, chave);
  if (!texto) return titulo;
  const std::optional<dicionario::ConteudoVerbete> conteudo = dicionario::leConteudo(*texto);
  if (conteudo) html = html_->monta(titulo, *conteudo);
  return titulo;
}
