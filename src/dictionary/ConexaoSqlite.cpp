#include "ConexaoSqlite.h"

#include <sqlite3.h>

namespace dicionario {

ConexaoSqlite::ConexaoSqlite(const QString& arquivo, Modo modo) {
  const int flags = modo == Modo::Leitura ? SQLITE_OPEN_READONLY
                                          : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(arquivo.toUtf8().constData(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc == SQLITE_OK) {
    db_ = db;
    return;
  }
  erroAbertura_ = db != nullptr ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
  sqlite3_close(db);
}

ConexaoSqlite::~ConexaoSqlite() { sqlite3_close(db_); }

bool ConexaoSqlite::executa(const char* sql) {
  return db_ != nullptr && sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

QString ConexaoSqlite::erro() const {
  return db_ != nullptr ? QString::fromUtf8(sqlite3_errmsg(db_)) : erroAbertura_;
}

ComandoSqlite::ComandoSqlite(const ConexaoSqlite& conexao, std::string_view sql) {
  if (!conexao.aberta()) return;
  if (sqlite3_prepare_v2(conexao.handle(), sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) != SQLITE_OK) {
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
  }
}

ComandoSqlite::~ComandoSqlite() { sqlite3_finalize(stmt_); }

void ComandoSqlite::liga(int indice, qint64 valor) { sqlite3_bind_int64(stmt_, indice, valor); }

void ComandoSqlite::liga(int indice, const QString& texto) {
  const QByteArray utf8 = texto.toUtf8();
  ligaTexto(indice, std::string_view(utf8.constData(), utf8.size()));
}

void ComandoSqlite::ligaTexto(int indice, std::string_view utf8) {
  sqlite3_bind_text64(stmt_, indice, utf8.data(), utf8.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

void ComandoSqlite::ligaBlob(int indice, const QByteArray& dados) {
  if (dados.isEmpty()) {  // a null pointer would bind NULL, not an empty blob
    sqlite3_bind_zeroblob(stmt_, indice, 0);
    return;
  }
  sqlite3_bind_blob64(stmt_, indice, dados.constData(), static_cast<sqlite3_uint64>(dados.size()), SQLITE_TRANSIENT);
}

bool ComandoSqlite::proxima() {
  if (stmt_ == nullptr) {
    falhou_ = true;
    return false;
  }
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  falhou_ = rc != SQLITE_DONE;
  return false;
}

bool ComandoSqlite::executa() {
  while (proxima()) {
  }
  return !falhou_;
}

void ComandoSqlite::reinicia() {
  if (stmt_ == nullptr) return;
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
  falhou_ = false;
}

qint64 ComandoSqlite::inteiro(int coluna) const { return sqlite3_column_int64(stmt_, coluna); }

QString ComandoSqlite::texto(int coluna) const {
  const auto* dados = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, coluna));
  return QString::fromUtf8(dados, sqlite3_column_bytes(stmt_, coluna));
}

QByteArray ComandoSqlite::blob(int coluna) const {
  const auto* dados = static_cast<const char*>(sqlite3_column_blob(stmt_, coluna));
  return QByteArray(dados, sqlite3_column_bytes(stmt_, coluna));
}

}  // namespace dicionario
