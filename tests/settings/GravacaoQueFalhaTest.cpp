#include "frmConfig.h"
#include "frmConfigLista.h"
#include "frmConfigVerbete.h"

#include "Ansi.h"
#include "DialogosFixture.h"
#include "FailingFileWriter.h"
#include "ResourceStrings.h"
#include "SmallDisk.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Message `id`, naming the settings file of `c`.
QString falha(const Configuracoes& c, int id) {
  return LoadResString(id).replace(QStringLiteral("%1"), c.registry.HiveFilePath(reg::HKEY_CURRENT_USER));
}

// What is on disk: the value as a new start would read it.
QString noDisco(const QString& hive, const QString& maquina, const QString& nome) {
  Configuracoes relido(hive, maquina);
  return relido.config.LeReg(nome, QStringLiteral("<nada>"));
}

void clica(QWidget& dialogo, const char* nome) {
  QTest::mouseClick(dialogo.findChild<QWidget*>(QString::fromLatin1(nome)), Qt::LeftButton);
}

// The general options dialog confirmed while the settings file cannot take
// its next version: `semEspaco` runs the OK it is given with the room taken
// away. The dialog says so naming the file, stays open, tells nothing to
// the main window, and the old folder is still on disk.
void confirmaSemEspaco(const TestFolders& world, const QString& hive,
                       const std::function<void(const std::function<void()>& ok)>& semEspaco) {
  const QString antiga = world.root() + QStringLiteral("/antiga");
  QStringList comandos;
  int somar = -1;
  {
    Configuracoes c(hive, world.machineHive());
    ASSERT_TRUE(c.config.GravaReg(QStringLiteral("DirNotas"), antiga));
    frmConfig dlg(frmConfig::Dependencias{c.config, c.registry, c.dialogs,
                                          [&comandos](const QString& nome) { comandos << nome; },
                                          [&somar](int valor) { somar = valor; }});
    dlg.show();
    dlg.findChild<QLineEdit*>(QStringLiteral("txtDirNotas"))->setText(world.root());
    semEspaco([&dlg] { clica(dlg, "cmdOK"); });
    EXPECT_TRUE(dlg.isVisible());
    ASSERT_EQ(c.dialogs.prompts(), QStringList{falha(c, 890)});
    EXPECT_TRUE(c.dialogs.prompts()[0].contains(hive));
    EXPECT_TRUE(comandos.isEmpty());
    EXPECT_EQ(somar, -1);
    EXPECT_EQ(c.config.LeReg(QStringLiteral("DirNotas"), QString()), antiga);
  }
  EXPECT_EQ(noDisco(hive, world.machineHive(), QStringLiteral("DirNotas")), antiga);
  EXPECT_EQ(noDisco(hive, world.machineHive(), QStringLiteral("SomarFiltros")), QStringLiteral("<nada>"));
}

TEST(GravacaoQueFalha, TheOptionsDialogOnAFullDiskSaysSoAndStaysOpen) {
  TestFolders world;
  const SmallDisk disco(64);
  if (!disco.mounted()) GTEST_SKIP() << "cannot mount a small file system here";
  confirmaSemEspaco(world, disco.path() + QStringLiteral("/config/HKEY_CURRENT_USER.reg"),
                    [&disco](const std::function<void()>& ok) {
                      disco.fillLeaving(0);
                      ok();
                    });
}

TEST(GravacaoQueFalha, TheOptionsDialogPastAFileSizeLimitSaysSoAndStaysOpen) {
  TestFolders world;
  confirmaSemEspaco(world, world.userHive(), [](const std::function<void()>& ok) {
    const FileSizeLimit limite(64);
    ok();
  });
}

// The same for the other two dialogs, with a settings file that refuses
// every write: the list size and the appearance stay as edited in the open
// dialog, and the new style sheets are taken back.
class DialogosSemGravacao : public ::testing::Test {
 protected:
  DialogosSemGravacao() {
    world.write(QStringLiteral("program/mod.dat"), ansi::fromUnicode(QStringLiteral("A=<corAchega>;")));
    world.write(QStringLiteral("program/exemplo.htm"), "<estilo/>");
    world.write(QStringLiteral("program/css/estilo1.css"), "antiga");
    gravador.failWritesTo(QStringLiteral(".reg"));
  }

  TestFolders world;
  FailingFileWriter gravador;
  Configuracoes c{world.userHive(), world.machineHive(), gravador};
};

TEST_F(DialogosSemGravacao, TheListDialogSaysSoAndKeepsTheChoice) {
  frmConfigLista dlg(c.config, c.dialogs);
  dlg.show();
  dlg.findChild<QComboBox*>(QStringLiteral("comboListaVerbete"))->setCurrentIndex(1);
  clica(dlg, "cmdOK");
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(c.dialogs.prompts(), QStringList{falha(c, 890)});
  EXPECT_EQ(c.config.FonteLista, 1);
  gravador.stopFailing();
  clica(dlg, "cmdOK");
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(noDisco(world.userHive(), world.machineHive(), QStringLiteral("Fonte lista")), QStringLiteral("1"));
}

TEST_F(DialogosSemGravacao, TheAppearanceDialogSaysSoAndTakesTheNewSheetsBack) {
  frmConfigVerbete dlg(frmConfigVerbete::Dependencias{c.config, c.dialogs, {},
                                                      [](QWidget* host, WebBrowser&) { return new QWidget(host); }});
  dlg.show();
  c.config.ElementosVerbete[0].Cor = QStringLiteral("0A00FF");
  clica(dlg, "cmdOK");
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(c.dialogs.prompts(), QStringList{falha(c, 890)});
  EXPECT_EQ(world.read(QStringLiteral("program/css/estilo1.css")), "antiga");
  EXPECT_FALSE(QFile::exists(world.programDir() + QStringLiteral("/css/estilo2.css"))) << "made, then taken back";
  EXPECT_EQ(c.config.ElementosVerbete[0].Cor, QStringLiteral("0A00FF"));
  EXPECT_EQ(noDisco(world.userHive(), world.machineHive(), QStringLiteral("Achega - Cor ")), QStringLiteral("<nada>"));
}

// The program's own state is told once a run, however often it fails; a
// save the user asks for is told every time.
TEST_F(DialogosSemGravacao, TheProgramsOwnStateIsToldOnceAndTheUsersSavesEveryTime) {
  EXPECT_FALSE(c.config.GravaSituacao());
  EXPECT_FALSE(c.config.GravaGrupo(CConfig::Origem::Programa, [this] {
    c.config.GravaSituacao();  // a group inside the shutdown's
    c.config.GravaReg(QStringLiteral("ModoBusca"), QStringLiteral("1"));
  }));
  ASSERT_EQ(c.dialogs.prompts(), QStringList{falha(c, 891)});
  EXPECT_EQ(c.dialogs.calls()[0].title, LoadResString(100));
  EXPECT_FALSE(c.config.GravarConfiguracoesLista());
  EXPECT_FALSE(c.config.GravarConfiguracoesLista());
  EXPECT_EQ(c.dialogs.prompts(), (QStringList{falha(c, 891), falha(c, 890), falha(c, 890)}));
  EXPECT_EQ(c.config.LeReg(QStringLiteral("ModoBusca"), QStringLiteral("<nada>")), QStringLiteral("<nada>"));
}

}  // namespace
