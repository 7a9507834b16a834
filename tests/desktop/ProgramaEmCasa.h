#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

// The program as built, run as a user runs it on the test's desktop: in a
// home of its own (settings, data, notes and run-time folders). The user's
// hive names the notes folder of that home, which the build's program
// folder lacks (the program would say so in a message box over the start).
class ProgramaEmCasa final {
 public:
  ProgramaEmCasa();
  ~ProgramaEmCasa();
  Q_DISABLE_COPY_MOVE(ProgramaEmCasa)

  // Stores the text `valor` as the setting `nome` in the user's hive.
  void grava(const QByteArray& nome, const QByteArray& valor);
  // The setting `nome` as the program left it in the user's hive; "" when
  // it is not there.
  QString salvo(const QByteArray& nome) const;
  QString pastaNotas() const { return m_casa.path() + QStringLiteral("/notas"); }

  // Starts a copy of the program; `ajuste` may change its environment first.
  // Copies still running at the end are killed.
  QProcess& inicia(const std::function<void(QProcessEnvironment&)>& ajuste = {});

 private:
  QString hive() const;

  QTemporaryDir m_casa;
  std::vector<std::unique_ptr<QProcess>> m_copias;
};
