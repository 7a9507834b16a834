#pragma once

#include "CNotas.h"

#include "FileWriter.h"
#include "ScriptedDialogs.h"
#include "TestFolders.h"

#include <QByteArray>
#include <QDir>
#include <QPlainTextEdit>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

// A bitmap of marks with the bits of `ids` set, `tamanho` bytes long.
inline QByteArray bitmap(std::initializer_list<int> ids, qsizetype tamanho = MarcasNotas::Tamanho) {
  QByteArray bytes(tamanho, '\0');
  for (int id : ids) bytes[id / 8] = static_cast<char>(bytes[id / 8] | (1 << (id % 8)));
  return bytes;
}

// One program's note box on the notes folder `pasta`, saving through
// `gravador`.
struct Programa {
  explicit Programa(const QString& pasta, files::IFileWriter& gravador = files::disk()) : notas(dialogos, gravador) {
    caixa.hide();
    indicador.hide();
    notas.Inicializa(caixa, pasta, indicador);
  }
  // Types `texto` into the box of entry `id` and moves on.
  void anota(std::int32_t id, const QString& texto) {
    notas.VerificaVerbete(id);
    notas.setVisible(true);
    caixa.setPlainText(texto);
    notas.VerificaVerbete(-1);
  }

  ScriptedDialogs dialogos;
  QWidget janela;
  QPlainTextEdit caixa{&janela};
  QWidget indicador{&janela};
  CNotas notas;
};

// A notes folder of the test's own, whose files the test writes and reads
// directly.
class NotasFixture : public ::testing::Test {
 protected:
  NotasFixture() { QDir().mkpath(mundo.notesDir()); }

  QString em(const QString& nome) const { return mundo.notesDir() + u'/' + nome; }
  void grava(const QString& nome, const QByteArray& bytes) const { mundo.write(QStringLiteral("notas/") + nome, bytes); }
  QByteArray le(const QString& nome) const { return mundo.read(QStringLiteral("notas/") + nome); }

  TestFolders mundo;
};
