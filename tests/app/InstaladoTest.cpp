#include "AmostraCor.h"
#include "DLLMiniVocabraDB.h"
#include "FakeScreen.h"
#include "JanelaTeste.h"
#include "ProgramPaths.h"
#include "Registry.h"
#include "ScriptedDialogs.h"
#include "SingleInstance.h"
#include "TabelaChaves.h"
#include "VbColor.h"
#include "ViewHelpers.h"
#include "WebView.h"
#include "frmConfigVerbete.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The installed program run by a user who cannot write it. This test
// program sits in the installation's bin folder beside the program and is
// run by instalado.sh with the user's own folders in the environment:
// everything is found as the program finds it.
class Instalado : public ::testing::Test {
 protected:
  Instalado() : registro(reg::Registry::openDefault(nullptr)) {}

  std::unique_ptr<frmMain> inicia() {
    const QString dados = CConfig(*registro, dialogs).LeRegLM(QStringLiteral("DirInstalado"), QString());
    modMain::InicializaChaves();
    Servicos servicos{*registro, dialogs, tela, instancia,
                      [dados] { return std::make_unique<DLLMiniVocabraDB>(paths::toFileSystem(dados)); },
                      QString(), {}, {}};
    servicos.executaModal = [this](QDialog& dialogo) { mudaCorDoTitulo(dialogo); };
    auto janela = std::make_unique<frmMain>(std::move(servicos));
    EXPECT_TRUE(JanelaTeste::iniciaAtiva(*janela));
    return janela;
  }

  // In the entry-appearance dialog: the title's colour becomes 123456, then OK.
  void mudaCorDoTitulo(QDialog& dialogo) {
    auto* elementos = dialogo.findChild<QComboBox*>(QStringLiteral("comboElementos"));
    ASSERT_NE(elementos, nullptr) << "not the entry-appearance dialog";
    elementos->setCurrentText(QStringLiteral("Título"));
    dialogs.answerColor(vb::fromQColor(QColor(0x12, 0x34, 0x56)));
    QTest::mouseClick(dialogo.findChild<AmostraCor*>(QStringLiteral("pictureCorElemento")), Qt::LeftButton);
    QTest::mouseClick(dialogo.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
  }

  static QString corDoTitulo(frmMain& janela) {
    auto* visao = qobject_cast<WebView*>(janela.visaoPagina());
    if (visao == nullptr) return QStringLiteral("(no page view)");
    return RunScript(visao->page(), QStringLiteral("var t = document.getElementById('D_TIT');"
                                                   "t ? getComputedStyle(t).color : ''"))
        .toString();
  }

  ScriptedDialogs dialogs;
  FakeScreen tela;
  LockFileInstance instancia;
  std::unique_ptr<reg::Registry> registro;
};

TEST_F(Instalado, NotesAndAChangedStyleGoToTheUsersDataFolderAndTheEntryShowsTheStyle) {
  const QString programa = paths::appPath();
  ASSERT_TRUE(paths::isInstalledProgramFolder()) << qPrintable(programa);
  ASSERT_FALSE(QFileInfo(programa).isWritable()) << "the test runs as a user who may write the installation";
  const QString usuario = paths::userDataDir();

  auto janela = inicia();
  frmMainTeste t(*janela);
  EXPECT_EQ(t.config.LeReg(QStringLiteral("DirNotas"), QString()), usuario + QStringLiteral("/notas"));
  ASSERT_TRUE(JanelaTeste::digita(*janela, QStringLiteral("casa"), QStringLiteral("casa")));
  janela->ComandoMenu(QStringLiteral("nota"));
  t.txtNota->setPlainText(QStringLiteral("nota instalada"));
  ASSERT_TRUE(JanelaTeste::digita(*janela, QStringLiteral("bola"), QStringLiteral("bola")));
  const QStringList notas = QDir(usuario + QStringLiteral("/notas")).entryList({QStringLiteral("id*.txt")});
  ASSERT_EQ(notas.size(), 1);
  QFile nota(usuario + QStringLiteral("/notas/") + notas[0]);
  ASSERT_TRUE(nota.open(QIODevice::ReadOnly));
  EXPECT_EQ(nota.readAll(), QByteArray("nota instalada\r\n"));

  ASSERT_TRUE(JanelaTeste::digita(*janela, QStringLiteral("casa"), QStringLiteral("casa")));
  EXPECT_TRUE(t.m_Notas.EhVisivel());
  ASSERT_TRUE(QTest::qWaitFor([&] { return corDoTitulo(*janela) == u"rgb(51, 102, 153)"; }, 20000))
      << qPrintable(corDoTitulo(*janela));  // the installed sheet's 336699
  t.menus.mnu_configuraverbete->trigger();
  QFile folha(usuario + QStringLiteral("/css/estilo1.css"));
  ASSERT_TRUE(folha.open(QIODevice::ReadOnly));
  EXPECT_TRUE(folha.readAll().contains("#D_TIT { color: #123456;"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return corDoTitulo(*janela) == u"rgb(18, 52, 86)"; }, 20000))
      << qPrintable(corDoTitulo(*janela));
  EXPECT_TRUE(dialogs.prompts().isEmpty()) << qPrintable(dialogs.prompts().join(u'\n'));
}

}  // namespace
