#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace dicionario {

// One SQLite database file, open for the object's life.
class ConexaoSqlite final {
 public:
  enum class Modo { Leitura, Criacao };

  // Opens `arquivo`: `Leitura` read-only (a missing file fails), `Criacao`
  // read-write, creating the file. Check aberta() before any other call.
  ConexaoSqlite(const QString& arquivo, Modo modo);
  ~ConexaoSqlite();
  Q_DISABLE_COPY_MOVE(ConexaoSqlite)

  bool aberta() const { return db_ != nullptr; }
  // Runs one or more statements that return no rows; false on the first
  // failure, with erro() saying why.
  bool executa(const char* sql);
  QString erro() const;
  sqlite3* handle() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
  QString erroAbertura_;
};

// One prepared statement on an open connection.
class ComandoSqlite final {
 public:
  // Prepares `sql`; valido() is false when it does not compile (an unknown
  // table in a foreign or damaged file, say).
  ComandoSqlite(const ConexaoSqlite& conexao, std::string_view sql);
  ~ComandoSqlite();
  Q_DISABLE_COPY_MOVE(ComandoSqlite)

  bool valido() const { return stmt_ != nullptr; }
  // Parameters count from 1. Text and blobs are copied by SQLite.
  void liga(int indice, qint64 valor);
  void liga(int indice, const QString& texto);
  void ligaTexto(int indice, std::string_view utf8);
  void ligaBlob(int indice, const QByteArray& dados);

  // Steps once: true while a row is there. After the last row, or on an
  // error, false; falhou() tells the two apart.
  bool proxima();
  // Steps to the end; true when the statement completed.
  bool executa();
  // Ready to run again, with the parameters cleared.
  void reinicia();
  bool falhou() const { return falhou_; }

  qint64 inteiro(int coluna) const;
  QString texto(int coluna) const;
  QByteArray blob(int coluna) const;

 private:
  sqlite3_stmt* stmt_ = nullptr;
  bool falhou_ = false;
};

}  // namespace dicionario
