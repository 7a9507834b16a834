#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

// The stored text of an entry is scrambled with the entry's key from the key
// table and its id, so that only a request with the right key can read it.
// Not encryption against a determined reader: it ties the data to the key
// table that ships with it.
namespace dicionario::embaralhamento {

// `texto` scrambled for entry `id` under `chave`: 4 bytes of check, then the
// scrambled bytes.
QByteArray embaralha(const QByteArray& texto, std::int32_t id, std::int32_t chave);

// The original text, or nothing when `dados` was not scrambled for this id
// and key (a wrong key, or damaged data): the check does not match.
std::optional<QByteArray> desembaralha(const QByteArray& dados, std::int32_t id, std::int32_t chave);

}  // namespace dicionario::embaralhamento
