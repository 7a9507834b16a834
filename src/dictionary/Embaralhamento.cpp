#include "Embaralhamento.h"

namespace dicionario::embaralhamento {
namespace {

constexpr int kTamanhoVerificacao = 4;

// splitmix64: a small, well-mixed generator for the key stream.
class Fluxo final {
 public:
  Fluxo(std::int32_t id, std::int32_t chave)
      : estado_((static_cast<std::uint64_t>(static_cast<std::uint32_t>(id)) << 32 |
                 static_cast<std::uint32_t>(chave)) ^ 0x6D696E69766F6361ULL) {}

  std::uint64_t proximo() {
    std::uint64_t z = (estado_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

 private:
  std::uint64_t estado_;
};

// FNV-1a of the text, mixed with the stream's first word so that the check
// itself differs from key to key.
std::uint32_t verificacao(const QByteArray& texto, std::uint64_t mistura) {
  std::uint32_t h = 2166136261u;
  for (const char c : texto) h = (h ^ static_cast<std::uint8_t>(c)) * 16777619u;
  return h ^ static_cast<std::uint32_t>(mistura);
}

void aplicaFluxo(char* dados, qsizetype tamanho, Fluxo& fluxo) {
  for (qsizetype i = 0; i < tamanho; i += 8) {
    std::uint64_t palavra = fluxo.proximo();
    for (qsizetype j = i; j < i + 8 && j < tamanho; ++j, palavra >>= 8) {
      dados[j] = static_cast<char>(static_cast<std::uint8_t>(dados[j]) ^ static_cast<std::uint8_t>(palavra));
    }
  }
}

}  // namespace

QByteArray embaralha(const QByteArray& texto, std::int32_t id, std::int32_t chave) {
  Fluxo fluxo(id, chave);
  const std::uint32_t v = verificacao(texto, fluxo.proximo());
  QByteArray saida(kTamanhoVerificacao, '\0');
  for (int i = 0; i < kTamanhoVerificacao; ++i) saida[i] = static_cast<char>(v >> (8 * i));
  QByteArray corpo = texto;
  aplicaFluxo(corpo.data(), corpo.size(), fluxo);
  return saida + corpo;
}

std::optional<QByteArray> desembaralha(const QByteArray& dados, std::int32_t id, std::int32_t chave) {
  if (dados.size() < kTamanhoVerificacao) return std::nullopt;
  std::uint32_t guardada = 0;
  for (int i = 0; i < kTamanhoVerificacao; ++i) {
    guardada |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(dados[i])) << (8 * i);
  }
  Fluxo fluxo(id, chave);
  const std::uint64_t primeira = fluxo.proximo();
  QByteArray texto = dados.mid(kTamanhoVerificacao);
  aplicaFluxo(texto.data(), texto.size(), fluxo);
  if (verificacao(texto, primeira) != guardada) return std::nullopt;
  return texto;
}

}  // namespace dicionario::embaralhamento
