#include "IndicePalavras.h"

#include "ConexaoSqlite.h"
#include "FormatoDados.h"

#include <optional>

namespace dicionario {
namespace {

std::optional<QByteArray> leBlob(const ConexaoSqlite& conexao, const char* nome) {
  ComandoSqlite comando(conexao, "SELECT dados FROM indice WHERE nome = ?");
  if (!comando.valido()) return std::nullopt;
  comando.ligaTexto(1, nome);
  if (!comando.proxima()) return std::nullopt;
  return comando.blob(0);
}

bool carregaLista(const ConexaoSqlite& conexao, const char* nome, ListaTextos& lista) {
  std::optional<QByteArray> dados = leBlob(conexao, nome);
  return dados && lista.carrega(std::move(*dados));
}

}  // namespace

bool IndicePalavras::carrega(const ConexaoSqlite& conexao, std::int32_t totalEsperado) {
  if (!carregaLista(conexao, formato::kIndiceTitulos, titulos_) ||
      !carregaLista(conexao, formato::kIndiceChaves, chaves_) ||
      !carregaLista(conexao, formato::kIndiceTermos, termos_)) {
    return false;
  }
  const std::optional<QByteArray> classes = leBlob(conexao, formato::kIndiceClasses);
  if (!classes || titulos_.tamanho() != totalEsperado || chaves_.tamanho() != totalEsperado ||
      classes->size() != 2 * static_cast<qsizetype>(totalEsperado)) {
    return false;
  }
  classes_.resize(static_cast<std::size_t>(totalEsperado));
  for (std::size_t i = 0; i < classes_.size(); ++i) {
    classes_[i] = static_cast<std::uint16_t>(static_cast<std::uint8_t>((*classes)[2 * i]) |
                                             static_cast<std::uint8_t>((*classes)[2 * i + 1]) << 8);
  }
  return chaves_.ordenada() && termos_.ordenada();
}

}  // namespace dicionario
