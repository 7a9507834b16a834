#include "FailingFileWriter.h"
#include "NotasFixture.h"
#include "SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace {

constexpr qsizetype kTamanho = MarcasNotas::Tamanho;

class Notas : public NotasFixture {
 protected:
  Notas() { QObject::connect(&notas, &CNotas::Posiciona, [this] { ++posiciona; }); }

  bool existe(const QString& arquivo) const { return QFile::exists(em(arquivo)); }
  bool marcado(int id) const { return (static_cast<unsigned char>(le(QStringLiteral("notas.dat")).at(id / 8)) >> (id % 8)) & 1; }
  void digita(const QString& texto) { caixa.setPlainText(texto); }
  // The files of `pasta` but the lock file, which stays there.
  static QStringList arquivosEm(const QString& pasta) {
    QStringList nomes = QDir(pasta).entryList(QDir::Files | QDir::Hidden);
    nomes.removeAll(QStringLiteral(".notas.dat.lock"));
    nomes.sort();
    return nomes;
  }

  FailingFileWriter gravador;
  Programa programa{mundo.notesDir(), gravador};
  // The program's parts, by the names the tests use.
  ScriptedDialogs& dialogos = programa.dialogos;
  QWidget& janela = programa.janela;
  QPlainTextEdit& caixa = programa.caixa;
  QWidget& indicador = programa.indicador;
  CNotas& notas = programa.notas;
  int posiciona = 0;
};

TEST_F(Notas, AnEntryWithAMarkShowsItsNoteLineByLine) {
  const QByteArray marcas = bitmap({42});
  ASSERT_EQ(static_cast<unsigned char>(marcas[5]), 4);  // id 42: byte 5, bit 2
  grava(QStringLiteral("notas.dat"), marcas);
  grava(QStringLiteral("id000042.txt"), "primeira\r\nsegunda a\xe7\xe3o");
  notas.LeArquivo();
  notas.VerificaVerbete(42);
  EXPECT_EQ(caixa.toPlainText(), QStringLiteral("primeira\nsegunda ação\n"));
  EXPECT_TRUE(notas.EhVisivel());
  EXPECT_FALSE(indicador.isHidden());
  EXPECT_EQ(posiciona, 1);
  EXPECT_TRUE(dialogos.calls().empty());
}

TEST_F(Notas, AnEntryWithoutAMarkEmptiesAndHidesTheBoxRaisingPosicionaOnlyIfItWasShown) {
  grava(QStringLiteral("notas.dat"), bitmap({1}));
  grava(QStringLiteral("id000001.txt"), "nota\r\n");
  notas.LeArquivo();
  notas.VerificaVerbete(1);
  notas.VerificaVerbete(2);
  EXPECT_FALSE(notas.EhVisivel());
  EXPECT_TRUE(caixa.toPlainText().isEmpty());
  EXPECT_EQ(posiciona, 2);
  notas.VerificaVerbete(3);
  EXPECT_EQ(posiciona, 2);
}

TEST_F(Notas, ATypedNoteIsWrittenAndMarkedAtTheNextDisplayChange) {
  notas.LeArquivo();
  EXPECT_EQ(le(QStringLiteral("notas.dat")).size(), 0);  // created empty
  notas.VerificaVerbete(145031);
  notas.setVisible(true);
  digita(QStringLiteral("uma nota\nem duas linhas"));
  notas.VerificaVerbete(8);
  EXPECT_EQ(le(QStringLiteral("id145031.txt")), QByteArray("uma nota\r\nem duas linhas\r\n"));
  EXPECT_EQ(le(QStringLiteral("notas.dat")), bitmap({145031}));
}

TEST_F(Notas, ANoteReadBackAndSavedAgainKeepsItsText) {
  grava(QStringLiteral("notas.dat"), bitmap({7}));
  grava(QStringLiteral("id000007.txt"), "texto\r\n");
  notas.LeArquivo();
  notas.VerificaVerbete(7);
  digita(caixa.toPlainText());  // touched, not changed
  notas.VerificaVerbete(-1);
  EXPECT_EQ(le(QStringLiteral("id000007.txt")), QByteArray("texto\r\n"));
}

TEST_F(Notas, ANoteErasedToBlanksIsDeletedAndUnmarked) {
  grava(QStringLiteral("notas.dat"), bitmap({3, 4}));
  grava(QStringLiteral("id000003.txt"), "velha\r\n");
  notas.LeArquivo();
  notas.VerificaVerbete(3);
  digita(QStringLiteral("  \n \n"));
  notas.VerificaVerbete(-1);
  EXPECT_FALSE(existe(QStringLiteral("id000003.txt")));
  EXPECT_FALSE(marcado(3));
  EXPECT_TRUE(marcado(4));
  EXPECT_FALSE(notas.EhVisivel());
}

// Tabs and non-breaking spaces are text, not blanks.
TEST_F(Notas, ANoteOfTabsOrNonBreakingSpacesIsKept) {
  notas.LeArquivo();
  const std::pair<int, QString> notasDigitadas[] = {{5, QStringLiteral("\t\t")}, {6, QString(2, QChar(160))}};
  for (const auto& [id, texto] : notasDigitadas) {
    notas.VerificaVerbete(id);
    notas.setVisible(true);
    digita(texto);
    notas.VerificaVerbete(-1);
    EXPECT_TRUE(existe(QStringLiteral("id00000%1.txt").arg(id))) << id;
    EXPECT_TRUE(marcado(id)) << id;
  }
}

TEST_F(Notas, AMarkWithoutANoteFileIsClearedAndTheBoxStaysHidden) {
  grava(QStringLiteral("notas.dat"), bitmap({9, 10}));
  notas.LeArquivo();
  notas.VerificaVerbete(9);
  EXPECT_FALSE(marcado(9));
  EXPECT_TRUE(marcado(10));
  EXPECT_FALSE(notas.EhVisivel());
  EXPECT_EQ(posiciona, 0);
}

TEST_F(Notas, NoEntryShownSavesThePendingEditAndHidesTheBox) {
  notas.LeArquivo();
  notas.VerificaVerbete(5);
  notas.setVisible(true);
  digita(QStringLiteral("x"));
  notas.VerificaVerbete(-1);
  EXPECT_EQ(le(QStringLiteral("id000005.txt")), QByteArray("x\r\n"));
  EXPECT_FALSE(notas.EhVisivel());
  EXPECT_EQ(posiciona, 2);
}

TEST_F(Notas, TheUserShowsAndHidesTheBoxOnlyWhenThatCanHold) {
  notas.LeArquivo();
  notas.setVisible(true);  // no entry yet
  EXPECT_FALSE(notas.EhVisivel());
  EXPECT_EQ(posiciona, 0);

  notas.VerificaVerbete(5);
  notas.setVisible(true);
  EXPECT_TRUE(notas.EhVisivel());
  EXPECT_EQ(posiciona, 1);
  notas.VerificaVerbete(6);  // nothing typed: nothing written
  EXPECT_FALSE(existe(QStringLiteral("id000005.txt")));
  EXPECT_EQ(le(QStringLiteral("notas.dat")).size(), 0);

  notas.setVisible(true);
  digita(QStringLiteral("guardada"));
  notas.setVisible(false);  // a box with text stays
  EXPECT_TRUE(notas.EhVisivel());
  EXPECT_EQ(posiciona, 3);
}

TEST_F(Notas, ShortAndLongBitmapsReadAsFarAsTheyGoAndAreWrittenAtFullSize) {
  const qsizetype tamanhos[] = {1, kTamanho + 100};
  for (qsizetype tamanho : tamanhos) {
    grava(QStringLiteral("notas.dat"), bitmap({2}, tamanho));
    grava(QStringLiteral("id000002.txt"), "dois\r\n");
    notas.LeArquivo();
    notas.VerificaVerbete(2);
    EXPECT_EQ(caixa.toPlainText(), QStringLiteral("dois\n")) << tamanho;
    notas.VerificaVerbete(100);  // clear: a full-size file gets written only on a mark
    digita(QStringLiteral("cem"));
    notas.VerificaVerbete(-1);
    EXPECT_EQ(le(QStringLiteral("notas.dat")), bitmap({2, 100})) << tamanho;
  }
}

TEST_F(Notas, AnIdOutsideTheBitmapGivesMessage500AndLosesNothingElse) {
  grava(QStringLiteral("notas.dat"), bitmap({1}));
  notas.LeArquivo();
  for (std::int32_t fora : {MarcasNotas::MaiorID + 1, -2}) {
    notas.VerificaVerbete(1);
    notas.setVisible(true);
    digita(QStringLiteral("antes de %1").arg(fora));
    notas.VerificaVerbete(fora);
    EXPECT_EQ(le(QStringLiteral("id000001.txt")), QStringLiteral("antes de %1\r\n").arg(fora).toLatin1());
    EXPECT_FALSE(notas.EhVisivel());
    notas.setVisible(true);  // no entry is current
    EXPECT_FALSE(notas.EhVisivel());
  }
  ASSERT_EQ(dialogos.calls().size(), 2u);
  EXPECT_TRUE(dialogos.calls()[0].prompt.startsWith(QStringLiteral("Não foi possível inserir a anotação")));
  EXPECT_TRUE(dialogos.calls()[0].prompt.contains(mundo.notesDir()));
  EXPECT_EQ(dialogos.calls()[0].style, dlg::vbCritical);
  EXPECT_EQ(dialogos.calls()[0].title, QStringLiteral("Dicionário Vocabra"));
  EXPECT_TRUE(marcado(1));
}

TEST_F(Notas, AnotherFolderWithoutABitmapStartsWithNoMarks) {
  grava(QStringLiteral("notas.dat"), bitmap({1}));
  grava(QStringLiteral("id000001.txt"), "antiga\r\n");
  notas.LeArquivo();
  notas.VerificaVerbete(1);
  const QString outra = mundo.root() + QStringLiteral("/outras");
  QDir().mkpath(outra);
  notas.AlteraDir(outra);
  EXPECT_EQ(QFile(outra + QStringLiteral("/notas.dat")).size(), 0);
  EXPECT_FALSE(notas.EhVisivel());  // entry 1 has no note there
  notas.setVisible(true);
  digita(QStringLiteral("nova"));
  notas.VerificaVerbete(-1);
  EXPECT_EQ(QFile(outra + QStringLiteral("/notas.dat")).size(), kTamanho);
  EXPECT_TRUE(QFile::exists(outra + QStringLiteral("/id000001.txt")));
  EXPECT_EQ(le(QStringLiteral("id000001.txt")), QByteArray("antiga\r\n"));
  EXPECT_TRUE(dialogos.calls().empty());
}

TEST_F(Notas, ChangingFolderFirstSavesTheNoteBeingEdited) {
  notas.LeArquivo();
  notas.VerificaVerbete(4);
  notas.setVisible(true);
  digita(QStringLiteral("meio escrita"));
  const QString outra = mundo.root() + QStringLiteral("/outras");
  QDir().mkpath(outra);
  notas.AlteraDir(outra);
  EXPECT_EQ(le(QStringLiteral("id000004.txt")), QByteArray("meio escrita\r\n"));
  EXPECT_TRUE(marcado(4));
  EXPECT_FALSE(QFile::exists(outra + QStringLiteral("/id000004.txt")));
}

TEST_F(Notas, AMissingFolderGivesMessage503AndIsKept) {
  notas.LeArquivo();
  const QString ausente = mundo.root() + QStringLiteral("/nao/existe");
  notas.AlteraDir(ausente);
  ASSERT_EQ(dialogos.calls().size(), 1u);
  EXPECT_EQ(dialogos.calls()[0].prompt,
            QStringLiteral("O diretório %1 não permite gravação. Verifique se a configuração de seu usuário tem "
                           "direito de gravar neste diretório.")
                .arg(ausente));
  notas.VerificaVerbete(3);
  notas.setVisible(true);
  digita(QStringLiteral("sem lugar"));
  notas.VerificaVerbete(-1);
  ASSERT_EQ(dialogos.calls().size(), 2u);
  EXPECT_TRUE(dialogos.calls()[1].prompt.contains(ausente));
  EXPECT_FALSE(QDir(ausente).exists());
}

// notas.dat missing at the load: the first note saved writes it, in a folder
// made later as well as in one that had no bitmap yet; a bitmap put in place
// meanwhile is read first, so its marks are kept.
TEST_F(Notas, ABitmapMissingAtTheLoadIsWrittenAtTheFirstNote) {
  QDir(mundo.notesDir()).removeRecursively();
  notas.LeArquivo();
  ASSERT_EQ(dialogos.prompts().size(), 1);  // 503: the folder is not there
  QDir().mkpath(mundo.notesDir());
  notas.VerificaVerbete(3);
  notas.setVisible(true);
  digita(QStringLiteral("primeira"));
  notas.VerificaVerbete(-1);
  EXPECT_EQ(le(QStringLiteral("notas.dat")), bitmap({3}));
  EXPECT_EQ(le(QStringLiteral("id000003.txt")), QByteArray("primeira\r\n"));

  QDir(mundo.notesDir()).removeRecursively();
  notas.LeArquivo();
  grava(QStringLiteral("notas.dat"), bitmap({1}));  // copied back while the program runs
  grava(QStringLiteral("id000001.txt"), "antiga\r\n");
  notas.VerificaVerbete(2);
  notas.setVisible(true);
  digita(QStringLiteral("segunda"));
  notas.VerificaVerbete(-1);
  EXPECT_EQ(le(QStringLiteral("notas.dat")), bitmap({1, 2}));
  EXPECT_EQ(dialogos.prompts().size(), 2);  // only the two loads' 503
}

// A notas.dat that is not a regular file (here a folder) is named, never
// read and never written over; the note typed meanwhile stays in the box.
TEST_F(Notas, ABitmapThatIsNotAFileIsNamedAndNeverWrittenOver) {
  QDir(mundo.notesDir()).mkpath(QStringLiteral("notas.dat"));
  mundo.write(QStringLiteral("notas/notas.dat/dentro"), "x");
  notas.LeArquivo();
  notas.VerificaVerbete(5);
  notas.setVisible(true);
  digita(QStringLiteral("recusada"));
  notas.VerificaVerbete(-1);
  EXPECT_TRUE(QFileInfo(mundo.notesDir() + QStringLiteral("/notas.dat")).isDir());
  EXPECT_EQ(mundo.read(QStringLiteral("notas/notas.dat/dentro")), "x");
  const QStringList textos = dialogos.prompts();
  ASSERT_EQ(textos.size(), 2);
  for (const QString& texto : textos)
    EXPECT_TRUE(texto.startsWith(QStringLiteral("O arquivo %1/notas.dat da pasta de anotações não é um arquivo comum")
                                     .arg(mundo.notesDir())))
        << texto.toStdString();
  EXPECT_EQ(caixa.toPlainText(), QStringLiteral("recusada"));
  EXPECT_TRUE(notas.EhVisivel());
}

// A folder stored with "\" by an older settings file is still read, and
// messages name it as a Linux path.
TEST_F(Notas, AFolderStoredWithBackslashesIsReadAndShownWithSlashes) {
  grava(QStringLiteral("notas.dat"), bitmap({6}));
  grava(QStringLiteral("id000006.txt"), "seis\r\n");
  CNotas antiga{dialogos};
  antiga.Inicializa(caixa, mundo.root() + QStringLiteral("\\notas"), indicador);
  antiga.LeArquivo();
  antiga.VerificaVerbete(6);
  EXPECT_EQ(caixa.toPlainText(), QStringLiteral("seis\n"));
  antiga.AlteraDir(mundo.root() + QStringLiteral("\\nao\\existe"));
  ASSERT_EQ(dialogos.prompts().size(), 1);
  EXPECT_TRUE(dialogos.prompts()[0].contains(mundo.root() + QStringLiteral("/nao/existe ")));
}

TEST_F(Notas, ABitmapThatWasNeverReadIsNeverWrittenOverTheFile) {
  const QByteArray marcas = bitmap({1, 2, 3});
  grava(QStringLiteral("notas.dat"), marcas);
  notas.VerificaVerbete(5);  // before LeArquivo
  notas.setVisible(true);
  digita(QStringLiteral("cedo"));
  notas.VerificaVerbete(-1);
  EXPECT_EQ(le(QStringLiteral("notas.dat")), marcas);
  EXPECT_EQ(dialogos.calls().size(), 1u);
}

TEST_F(Notas, AnInterruptedWriteKeepsTheOldFilesWhole) {
  const QByteArray marcas = bitmap({1, 2});
  grava(QStringLiteral("notas.dat"), marcas);
  grava(QStringLiteral("id000001.txt"), "curta\r\n");
  notas.LeArquivo();
  const QString longa(3 * kTamanho, u'n');
  {
    const FileSizeLimit limite(2 * kTamanho);  // the bitmap fits, the note does not
    notas.VerificaVerbete(1);
    digita(longa);
    notas.VerificaVerbete(-1);
  }
  EXPECT_EQ(le(QStringLiteral("id000001.txt")), QByteArray("curta\r\n"));
  EXPECT_EQ(caixa.toPlainText(), longa);  // kept, to be saved at the next change
  notas.VerificaVerbete(-1);
  EXPECT_EQ(le(QStringLiteral("id000001.txt")), longa.toLatin1() + "\r\n");
  {
    const FileSizeLimit limite(kTamanho / 4);  // not even the bitmap fits
    notas.VerificaVerbete(3);
    notas.setVisible(true);
    digita(QStringLiteral("nova"));
    notas.VerificaVerbete(-1);
  }
  EXPECT_EQ(le(QStringLiteral("notas.dat")), marcas);
  EXPECT_FALSE(existe(QStringLiteral("id000003.txt")));  // no note left without its mark
  EXPECT_EQ(dialogos.calls().size(), 2u);
  EXPECT_EQ(arquivosEm(mundo.notesDir()), QStringList({QStringLiteral("id000001.txt"), QStringLiteral("notas.dat")}));
}

// A note edited, then saved while the file system refuses one of the writes:
// message 500, both files as they were; the note stays in the box and the
// next display change saves it.
TEST_F(Notas, ARefusedWriteGivesMessage500AndKeepsTheFilesUntilTheNextTry) {
  const QByteArray marcas = bitmap({1});
  grava(QStringLiteral("notas.dat"), marcas);
  grava(QStringLiteral("id000001.txt"), "curta\r\n");
  notas.LeArquivo();
  gravador.failWritesTo(QStringLiteral(".txt"));
  notas.VerificaVerbete(1);
  digita(QStringLiteral("longa"));
  notas.VerificaVerbete(-1);
  EXPECT_EQ(le(QStringLiteral("id000001.txt")), QByteArray("curta\r\n"));

  gravador.failWritesTo(QStringLiteral("notas.dat"));
  notas.VerificaVerbete(-1);
  EXPECT_EQ(le(QStringLiteral("notas.dat")), marcas);
  EXPECT_EQ(le(QStringLiteral("id000001.txt")), QByteArray("curta\r\n"));
  ASSERT_EQ(dialogos.calls().size(), 2u);
  for (const auto& chamada : dialogos.calls())
    EXPECT_TRUE(chamada.prompt.startsWith(QStringLiteral("Não foi possível inserir a anotação")));

  gravador.stopFailing();
  notas.VerificaVerbete(5);
  EXPECT_EQ(le(QStringLiteral("id000001.txt")), QByteArray("longa\r\n"));
  notas.setVisible(true);
  digita(QStringLiteral("outra"));
  notas.VerificaVerbete(-1);
  EXPECT_EQ(le(QStringLiteral("notas.dat")), bitmap({1, 5}));
  EXPECT_EQ(dialogos.calls().size(), 2u);
}

// The notes folder on a real disk that fills up: the bitmap that no longer
// fits, then a note too long for what is left.
TEST_F(Notas, OnAFullDiskASaveThatDoesNotFitGivesMessage500AndKeepsTheOldFiles) {
  const SmallDisk disco(256);
  if (!disco.mounted()) GTEST_SKIP() << "cannot mount a small file system here";
  const QString pasta = disco.path();
  const QByteArray marcas = bitmap({1});
  ASSERT_TRUE(files::disk().write(pasta + QStringLiteral("/notas.dat"), marcas));
  ASSERT_TRUE(files::disk().write(pasta + QStringLiteral("/id000001.txt"), "curta\r\n"));
  notas.AlteraDir(pasta);
  auto arquivo = [&](const char* nome) {
    QFile f(pasta + u'/' + QLatin1String(nome));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(nenhum)");
  };

  disco.fillLeaving(24 * 1024);  // the bitmap fits once more, the long note not
  notas.VerificaVerbete(1);
  digita(QString(40000, u'n'));
  notas.VerificaVerbete(-1);
  EXPECT_EQ(arquivo("id000001.txt"), QByteArray("curta\r\n"));
  EXPECT_EQ(arquivo("notas.dat"), marcas);
  digita(QStringLiteral("curta de novo"));  // shortened in the box that kept it
  notas.VerificaVerbete(-1);
  EXPECT_EQ(arquivo("id000001.txt"), QByteArray("curta de novo\r\n"));

  disco.fillLeaving(2048);  // not even the bitmap fits
  notas.VerificaVerbete(2);
  notas.setVisible(true);
  digita(QStringLiteral("nova"));
  notas.VerificaVerbete(-1);
  EXPECT_EQ(arquivo("notas.dat"), marcas);
  EXPECT_EQ(arquivo("id000002.txt"), QByteArray("(nenhum)"));
  EXPECT_EQ(dialogos.calls().size(), 2u);
  EXPECT_EQ(arquivosEm(pasta),
            QStringList({QStringLiteral("filler"), QStringLiteral("id000001.txt"), QStringLiteral("notas.dat")}));
}

// A blank folder setting means going without notes, as the user chose: the
// box does not open, and a note left over from the old folder is neither
// written nor lost.
TEST_F(Notas, WithNoFolderSetTheBoxDoesNotOpenAndNothingIsWritten) {
  CNotas semPasta{dialogos, gravador};
  QPlainTextEdit caixa2{&janela};
  QWidget indicador2{&janela};
  caixa2.hide();
  semPasta.Inicializa(caixa2, QString(), indicador2);
  semPasta.VerificaVerbete(4);
  semPasta.setVisible(true);
  EXPECT_FALSE(semPasta.EhVisivel());
  EXPECT_TRUE(dialogos.calls().empty());
}

TEST_F(Notas, ANoteLeftWhenTheFolderIsClearedStaysInItsBox) {
  notas.LeArquivo();
  notas.VerificaVerbete(4);
  notas.setVisible(true);
  digita(QStringLiteral("guardada"));
  gravador.failWritesTo(QStringLiteral(".txt"));
  notas.AlteraDir(QString());
  gravador.stopFailing();
  EXPECT_TRUE(notas.EhVisivel());
  EXPECT_EQ(caixa.toPlainText(), QStringLiteral("guardada"));
  ASSERT_EQ(dialogos.prompts().size(), 1);
  EXPECT_TRUE(dialogos.prompts()[0].startsWith(QStringLiteral("Nenhum diretório de notas foi definido")));
  EXPECT_FALSE(notas.SalvaNota());
  EXPECT_FALSE(existe(QStringLiteral("id000004.txt")));
}

}  // namespace
