#include "frmConfigVerbete.h"

#include "Ansi.h"
#include "DesbloqueiaFifo.h"
#include "DialogosFixture.h"
#include "ResourceStrings.h"
#include "modCSS.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// A style sheet swapped for a named pipe while the appearance dialog is
// open: OK neither waits on the pipe nor reads it. The pipe cannot be
// written over either, so OK tells the folder cannot be written and the
// dialog stays open with nothing saved.
class FolhaQueEPipe : public DialogosFixture {
 protected:
  FolhaQueEPipe() {
    world.write(QStringLiteral("program/mod.dat"), ansi::fromUnicode(QStringLiteral("A=<corAchega>;")));
    world.write(QStringLiteral("program/exemplo.htm"), "<estilo/>");
    dlg = std::make_unique<frmConfigVerbete>(frmConfigVerbete::Dependencias{
        config, dialogs, {}, [](QWidget* host, WebBrowser&) { return new QWidget(host); }});
    dlg->show();
    deixaRodar();
  }
  QString folha() const { return world.programDir() + QStringLiteral("/css/estilo1.css"); }

  std::unique_ptr<frmConfigVerbete> dlg;
};

TEST_F(FolhaQueEPipe, OkNeitherWaitsOnItNorReadsIt) {
  ASSERT_TRUE(dialogs.prompts().isEmpty());
  QFile::remove(folha());
  const DesbloqueiaFifo fifo(folha());
  ASSERT_TRUE(fifo.criada());
  QTest::mouseClick(dlg->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
  EXPECT_FALSE(fifo.precisouDesbloquear()) << "OK waited on the pipe";
  EXPECT_TRUE(dlg->isVisible());
  ASSERT_EQ(dialogs.prompts().size(), 1);
  EXPECT_TRUE(dialogs.prompts()[0].startsWith(LoadResString(371).section(u'%', 0, 0)));
  EXPECT_EQ(salvo(QStringLiteral("Achega - Cor ")), QStringLiteral("<nada>"));
}

// A pipe already in the first sheet's place: the check before the dialog
// opens says the folder cannot be written, without waiting on it.
TEST_F(FolhaQueEPipe, TheCheckBeforeTheDialogDoesNotWaitOnIt) {
  QFile::remove(folha());
  const DesbloqueiaFifo fifo(folha());
  ASSERT_TRUE(fifo.criada());
  EXPECT_FALSE(modCSS::VerificaGravacaoCSS(dialogs, true));
  EXPECT_FALSE(fifo.precisouDesbloquear()) << "the check waited on the pipe";
  ASSERT_EQ(dialogs.prompts().size(), 1);
  EXPECT_TRUE(dialogs.prompts()[0].startsWith(LoadResString(371).section(u'%', 0, 0)));
}

}  // namespace
