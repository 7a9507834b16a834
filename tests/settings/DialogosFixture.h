#pragma once

#include "CConfig.h"
#include "ComandoMenu.h"
#include "FakeJanela.h"
#include "FakeScreen.h"
#include "Registry.h"
#include "ScriptedDialogs.h"
#include "TestFolders.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// A world for the settings dialogs: a program folder copy, the registry,
// the settings loaded from it, scripted dialogs and the commands the main
// window received.
class DialogosFixture : public ::testing::Test {
 protected:
  DialogosFixture() : registry(world.userHive(), world.machineHive(), nullptr), config(registry, dialogs), janela(tela) {
    config.Inicializar(janela);
  }

  // What the user saved: the value, or "<nada>".
  QString salvo(const QString& nome) { return config.LeReg(nome, QStringLiteral("<nada>")); }
  // The prompts of the message boxes shown, in order.
  QStringList mensagens() const {
    QStringList textos;
    for (const auto& call : dialogs.calls()) textos << call.prompt;
    return textos;
  }
  ComandoMenu comando() {
    return [this](const QString& c) { comandos << c; };
  }
  static void deixaRodar() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }

  TestFolders world{true};
  reg::Registry registry;
  ScriptedDialogs dialogs;
  CConfig config;
  FakeScreen tela;
  FakeJanela janela;
  QStringList comandos;
};
