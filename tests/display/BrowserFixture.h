#pragma once

#include "CBrowser.h"
#include "FakeClipboard.h"
#include "ProgramPaths.h"
#include "TestFolders.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A CBrowser in a window of plain widgets, over a private copy of the
// program folder, with a stand-in for the view (no browser engine).
class BrowserFixture : public ::testing::Test {
 protected:
  BrowserFixture() {
    aguarde->resize(100, 40);
    pesquisando->resize(60, 20);
    browser.Inicializa();
    EXPECT_TRUE(QTest::qWaitFor([this] { return browser.visao() != nullptr; }, 1000));  // made on the next turn
  }

  static CBrowser::Dependencias dependencias(BrowserFixture* self) {
    CBrowser::Dependencias d;
    d.controles = {self->recorte, self->aguarde, self->pesquisando};
    d.montaTextoVersao = [] { return QStringLiteral("<b>Interface 1.0.5</b>"); };
    d.abreExterno = [self](const QUrl& url) { self->abertos.push_back(url); };
    d.criaVisao = [](QWidget* host, WebBrowser&) { return new QWidget(host); };
    d.clipboard = &self->clipboard;
    return d;
  }

  // Lets the pending page complete.
  static void completa() { QCoreApplication::processEvents(); }

  // Loads the template (start-up), so pages are written straight in.
  void carregaModelo() {
    browser.AlteraModelo(0);
    completa();
    ASSERT_EQ(browser.getEstado(), 2);
  }

  void mostraAjuda(const char* pagina = "\\manual\\manual.htm") {
    browser.MostraPagina(paths::appPath() + QString::fromUtf8(pagina));
    completa();
  }

  QString area() { return browser.navegador().document().innerHTML(QStringLiteral("AreaVerbete")).value_or(QString()); }
  QString elemento(const char* id) {
    return browser.navegador().document().innerHTML(QString::fromUtf8(id)).value_or(QStringLiteral("<none>"));
  }
  QString visibilidade() {
    return browser.navegador().document().styleProperty(QStringLiteral("table1"), QStringLiteral("visibility"))
        .value_or(QStringLiteral("<none>"));
  }

  TestFolders folders{true};
  std::unique_ptr<QWidget> janela = std::make_unique<QWidget>();
  QWidget* recorte = new QWidget(janela.get());   // owned by the window
  QWidget* aguarde = new QWidget(recorte);        // owned by the window
  QWidget* pesquisando = new QWidget(recorte);    // owned by the window
  std::vector<QUrl> abertos;
  FakeClipboard clipboard;
  CBrowser browser{dependencias(this)};
  QSignalSpy carregado{&browser, &CBrowser::Carregado};
  QSignalSpy historico{&browser, &CBrowser::Historico};
  QSignalSpy histPagina{&browser, &CBrowser::HistPagina};
  QSignalSpy execComando{&browser, &CBrowser::ExecComando};
};
