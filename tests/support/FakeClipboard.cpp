#include "FakeClipboard.h"

bool FakeClipboard::Open() {
  chamadas_ << QStringLiteral("Open");
  if (ocupado || aberto_) return false;
  aberto_ = true;
  return true;
}

void FakeClipboard::Empty() {
  chamadas_ << QStringLiteral("Empty");
  if (aberto_) conteudo_.clear();
}

clip::Formato FakeClipboard::RegisterFormat(const QString& nome) {
  chamadas_ << QStringLiteral("RegisterFormat ") + nome;
  ++registros_;
  if (semRegistro) return 0;
  for (const auto& [id, n] : nomes_) {
    if (n == nome) return id;
  }
  const clip::Formato id = 0xC000 + static_cast<clip::Formato>(nomes_.size());
  nomes_.emplace(id, nome);
  return id;
}

bool FakeClipboard::SetData(clip::Formato formato, const QByteArray& dados) {
  const auto nome = nomes_.find(formato);
  chamadas_ << QStringLiteral("SetData ") + (nome == nomes_.end() ? QStringLiteral("?") : nome->second);
  if (!aberto_ || nome == nomes_.end()) return false;
  conteudo_[nome->second] = dados;
  return true;
}

void FakeClipboard::Close() {
  chamadas_ << QStringLiteral("Close");
  aberto_ = false;
}

void FakeClipboard::Clear() {
  chamadas_ << QStringLiteral("Clear");
  conteudo_.clear();
}

void FakeClipboard::SetText(const QString& texto) {
  chamadas_ << QStringLiteral("SetText");
  conteudo_[QStringLiteral("text")] = texto.toUtf8();
}

QByteArray FakeClipboard::dados(const QString& formato) const {
  const auto it = conteudo_.find(formato);
  return it == conteudo_.end() ? QByteArray() : it->second;
}
