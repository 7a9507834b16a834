#pragma once

#include "frmMain.h"
#include "frmMainTeste.h"

#include "FakeScreen.h"
#include "MockMiniVocabraDB.h"
#include "Registry.h"
#include "ScriptedDialogs.h"
#include "TestFolders.h"
#include "ValoresRegistro.h"

#include <QDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// What a main window under test is given: a private program folder and
// hives, scripted dialogs, a fake screen, no other instance, and a page
// view that is a plain widget (no browser engine).
class JanelaTeste : public ::testing::Test {
 protected:
  using Fabrica = std::function<std::unique_ptr<IMiniVocabraDB>()>;

  using Componente = ::testing::NiceMock<MockMiniVocabraDB>;
  // Makes a mock component that opens its data; `ajusta` may script more.
  static Fabrica componenteQueAbre(std::function<void(Componente&)> ajusta = {}) {
    return [ajusta] {
      auto db = std::make_unique<Componente>();
      ON_CALL(*db, AbreDados()).WillByDefault(::testing::Return(true));
      if (ajusta) ajusta(*db);
      return db;
    };
  }

  // What the window is given, over `registro`, or over the world's hives
  // when null; a test may add to it.
  Servicos servicosDeTeste(Fabrica fabrica, const QString& linhaComando = QString(),
                           reg::IRegistry* registro = nullptr) {
    return Servicos{registro ? *registro : registry, dialogs, tela, instancia, std::move(fabrica), linhaComando,
                    [this] { splashEscondido = true; },
                    [](QWidget* host, WebBrowser&) { return new QWidget(host); }};  // owned by host
  }

  // The window over `registro`, or over the world's hives when null.
  std::unique_ptr<frmMain> criaJanela(Fabrica fabrica, const QString& linhaComando = QString(),
                                      reg::IRegistry* registro = nullptr) {
    return std::make_unique<frmMain>(servicosDeTeste(std::move(fabrica), linhaComando, registro));
  }

  // Loads the window, shows and activates it, runs the first activation and
  // lets the letter list load.
 public:
  static ::testing::AssertionResult iniciaAtiva(frmMain& janela) {
    if (!janela.Form_Load()) return ::testing::AssertionFailure() << "Form_Load ended the program";
    janela.show();
    janela.activateWindow();
    if (!QTest::qWaitForWindowActive(&janela)) return ::testing::AssertionFailure() << "the window never activated";
    janela.Form_Activate();
    const frmMainTeste t(janela);
    if (!QTest::qWaitFor([&t] { return !t.tmrListaCarga->Enabled(); }, 5000))
      return ::testing::AssertionFailure() << "the letter list never finished loading";
    return ::testing::AssertionSuccess();
  }

  // Loads the window and shows it as a desktop does, in the normal state at
  // 100, 80 and 900 x 700 (a first run opens maximised), active, with the
  // letter list loaded. No first activation: it shows no start page.
  static ::testing::AssertionResult mostraNormal(frmMain& janela) {
    if (!janela.Form_Load()) return ::testing::AssertionFailure() << "Form_Load ended the program";
    const frmMainTeste t(janela);
    t.config.RestaurarJanela();
    janela.setGeometry(100, 80, 900, 700);
    janela.show();
    janela.activateWindow();
    if (!QTest::qWaitForWindowActive(&janela)) return ::testing::AssertionFailure() << "the window never activated";
    if (!QTest::qWaitFor([&t] { return t.lista.UltimoIndice() >= 0 && !t.tmrListaCarga->Enabled(); }, 20000))
      return ::testing::AssertionFailure() << "the letter list never finished loading";
    return ::testing::AssertionSuccess();
  }

  // Types `texto` into an emptied search box and waits for the entry page
  // that holds `esperado` and for the letter list.
  static ::testing::AssertionResult digita(frmMain& janela, const QString& texto, const QString& esperado) {
    const frmMainTeste t(janela);
    t.txtEntrada->setFocus();
    t.txtEntrada->clear();
    QTest::keyClicks(t.txtEntrada, texto);
    const PageDocument& pagina = t.m_browser.navegador().document();
    if (!QTest::qWaitFor(
            [&] { return pagina.innerHTML(QStringLiteral("AreaVerbete")).value_or(QString()).contains(esperado); },
            5000))
      return ::testing::AssertionFailure() << "the entry of " << esperado.toStdString() << " never showed";
    if (!QTest::qWaitFor([&t] { return !t.tmrListaCarga->Enabled(); }, 5000))
      return ::testing::AssertionFailure() << "the letter list never finished loading";
    return ::testing::AssertionSuccess();
  }

 protected:
  // The notes in the world's own folder, with the same installation stamp
  // on both sides so that start-up keeps it.
  void usaPastaNotasPropria() {
    QDir().mkpath(world.notesDir());
    setHive(reg::HKEY_LOCAL_MACHINE, "Instalacao", "5");
    setHive(reg::HKEY_CURRENT_USER, "Instalacao", "5");
    setHive(reg::HKEY_CURRENT_USER, "DirNotas", world.notesDir().toUtf8());
  }

  void setHive(reg::HKEY raiz, const QByteArray& nome, const QByteArray& valor) {
    valores::gravaTexto(registry, raiz, valores::kChaveConfiguracoes, nome, valor);
  }

  class Instancia final : public ISingleInstance {
   public:
    bool outra = false;
    bool anotherIsRunning() override { return outra; }
  };

  TestFolders world{true};
  reg::Registry registry{world.userHive(), world.machineHive(), nullptr};
  ScriptedDialogs dialogs;
  FakeScreen tela;
  Instancia instancia;
  bool splashEscondido = false;
};
