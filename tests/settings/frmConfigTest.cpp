#include "frmConfig.h"

#include "DialogosFixture.h"
#include "Register.h"
#include "ResourceStrings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

class ConfigGerais : public DialogosFixture {
 protected:
  ConfigGerais()
      : dlg(frmConfig::Dependencias{config, registry, dialogs, comando(), [this](int v) { somarJanela = v; }}) {
    QDir(world.programDir()).mkpath(QStringLiteral("notas"));  // as the build's program folder has it
  }
  // Opens the dialog as the main window does (shown, not run modally).
  void abre() {
    dlg.Cancela = false;
    dlg.show();
  }
  template <class T>
  T* controle(const char* nome) {
    T* c = dlg.findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(c, nullptr) << nome;
    return c;
  }
  void clica(const char* nome) { QTest::mouseClick(controle<QWidget>(nome), Qt::LeftButton); }
  QCheckBox* filtro() { return controle<QCheckBox>("checkFiltro0"); }
  QLineEdit* pasta() { return controle<QLineEdit>("txtDirNotas"); }
  QComboBox* modo() { return controle<QComboBox>("ComboApresentacao"); }
  QString notasPadrao() const { return world.programDir() + QStringLiteral("/notas"); }

  int somarJanela = -1;
  frmConfig dlg;
};

TEST_F(ConfigGerais, OpensOnTheSavedOptions) {
  config.GravaReg(QStringLiteral("SomarFiltros"), QStringLiteral("1"));
  config.GravaReg(QStringLiteral("DirNotas"), QStringLiteral("/home/x/notas"));
  config.GravaReg(QStringLiteral("FormaApresentacao"), QStringLiteral(" 2"));
  Register::RegistraAddinWord(registry);
  abre();
  EXPECT_EQ(filtro()->checkState(), Qt::Checked);
  EXPECT_EQ(pasta()->text(), QStringLiteral("/home/x/notas"));
  EXPECT_EQ(modo()->currentIndex(), 2);
  EXPECT_FALSE(controle<QCheckBox>("checkFiltro1")->isVisible());
  EXPECT_TRUE(controle<QCheckBox>("checkFiltro1")->isChecked());
}

// The folder box shows Linux paths: the default, and a value an older
// settings file stored with "\"; without a writable notas in the program
// folder the default is the user's own.
TEST_F(ConfigGerais, TheFolderBoxShowsTheNotesFolderAsALinuxPath) {
  const QString doUsuario = world.dataHome() + QStringLiteral("/minivocabra/notas");
  const struct {
    const char* salvo;
    bool notasNoPrograma;
    QString mostrado;
  } casos[] = {
      {nullptr, true, notasPadrao()},
      {nullptr, false, doUsuario},
      {"program\\notas", false, notasPadrao()},
  };
  for (const auto& c : casos) {
    if (!c.notasNoPrograma) world.replaceWithFile(QStringLiteral("program/notas"));
    if (c.salvo) config.GravaReg(QStringLiteral("DirNotas"), world.root() + u'\\' + QString::fromLatin1(c.salvo));
    frmConfig novo(frmConfig::Dependencias{config, registry, dialogs, {}, {}});
    novo.show();
    EXPECT_EQ(novo.findChild<QLineEdit*>(QStringLiteral("txtDirNotas"))->text(), c.mostrado) << c.salvo;
  }
}

// Stored values the controls cannot show open as the defaults.
TEST_F(ConfigGerais, ReadsItsNumbersLenientlyAndOutOfRangeAsTheDefault) {
  const struct {
    const char* somar;
    const char* forma;
    Qt::CheckState filtro;
    int modo;
  } casos[] = {
      {nullptr, nullptr, Qt::Unchecked, 0}, {"2", "1x", Qt::PartiallyChecked, 1},
      {"7", "5", Qt::Unchecked, 0},         {"abc", "-1", Qt::Unchecked, 0},
  };
  for (const auto& c : casos) {
    ScriptedDialogs d;
    frmConfig novo(frmConfig::Dependencias{config, registry, d, {}, {}});
    if (c.somar) config.GravaReg(QStringLiteral("SomarFiltros"), QString::fromLatin1(c.somar));
    if (c.forma) config.GravaReg(QStringLiteral("FormaApresentacao"), QString::fromLatin1(c.forma));
    novo.show();
    EXPECT_EQ(novo.findChild<QCheckBox*>(QStringLiteral("checkFiltro0"))->checkState(), c.filtro) << c.somar;
    EXPECT_EQ(novo.findChild<QComboBox*>(QStringLiteral("ComboApresentacao"))->currentIndex(), c.modo) << c.forma;
    EXPECT_EQ(novo.findChild<QLineEdit*>(QStringLiteral("txtDirNotas"))->text(), notasPadrao());
  }
}

TEST_F(ConfigGerais, OkSavesTellsTheMainWindowAndKeepsTheAddinAsItWas) {
  abre();
  clica("checkFiltro0");
  const QString minhas = world.root() + QStringLiteral("/minhas notas");
  QDir().mkpath(minhas);
  pasta()->setText(u' ' + minhas + u' ');
  modo()->setCurrentIndex(1);
  clica("cmdOK");
  EXPECT_FALSE(dlg.Cancela);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(salvo(QStringLiteral("SomarFiltros")), QStringLiteral("1"));
  EXPECT_EQ(salvo(QStringLiteral("DirNotas")), minhas) << "without the blanks around it";
  EXPECT_EQ(salvo(QStringLiteral("FormaApresentacao")), QStringLiteral("1"));
  EXPECT_EQ(somarJanela, 1);
  EXPECT_EQ(comandos, QStringList{QStringLiteral("DirNotas")});
  EXPECT_FALSE(Register::VerificaAddinInstalado(registry));
  EXPECT_TRUE(dialogs.prompts().isEmpty());
}

TEST_F(ConfigGerais, ABlankNotesFolderAsksFirst) {
  abre();
  pasta()->setText(QStringLiteral("   "));
  dialogs.answer(dlg::vbNo);
  clica("cmdOK");
  ASSERT_EQ(dialogs.prompts(), QStringList{LoadResString(370)});
  EXPECT_EQ(dialogs.calls()[0].style, dlg::vbYesNo);
  EXPECT_EQ(dialogs.calls()[0].title, LoadResString(100));
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(salvo(QStringLiteral("DirNotas")), QStringLiteral("<nada>"));
  EXPECT_TRUE(comandos.isEmpty());

  clica("cmdOK");  // Yes
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(salvo(QStringLiteral("DirNotas")), QStringLiteral("   "));
  EXPECT_EQ(comandos, QStringList{QStringLiteral("DirNotas")});
}

// Cancel, the close box and Escape hide the dialog; the next opening shows
// the saved options again, whatever was left in the controls.
TEST_F(ConfigGerais, ClosingWithoutOkSavesNothingAndTheNextOpeningShowsTheSavedOptions) {
  config.GravaReg(QStringLiteral("DirNotas"), QStringLiteral("/srv/notas"));
  config.GravaReg(QStringLiteral("FormaApresentacao"), QStringLiteral("2"));
  for (const auto& sai : saidasSemOk([this] { return &dlg; })) {
    abre();
    filtro()->setCheckState(Qt::Checked);
    pasta()->clear();
    modo()->setCurrentIndex(0);
    sai();
    EXPECT_TRUE(dlg.Cancela);
    EXPECT_FALSE(dlg.isVisible());
    abre();
    EXPECT_EQ(filtro()->checkState(), Qt::Unchecked);
    EXPECT_EQ(pasta()->text(), QStringLiteral("/srv/notas"));
    EXPECT_EQ(modo()->currentIndex(), 2);
    dlg.hide();
  }
  EXPECT_EQ(salvo(QStringLiteral("SomarFiltros")), QStringLiteral("<nada>"));
  EXPECT_TRUE(comandos.isEmpty());
  EXPECT_EQ(somarJanela, -1);
  EXPECT_TRUE(dialogs.prompts().isEmpty()) << "no OK, so no question about a blank folder";
}

TEST_F(ConfigGerais, RestoreThenOkSavesTheDefaultsAndLeavesTheAddin) {
  config.GravaReg(QStringLiteral("SomarFiltros"), QStringLiteral("1"));
  config.GravaReg(QStringLiteral("DirNotas"), QStringLiteral("/x"));
  config.GravaReg(QStringLiteral("FormaApresentacao"), QStringLiteral("2"));
  Register::RegistraAddinWord(registry);
  abre();
  dialogs.answer(dlg::vbNo);
  clica("cmdRestaurar");
  EXPECT_EQ(pasta()->text(), QStringLiteral("/x"));
  clica("cmdRestaurar");
  EXPECT_EQ(dialogs.prompts(), QStringList(2, LoadResString(709)));
  EXPECT_EQ(salvo(QStringLiteral("DirNotas")), QStringLiteral("/x")) << "nothing saved before OK";
  clica("cmdOK");
  EXPECT_EQ(salvo(QStringLiteral("SomarFiltros")), QStringLiteral("0"));
  EXPECT_EQ(salvo(QStringLiteral("DirNotas")), notasPadrao());
  EXPECT_EQ(salvo(QStringLiteral("FormaApresentacao")), QStringLiteral("0"));
  EXPECT_TRUE(Register::VerificaAddinInstalado(registry));
}

// As the main window opens it: modally, once per menu choice. A greyed box
// read from the settings is saved as it shows.
TEST_F(ConfigGerais, RunsModallyUntilOkAndKeepsAGreyedBox) {
  config.GravaReg(QStringLiteral("SomarFiltros"), QStringLiteral("2"));
  for (const char* botao : {"cmdCancelar", "cmdOK"}) {
    dlg.Cancela = false;
    QTimer::singleShot(0, &dlg, [this, botao] { clica(botao); });
    dlg.exec();
    EXPECT_EQ(dlg.Cancela, QByteArray(botao) == "cmdCancelar") << botao;
  }
  EXPECT_EQ(salvo(QStringLiteral("SomarFiltros")), QStringLiteral("2"));
  EXPECT_EQ(somarJanela, 2);
}

TEST_F(ConfigGerais, TheFolderChooserReplacesTheFolderUnlessCancelled) {
  abre();
  const QString antes = pasta()->text();
  clica("cmdAlteraDiretorio");  // cancelled
  EXPECT_EQ(pasta()->text(), antes);
  dialogs.answerPath(QStringLiteral("/srv/notas/"));
  clica("cmdAlteraDiretorio");
  EXPECT_EQ(pasta()->text(), QStringLiteral("/srv/notas"));
  EXPECT_EQ(dialogs.chooserTitles(), std::vector<QString>(2, QStringLiteral("Seleciona um diretório")));
}

}  // namespace
