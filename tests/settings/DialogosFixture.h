#pragma once

#include "CConfig.h"
#include "ComandoMenu.h"
#include "FakeJanela.h"
#include "FakeScreen.h"
#include "FileWriter.h"
#include "Registry.h"
#include "ScriptedDialogs.h"
#include "TestFolders.h"

#include <QCoreApplication>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTest>

#include <array>
#include <functional>

#include <gtest/gtest.h>

// Settings over the hives `hive` and `maquina`, written through
// `gravador`: the registry, the settings loaded from it, scripted dialogs
// and the main window the settings place.
struct Configuracoes {
  Configuracoes(const QString& hive, const QString& maquina, files::IFileWriter& gravador = files::disk())
      : registry(hive, maquina, nullptr, gravador), config(registry, dialogs), janela(tela) {
    config.Inicializar(janela);
  }

  reg::Registry registry;
  ScriptedDialogs dialogs;
  CConfig config;
  FakeScreen tela;
  FakeJanela janela;
};

// A copy of the program folder, made before the settings that read its hives.
struct MundoDoPrograma {
  TestFolders world{true};
};

// A world for the settings dialogs: a program folder copy, the settings
// over its hives, and the commands the main window received.
class DialogosFixture : public ::testing::Test, protected MundoDoPrograma, protected Configuracoes {
 protected:
  DialogosFixture() : Configuracoes(world.userHive(), world.machineHive()) {}

  // What the user saved: the value, or "<nada>".
  QString salvo(const QString& nome) { return config.LeReg(nome, QStringLiteral("<nada>")); }
  ComandoMenu comando() {
    return [this](const QString& c) { comandos << c; };
  }
  // The three ways to close a dialog without OK: its Cancel button, the
  // close box and Escape, each on the dialog `dialogo` gives at the time.
  static std::array<std::function<void()>, 3> saidasSemOk(const std::function<QDialog*()>& dialogo) {
    return {
        [dialogo] { QTest::mouseClick(dialogo()->findChild<QWidget*>(QStringLiteral("cmdCancelar")), Qt::LeftButton); },
        [dialogo] { dialogo()->close(); },
        [dialogo] { QTest::keyClick(dialogo(), Qt::Key_Escape); },
    };
  }
  static void deixaRodar() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }

  QStringList comandos;
};
