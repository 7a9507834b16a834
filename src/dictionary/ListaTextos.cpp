#include "ListaTextos.h"

#include <cstring>

namespace dicionario {

bool ListaTextos::carrega(QByteArray dados) {
  dados_.clear();
  inicios_.assign(1, 0);
  if (!dados.isEmpty() && !dados.endsWith('\n')) return false;
  if (dados.size() > static_cast<qsizetype>(UINT32_MAX)) return false;
  std::vector<std::uint32_t> inicios{0};
  const char* base = dados.constData();
  const char* fim = base + dados.size();
  for (const char* p = base; p < fim;) {
    const auto* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(fim - p)));
    p = nl + 1;
    inicios.push_back(static_cast<std::uint32_t>(p - base));
  }
  dados_ = std::move(dados);
  inicios_ = std::move(inicios);
  return true;
}

std::string_view ListaTextos::em(qsizetype i) const {
  const std::uint32_t de = inicios_[static_cast<std::size_t>(i)];
  const std::uint32_t ate = inicios_[static_cast<std::size_t>(i) + 1] - 1;
  return {dados_.constData() + de, ate - de};
}

QString ListaTextos::textoEm(qsizetype i) const {
  const std::string_view t = em(i);
  return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

bool ListaTextos::ordenada() const {
  for (qsizetype i = 1; i < tamanho(); ++i) {
    if (em(i) < em(i - 1)) return false;
  }
  return true;
}

qsizetype ListaTextos::primeiroNaoMenor(std::string_view texto) const {
  qsizetype de = 0;
  qsizetype ate = tamanho();
  while (de < ate) {
    const qsizetype meio = de + (ate - de) / 2;
    if (em(meio) < texto) {
      de = meio + 1;
    } else {
      ate = meio;
    }
  }
  return de;
}

std::pair<qsizetype, qsizetype> ListaTextos::faixaComPrefixo(std::string_view prefixo) const {
  const qsizetype primeiro = primeiroNaoMenor(prefixo);
  qsizetype de = primeiro;
  qsizetype ate = tamanho();
  while (de < ate) {  // the first text past `primeiro` that no longer starts with the prefix
    const qsizetype meio = de + (ate - de) / 2;
    if (em(meio).starts_with(prefixo)) {
      de = meio + 1;
    } else {
      ate = meio;
    }
  }
  return {primeiro, de};
}

std::pair<qsizetype, qsizetype> ListaTextos::faixaIgual(std::string_view texto) const {
  const qsizetype primeiro = primeiroNaoMenor(texto);
  qsizetype fim = primeiro;
  while (fim < tamanho() && em(fim) == texto) ++fim;
  return {primeiro, fim};
}

}  // namespace dicionario
