#include "frmConfigVerbete.h"

#include "AmostraCor.h"
#include "Ansi.h"
#include "DialogosFixture.h"
#include "ResourceStrings.h"
#include "VbColor.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// A template that shows the placeholders the tests look at.
const QString kModelo = QStringLiteral("T=<corTítulo>/<estiloTítulo>/<italicoTítulo>;A=<corAchega>;s=<tamanhofonte>;");

class ConfigVerbete : public DialogosFixture {
 protected:
  ConfigVerbete() {
    world.write(QStringLiteral("program/mod.dat"), ansi::fromUnicode(kModelo));
    world.write(QStringLiteral("program/exemplo.htm"), "<style><estilo/></style><span id=\"D_TIT\">exemplo</span>");
  }
  // Opens the dialog as the main window does and lets the preview load.
  frmConfigVerbete& abre() {
    dlg = std::make_unique<frmConfigVerbete>(frmConfigVerbete::Dependencias{
        config, dialogs, comando(), [](QWidget* host, WebBrowser&) { return new QWidget(host); }});
    dlg->show();
    deixaRodar();
    return *dlg;
  }
  template <class T>
  T* controle(const char* nome) {
    T* c = dlg->findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(c, nullptr) << nome;
    return c;
  }
  void clica(const char* nome) { QTest::mouseClick(controle<QWidget>(nome), Qt::LeftButton); }
  QString exemplo() const { return dlg->exemplo().document().bodyInnerHTML(); }
  ElementoVerbete& titulo() { return config.ElementosVerbete[7]; }
  QByteArray folha(int n) { return world.read(QStringLiteral("program/css/estilo%1.css").arg(n)); }

  std::unique_ptr<frmConfigVerbete> dlg;
};

TEST_F(ConfigVerbete, LoadsTheElementsAndSettingsAndFillsThePreview) {
  config.FonteVerbete = 2;
  config.MarcaCorFundo = 0x00FF00;
  abre();
  auto* elementos = controle<QComboBox>("comboElementos");
  ASSERT_EQ(elementos->count(), 9);
  EXPECT_EQ(elementos->itemText(1), QStringLiteral("Classe gramatical/Regência"));
  EXPECT_EQ(elementos->currentIndex(), 0);
  // Achega's "983400" (red first) shows as 0x003498.
  EXPECT_EQ(controle<AmostraCor>("pictureCorElemento")->cor(), 0x003498);
  EXPECT_EQ(controle<QComboBox>("comboTipoFonte")->currentIndex(), 0);
  EXPECT_EQ(controle<QComboBox>("comboDescricaoVerbete")->currentIndex(), 2);
  EXPECT_EQ(controle<AmostraCor>("pictureCorFundo")->cor(), 0x00FF00);
  EXPECT_EQ(controle<AmostraCor>("pictureCorTexto")->cor(), 0);
  const QPalette paleta = controle<QLabel>("labelPesquisa")->palette();
  EXPECT_EQ(paleta.color(QPalette::Window), QColor(0, 255, 0));
  EXPECT_EQ(paleta.color(QPalette::WindowText), QColor(0, 0, 0));
  EXPECT_TRUE(dlg->exemplo().locationURL().endsWith(QStringLiteral("\\CSS\\branco.htm")));
  EXPECT_TRUE(exemplo().contains(QStringLiteral("T=336699/Bold/Normal;A=983400;s=12px;"))) << exemplo().toStdString();
  EXPECT_TRUE(exemplo().contains(QStringLiteral("<span id=\"D_TIT\">exemplo</span>")));
  EXPECT_TRUE(dialogs.prompts().isEmpty());
}

TEST_F(ConfigVerbete, PickingAnElementColourStoresItRedFirst) {
  abre();
  controle<QComboBox>("comboElementos")->setCurrentIndex(7);
  EXPECT_EQ(controle<AmostraCor>("pictureCorElemento")->cor(), 0x996633);
  dialogs.answerColor(vb::fromQColor(QColor(10, 0, 255)));
  clica("pictureCorElemento");
  EXPECT_EQ(dialogs.colorPresets(), std::vector<std::int32_t>{0x996633});
  EXPECT_EQ(titulo().Cor, QStringLiteral("0A00FF"));
  EXPECT_EQ(controle<AmostraCor>("pictureCorElemento")->cor(), 0xFF000A);
  EXPECT_TRUE(exemplo().contains(QStringLiteral("T=0A00FF/"))) << exemplo().toStdString();

  clica("pictureCorElemento");  // cancelled
  EXPECT_EQ(titulo().Cor, QStringLiteral("0A00FF"));
  EXPECT_EQ(dialogs.colorPresets().back(), 0xFF000A);
  EXPECT_TRUE(comandos.isEmpty());
}

TEST_F(ConfigVerbete, StyleAndSizeChoicesChangeTheSettingsAndThePreview) {
  abre();
  controle<QComboBox>("comboElementos")->setCurrentIndex(7);
  controle<QComboBox>("comboTipoFonte")->setCurrentIndex(3);  // "Itálico e negrito"
  EXPECT_EQ(titulo().TipoFonte, 3);
  EXPECT_TRUE(exemplo().contains(QStringLiteral("T=336699/Bold/Italic;"))) << exemplo().toStdString();
  controle<QComboBox>("comboDescricaoVerbete")->setCurrentIndex(0);
  EXPECT_EQ(config.FonteVerbete, 0);
  EXPECT_TRUE(exemplo().contains(QStringLiteral("s=10px;")));
  // Back to an element: its own style shows, the other keeps its choice.
  controle<QComboBox>("comboElementos")->setCurrentIndex(0);
  EXPECT_EQ(controle<QComboBox>("comboTipoFonte")->currentIndex(), 0);
  EXPECT_EQ(titulo().TipoFonte, 3);
}

TEST_F(ConfigVerbete, HighlightColoursAreSentAtOnceEvenWhenThePickIsCancelled) {
  abre();
  dialogs.answerColor(0x0000FF);
  clica("pictureCorFundo");
  EXPECT_EQ(config.MarcaCorFundo, 0x0000FF);
  EXPECT_EQ(controle<AmostraCor>("pictureCorFundo")->cor(), 0x0000FF);
  EXPECT_EQ(controle<QLabel>("labelPesquisa")->palette().color(QPalette::Window), QColor(255, 0, 0));
  EXPECT_EQ(comandos, QStringList{QStringLiteral("atualizarmarca")});

  clica("pictureCorTexto");  // cancelled
  EXPECT_EQ(config.MarcaCorTexto, 0);
  EXPECT_EQ(dialogs.colorPresets().back(), 0);
  EXPECT_EQ(comandos.size(), 2);
  EXPECT_EQ(comandos.back(), QStringLiteral("atualizarmarca"));
}

// The main window heard of the picked colour at once; it hears of the saved
// one again when the dialog is cancelled.
TEST_F(ConfigVerbete, CancelReadsTheSavedValuesBack) {
  config.MarcaCorFundo = 0x123456;
  config.GravarConfiguracoesVerbete();
  abre();
  dialogs.answerColor(0x0000FF);
  clica("pictureCorFundo");
  controle<QComboBox>("comboTipoFonte")->setCurrentIndex(4);
  clica("cmdCancelar");
  EXPECT_EQ(dlg->result(), QDialog::Rejected);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(config.MarcaCorFundo, 0x123456);
  EXPECT_EQ(config.ElementosVerbete[0].TipoFonte, 0);
  EXPECT_EQ(comandos, QStringList(2, QStringLiteral("atualizarmarca")));
}

// With nothing ever saved, the saved values are the built-in ones.
TEST_F(ConfigVerbete, CancelWithNothingSavedGoesBackToTheDefaults) {
  abre();
  dialogs.answerColor(0x0000FF);
  clica("pictureCorFundo");
  controle<QComboBox>("comboTipoFonte")->setCurrentIndex(4);
  clica("cmdCancelar");
  EXPECT_EQ(config.MarcaCorFundo, 65535);
  EXPECT_EQ(config.ElementosVerbete[0].TipoFonte, 0);
  EXPECT_EQ(salvo(QStringLiteral("Marca cor fundo")), QStringLiteral("<nada>"));
}

TEST_F(ConfigVerbete, OkWritesTheSheetsThenSavesTheSettings) {
  abre();
  controle<QComboBox>("comboElementos")->setCurrentIndex(7);
  controle<QComboBox>("comboTipoFonte")->setCurrentIndex(1);
  clica("cmdOK");
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
  EXPECT_EQ(folha(1), QByteArray("@charset \"UTF-8\";\nT=336699/Normal/Italic;A=983400;s=11px;"));
  EXPECT_EQ(salvo(QStringLiteral("Título - Tipo Fonte")), QStringLiteral("1"));
  EXPECT_EQ(salvo(QStringLiteral("Fonte verbete")), QStringLiteral("1"));
}

TEST_F(ConfigVerbete, OkWithAnUnwritableStyleFolderKeepsTheDialogAndSavesNothing) {
  abre();
  world.blockStyleSheets();
  controle<QComboBox>("comboTipoFonte")->setCurrentIndex(2);
  clica("cmdOK");
  EXPECT_TRUE(dlg->isVisible());
  ASSERT_EQ(dialogs.prompts().size(), 1);
  EXPECT_TRUE(dialogs.prompts()[0].startsWith(LoadResString(371).section(u'%', 0, 0)));
  EXPECT_EQ(salvo(QStringLiteral("Achega - Tipo Fonte")), QStringLiteral("<nada>"));
  EXPECT_EQ(config.ElementosVerbete[0].TipoFonte, 2) << "the edit stays in memory";
}

TEST_F(ConfigVerbete, RestoreAsksAndThenShowsTheDefaults) {
  config.ElementosVerbete[0].Cor = QStringLiteral("FFFFFF");
  config.MarcaCorTexto = 255;
  abre();
  dialogs.answer(dlg::vbNo);
  clica("cmdRestaurar");
  EXPECT_EQ(config.ElementosVerbete[0].Cor, QStringLiteral("FFFFFF"));
  clica("cmdRestaurar");  // Yes
  ASSERT_EQ(dialogs.prompts(), QStringList(2, LoadResString(709)));
  EXPECT_EQ(dialogs.calls()[1].style, dlg::vbYesNo);
  EXPECT_EQ(dialogs.calls()[1].title, LoadResString(100));
  EXPECT_EQ(config.ElementosVerbete[0].Cor, QStringLiteral("983400"));
  EXPECT_EQ(config.MarcaCorTexto, 0);
  EXPECT_EQ(controle<AmostraCor>("pictureCorElemento")->cor(), 0x003498);
  EXPECT_EQ(controle<AmostraCor>("pictureCorTexto")->cor(), 0);
  EXPECT_TRUE(exemplo().contains(QStringLiteral("A=983400;")));
  EXPECT_EQ(salvo(QStringLiteral("Achega - Cor ")), QStringLiteral("<nada>"));
}

TEST_F(ConfigVerbete, RestoreThenCancelBringsTheSavedValuesBack) {
  config.ElementosVerbete[0].Cor = QStringLiteral("FFFFFF");
  config.GravarConfiguracoesVerbete();
  abre();
  clica("cmdRestaurar");
  EXPECT_EQ(config.ElementosVerbete[0].Cor, QStringLiteral("983400"));
  clica("cmdCancelar");
  EXPECT_EQ(config.ElementosVerbete[0].Cor, QStringLiteral("FFFFFF"));
  EXPECT_EQ(salvo(QStringLiteral("Achega - Cor ")), QStringLiteral("FFFFFF"));
}

// Every way out but OK drops the edits, and the next opening shows the
// saved values.
TEST_F(ConfigVerbete, EveryCloseButOkDropsTheEditsForTheNextOpening) {
  config.ElementosVerbete[0].TipoFonte = 2;
  config.GravarConfiguracoesVerbete();
  for (const auto& sai : saidasSemOk([this] { return dlg.get(); })) {
    abre();
    controle<QComboBox>("comboTipoFonte")->setCurrentIndex(4);
    controle<QComboBox>("comboDescricaoVerbete")->setCurrentIndex(0);
    sai();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(config.ElementosVerbete[0].TipoFonte, 2);
    EXPECT_EQ(config.FonteVerbete, 1);
    abre();
    EXPECT_EQ(controle<QComboBox>("comboTipoFonte")->currentIndex(), 2);
    EXPECT_EQ(controle<QComboBox>("comboDescricaoVerbete")->currentIndex(), 1);
    dlg->reject();
  }
  EXPECT_EQ(salvo(QStringLiteral("Achega - Tipo Fonte")), QStringLiteral("2"));
  EXPECT_TRUE(comandos.isEmpty());
}

TEST_F(ConfigVerbete, AMissingTemplateIsReportedAndOkCannotWipeTheSheets) {
  QFile::remove(world.programDir() + QStringLiteral("/mod.dat"));
  const QByteArray antes = folha(1);
  abre();
  ASSERT_EQ(dialogs.prompts().size(), 1);
  const QString modelo = world.programDir() + QStringLiteral("/mod.dat");
  EXPECT_EQ(dialogs.prompts()[0], LoadResString(391).replace(QStringLiteral("%1"), modelo)) << "Portuguese, naming the file";
  EXPECT_EQ(dialogs.calls()[0].style, dlg::vbCritical);
  EXPECT_FALSE(dlg->ModelosCarregados());
  EXPECT_FALSE(controle<QPushButton>("cmdOK")->isEnabled());
  clica("cmdOK");
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(folha(1), antes);
}

TEST_F(ConfigVerbete, AnUnwritableStyleFolderIsReportedOnLoadAndTheDialogStillOpens) {
  world.blockStyleSheets();
  abre();
  ASSERT_EQ(dialogs.prompts().size(), 1);
  EXPECT_TRUE(dialogs.prompts()[0].startsWith(LoadResString(371).section(u'%', 0, 0)));
  EXPECT_EQ(controle<QComboBox>("comboElementos")->count(), 9);
}

}  // namespace
