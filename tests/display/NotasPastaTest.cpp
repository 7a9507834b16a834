#include "TravaNotas.h"

#include "DesbloqueiaFifo.h"
#include "FailingFileWriter.h"
#include "NotasFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include <sys/stat.h>

using namespace std::chrono_literals;

namespace {

class NotasPasta : public NotasFixture {
 protected:
  bool ehFifo(const QString& nome) const {
    struct stat info {};
    return ::lstat(QFile::encodeName(em(nome)).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
  }
  QString recusado(const QString& nome) const {
    return QStringLiteral("O arquivo %1 da pasta de anotações não é um arquivo comum").arg(em(nome));
  }
};

TEST_F(NotasPasta, ANoteKeepsEveryCharacterAndAnOlderNoteStillReads) {
  const QString texto = QStringLiteral("— € 日本 Привет 😀\nação");
  {
    Programa antes(mundo.notesDir());
    antes.notas.LeArquivo();
    antes.anota(42, texto);
    EXPECT_TRUE(antes.dialogos.prompts().isEmpty());
  }
  EXPECT_EQ(le(QStringLiteral("id000042.txt")), QStringLiteral("— € 日本 Привет 😀\r\nação\r\n").toUtf8());
  grava(QStringLiteral("id000043.txt"), "a\xe7\xe3o \x80 \x96 \xe9\r\n");  // Windows-1252
  grava(QStringLiteral("notas.dat"), bitmap({42, 43}));

  Programa depois(mundo.notesDir());
  depois.notas.LeArquivo();
  depois.notas.VerificaVerbete(42);
  EXPECT_EQ(depois.caixa.toPlainText(), texto + u'\n');
  depois.notas.VerificaVerbete(43);
  EXPECT_EQ(depois.caixa.toPlainText(), QStringLiteral("ação € – é\n"));
}

// The note stays in the box, open, with its entry while another entry is on
// screen; the next display change saves it where it belongs.
TEST_F(NotasPasta, ANoteThatCannotBeSavedStaysInTheBoxUntilTheNextTry) {
  FailingFileWriter gravador;
  Programa programa(mundo.notesDir(), gravador);
  programa.notas.LeArquivo();
  programa.notas.VerificaVerbete(7);
  programa.notas.setVisible(true);
  programa.caixa.setPlainText(QStringLiteral("importante"));
  gravador.failWritesTo(QStringLiteral(".txt"));
  programa.notas.VerificaVerbete(8);
  ASSERT_EQ(programa.dialogos.prompts().size(), 1);
  EXPECT_TRUE(programa.dialogos.prompts()[0].startsWith(QStringLiteral("Não foi possível inserir a anotação")));
  EXPECT_EQ(programa.caixa.toPlainText(), QStringLiteral("importante"));
  EXPECT_TRUE(programa.notas.EhVisivel());
  EXPECT_FALSE(QFile::exists(em(QStringLiteral("id000007.txt"))));

  programa.caixa.appendPlainText(QStringLiteral("e mais"));  // still the note of 7
  gravador.stopFailing();
  programa.notas.VerificaVerbete(9);
  EXPECT_EQ(le(QStringLiteral("id000007.txt")), QByteArray("importante\r\ne mais\r\n"));
  EXPECT_EQ(le(QStringLiteral("notas.dat")), bitmap({7}));
  EXPECT_FALSE(QFile::exists(em(QStringLiteral("id000008.txt"))));
  EXPECT_FALSE(programa.notas.EhVisivel());  // 9 has no note
  EXPECT_EQ(programa.dialogos.prompts().size(), 1);
}

// The user fixes the folder: a note the old one would not take goes to the
// new one.
TEST_F(NotasPasta, ANoteTheFolderWouldNotTakeGoesToTheFolderChosenNext) {
  const QString ausente = mundo.root() + QStringLiteral("/nao/existe");
  Programa programa(ausente);
  programa.notas.LeArquivo();
  programa.anota(3, QStringLiteral("guardada"));
  ASSERT_EQ(programa.dialogos.prompts().size(), 2);  // 503 at the load, 500 at the save
  EXPECT_EQ(programa.caixa.toPlainText(), QStringLiteral("guardada"));
  programa.notas.AlteraDir(mundo.notesDir());
  EXPECT_EQ(le(QStringLiteral("id000003.txt")), QByteArray("guardada\r\n"));
  EXPECT_EQ(le(QStringLiteral("notas.dat")), bitmap({3}));
  EXPECT_EQ(programa.dialogos.prompts().size(), 2);
  EXPECT_FALSE(QDir(ausente).exists());
}

TEST_F(NotasPasta, APipeInPlaceOfTheBitmapIsNamedAndNeverWaitedOn) {
  const DesbloqueiaFifo fifo(em(QStringLiteral("notas.dat")));
  ASSERT_TRUE(fifo.criada());
  Programa programa(mundo.notesDir());
  programa.notas.LeArquivo();
  programa.anota(3, QStringLiteral("sem lugar"));
  EXPECT_FALSE(fifo.precisouDesbloquear());
  const QStringList mensagens = programa.dialogos.prompts();
  ASSERT_EQ(mensagens.size(), 2);
  for (const QString& m : mensagens)
    EXPECT_TRUE(m.startsWith(recusado(QStringLiteral("notas.dat")))) << m.toStdString();
  EXPECT_TRUE(ehFifo(QStringLiteral("notas.dat")));
  EXPECT_EQ(programa.caixa.toPlainText(), QStringLiteral("sem lugar"));
}

TEST_F(NotasPasta, APipeInPlaceOfANoteIsNamedAndTheOtherNotesWork) {
  grava(QStringLiteral("notas.dat"), bitmap({4, 5}));
  grava(QStringLiteral("id000005.txt"), "cinco\r\n");
  const DesbloqueiaFifo fifo(em(QStringLiteral("id000004.txt")));
  ASSERT_TRUE(fifo.criada());
  Programa programa(mundo.notesDir());
  programa.notas.LeArquivo();
  programa.notas.VerificaVerbete(4);
  EXPECT_FALSE(fifo.precisouDesbloquear());
  ASSERT_EQ(programa.dialogos.prompts().size(), 1);
  EXPECT_TRUE(programa.dialogos.prompts()[0].startsWith(recusado(QStringLiteral("id000004.txt"))));
  EXPECT_FALSE(programa.notas.EhVisivel());
  programa.notas.VerificaVerbete(5);
  EXPECT_EQ(programa.caixa.toPlainText(), QStringLiteral("cinco\n"));
  EXPECT_TRUE(ehFifo(QStringLiteral("id000004.txt")));
  EXPECT_EQ(le(QStringLiteral("notas.dat")), bitmap({4, 5}));
}

// Links in a shared folder: one to another file of the user is never read
// nor written through, whereas one to a file inside the folder is followed.
TEST_F(NotasPasta, ALinkOutOfTheFolderNeverReachesItsTarget) {
  mundo.write(QStringLiteral(".profile"), "export PATH=...\n");
  mundo.write(QStringLiteral("segredo.txt"), "segredo\n");
  mundo.write(QStringLiteral("notas/sub/nove.txt"), "nove\r\n");
  grava(QStringLiteral("notas.dat"), bitmap({6, 9}));
  ASSERT_TRUE(QFile::link(mundo.root() + QStringLiteral("/segredo.txt"), em(QStringLiteral("id000006.txt"))));
  ASSERT_TRUE(QFile::link(em(QStringLiteral("sub/nove.txt")), em(QStringLiteral("id000009.txt"))));

  Programa programa(mundo.notesDir());
  programa.notas.LeArquivo();
  programa.notas.VerificaVerbete(9);
  EXPECT_EQ(programa.caixa.toPlainText(), QStringLiteral("nove\n"));
  programa.caixa.setPlainText(QStringLiteral("nove, editada"));
  programa.notas.VerificaVerbete(6);
  EXPECT_EQ(mundo.read(QStringLiteral("notas/sub/nove.txt")), QByteArray("nove, editada\r\n"));
  ASSERT_EQ(programa.dialogos.prompts().size(), 1);
  EXPECT_TRUE(programa.dialogos.prompts()[0].startsWith(recusado(QStringLiteral("id000006.txt"))));
  programa.anota(6, QStringLiteral("por cima"));
  EXPECT_EQ(programa.dialogos.prompts().size(), 2);
  EXPECT_EQ(mundo.read(QStringLiteral("segredo.txt")), QByteArray("segredo\n"));

  QFile::remove(em(QStringLiteral("notas.dat")));
  ASSERT_TRUE(QFile::link(mundo.root() + QStringLiteral("/.profile"), em(QStringLiteral("notas.dat"))));
  Programa outro(mundo.notesDir());
  outro.notas.LeArquivo();
  outro.anota(2, QStringLiteral("nota"));
  ASSERT_EQ(outro.dialogos.prompts().size(), 2);
  EXPECT_TRUE(outro.dialogos.prompts()[0].startsWith(recusado(QStringLiteral("notas.dat"))));
  EXPECT_EQ(mundo.read(QStringLiteral(".profile")), QByteArray("export PATH=...\n"));
  EXPECT_TRUE(QFileInfo(em(QStringLiteral("notas.dat"))).isSymLink());
}

// Two programs on one folder: each one's marks stay when the other saves,
// and a note the other saved shows at the next display.
TEST_F(NotasPasta, TwoProgramsKeepEachOthersMarksAndSeeEachOthersNotes) {
  Programa um(mundo.notesDir());
  Programa dois(mundo.notesDir());
  um.notas.LeArquivo();
  dois.notas.LeArquivo();
  um.anota(10, QStringLiteral("de um"));
  dois.anota(11, QStringLiteral("de dois"));
  EXPECT_EQ(le(QStringLiteral("notas.dat")), bitmap({10, 11}));
  dois.notas.VerificaVerbete(10);
  EXPECT_EQ(dois.caixa.toPlainText(), QStringLiteral("de um\n"));
  EXPECT_TRUE(dois.notas.EhVisivel());
}

TEST_F(NotasPasta, AFolderLockedByAnotherProgramKeepsTheNoteInTheBox) {
  Programa programa(mundo.notesDir());
  programa.notas.LeArquivo();
  {
    const files::AdvisoryLock outro(TravaNotas::arquivo(mundo.notesDir()), 1s);
    ASSERT_TRUE(outro.held());
    programa.anota(12, QStringLiteral("espera"));
  }
  ASSERT_EQ(programa.dialogos.prompts().size(), 1);
  EXPECT_TRUE(programa.dialogos.prompts()[0].startsWith(QStringLiteral("Outro programa está gravando anotações na pasta %1.")
                                                      .arg(mundo.notesDir())));
  EXPECT_EQ(programa.caixa.toPlainText(), QStringLiteral("espera"));
  programa.notas.VerificaVerbete(-1);
  EXPECT_EQ(le(QStringLiteral("id000012.txt")), QByteArray("espera\r\n"));
}

// Two real programs save notes on neighbouring entries, whose marks share
// bytes of notas.dat, at the same time.
TEST_F(NotasPasta, TwoProcessesSavingAtOnceLeaveEveryNoteMarked) {
  constexpr int kPorProcesso = 60;
  std::array<std::unique_ptr<QProcess>, 2> processos;
  for (int i = 0; i < 2; ++i) {
    processos[i] = std::make_unique<QProcess>();
    processos[i]->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList argumentos{mundo.notesDir(), QString::number(100 + i), QStringLiteral("2"),
                                 QString::number(kPorProcesso)};
    processos[i]->start(QStringLiteral(GRAVA_NOTAS_AUXILIAR), argumentos);
  }
  for (auto& p : processos) {
    ASSERT_TRUE(p->waitForStarted(30000));
    while (!p->canReadLine()) ASSERT_TRUE(p->waitForReadyRead(30000)) << "the helper never loaded the folder";
    EXPECT_EQ(p->readLine().trimmed(), QByteArray("pronto"));
  }
  for (auto& p : processos) p->write("\n");  // both loaded: now both save
  for (auto& p : processos) {
    p->closeWriteChannel();
    ASSERT_TRUE(p->waitForFinished(120000));
    EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p->exitCode(), 0) << "messages shown";
  }
  const QByteArray marcas = le(QStringLiteral("notas.dat"));
  ASSERT_EQ(marcas.size(), MarcasNotas::Tamanho);
  for (int id = 100; id < 100 + 2 * kPorProcesso; ++id) {
    EXPECT_TRUE(QFile::exists(em(QStringLiteral("id%1.txt").arg(id, 6, 10, QLatin1Char('0'))))) << id;
    EXPECT_TRUE((static_cast<unsigned char>(marcas[id / 8]) >> (id % 8)) & 1) << id;
  }
}

}  // namespace
