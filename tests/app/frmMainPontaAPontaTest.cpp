#include "DLLMiniVocabraDB.h"
#include "DadosDeTeste.h"
#include "JanelaTeste.h"
#include "ProgramPaths.h"
#include "TabelaChaves.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The whole road on the sample dictionary with the real component: typing
// a word shows its entry and the word list around it.
class frmMainPontaAPonta : public JanelaTeste {
 protected:
  // A main window over the sample dictionary that the build makes.
  std::unique_ptr<frmMain> janelaNaAmostra() { return janelaSobre(dadosteste::pastaExemplo()); }

  std::unique_ptr<frmMain> janelaSobre(const QString& pastaDados) {
    modMain::InicializaChaves();
    return criaJanela([pastaDados] { return std::make_unique<DLLMiniVocabraDB>(pastaDados); });
  }
};

TEST_F(frmMainPontaAPonta, TypingCasaShowsItsEntryAndTheWordList) {
  auto janela = janelaNaAmostra();
  frmMainTeste t(*janela);
  ASSERT_TRUE(iniciaAtiva(*janela));

  t.txtEntrada->setFocus();
  QTest::keyClicks(t.txtEntrada, QStringLiteral("casa"));
  const PageDocument& pagina = t.m_browser.navegador().document();
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return pagina.innerHTML(QStringLiteral("AreaVerbete")).value_or(QString()).contains(u"casa"); }, 5000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !t.picAguarde->isVisible(); }, 2000));

  ASSERT_TRUE(QTest::qWaitFor([&] { return !t.tmrListaCarga->Enabled(); }, 5000));
  const std::int32_t id = t.lista.ObtemPoslista();
  EXPECT_EQ(t.lista.ObtemPalavraPos(id), QStringLiteral("casa"));
  EXPECT_EQ(t.lista.ObtemLetraAtual(), QStringLiteral("c"));
  EXPECT_EQ(t.m_EscolheLetra.LetraSelecionada(), QChar('C'));
  EXPECT_TRUE(pagina.innerHTML(QStringLiteral("AreaVerbete"))->contains(QStringLiteral("D_DEF")));
}

// A search through the entries' text on the sample dictionary: the results
// page lists entries with their summaries, and the results list holds them.
TEST_F(frmMainPontaAPonta, SearchingTheEntriesTextListsResultsWithSummaries) {
  auto janela = janelaNaAmostra();
  frmMainTeste t(*janela);
  ASSERT_TRUE(iniciaAtiva(*janela));

  emit t.imgAvancada->Click();
  t.chkAvancada[2]->click();
  t.txtEntrada->setText(QStringLiteral("casa"));
  t.btBuscar->click();
  const PageDocument& pagina = t.m_browser.navegador().document();
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return pagina.innerHTML(QStringLiteral("AreaVerbete")).value_or(QString()).contains(u"goID://"); }, 5000));
  EXPECT_TRUE(t.picLista2->isVisible());
  EXPECT_GE(t.lista2.UltimoIndice(), 0);
  EXPECT_FALSE(t.lista2.Carregando());
  EXPECT_TRUE(t.lblDescricaoPesquisa->text().contains(QStringLiteral("no texto do verbete")));
  // The summaries are text inside their entry's link.
  EXPECT_FALSE(pagina.innerHTML(QStringLiteral("AreaVerbete"))->contains(QStringLiteral("<a href=\"goto://")));
}

// The build's program folder as built, on a fresh settings file: only the
// hives and the user's folders are the test's own. Whatever the notes
// folder holds is put back as it was at the end.
class frmMainProgramaDoBuild : public JanelaTeste {
 protected:
  frmMainProgramaDoBuild() {
    qputenv(paths::kProgramDirVariable, programa.toUtf8());
    QFile::copy(programa + QStringLiteral("/HKEY_LOCAL_MACHINE.reg"), world.machineHive());
    const QDir pasta(notas);
    for (const QString& nome : pasta.entryList(QDir::Files)) antes[nome] = lido(nome);
  }
  ~frmMainProgramaDoBuild() override {
    QDir pasta(notas);
    for (const QString& nome : pasta.entryList(QDir::Files)) {
      if (!antes.contains(nome)) pasta.remove(nome);
    }
    for (auto it = antes.cbegin(); it != antes.cend(); ++it) {
      QFile arquivo(pasta.filePath(it.key()));
      if (arquivo.open(QIODevice::WriteOnly)) arquivo.write(it.value());
    }
  }
  QByteArray lido(const QString& nome) const {
    QFile arquivo(notas + u'/' + nome);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
  }

  // A start as the program makes it: the hives read anew from their files,
  // the dictionary where the machine hive says.
  std::unique_ptr<frmMain> inicia() {
    registro = std::make_unique<reg::Registry>(world.userHive(), world.machineHive(), nullptr);
    const QString dados =
        CConfig(*registro, dialogs).LeRegLM(QStringLiteral("DirInstalado"), QStringLiteral("(sem dados)"));
    modMain::InicializaChaves();
    auto janela = criaJanela([dados] { return std::make_unique<DLLMiniVocabraDB>(paths::toFileSystem(dados)); },
                             QString(), registro.get());
    EXPECT_TRUE(iniciaAtiva(*janela));
    return janela;
  }
  const QString programa = QStringLiteral(MINIVOCABRA_BUILD_PROGRAM_DIR);
  const QString notas = programa + QStringLiteral("/notas");
  QMap<QString, QByteArray> antes;
  std::unique_ptr<reg::Registry> registro;
};

TEST_F(frmMainProgramaDoBuild, AFirstStartShowsNoMessageAndANoteTypedIsThereAgainAlsoAfterARestart) {
  auto janela = inicia();
  frmMainTeste t(*janela);
  EXPECT_EQ(t.config.LeReg(QStringLiteral("DirNotas"), QString()), notas);
  ASSERT_TRUE(digita(*janela, QStringLiteral("casa"), QStringLiteral("casa")));
  janela->ComandoMenu(QStringLiteral("nota"));
  t.txtNota->setPlainText(QStringLiteral("minha nota"));
  ASSERT_TRUE(digita(*janela, QStringLiteral("bola"), QStringLiteral("bola")));
  EXPECT_FALSE(t.m_Notas.EhVisivel());
  ASSERT_TRUE(digita(*janela, QStringLiteral("casa"), QStringLiteral("casa")));
  EXPECT_TRUE(t.m_Notas.EhVisivel());
  EXPECT_EQ(t.txtNota->toPlainText(), QStringLiteral("minha nota\n"));
  janela->Form_QueryUnload();
  janela->Form_Unload();
  janela.reset();

  auto outra = inicia();
  ASSERT_TRUE(digita(*outra, QStringLiteral("casa"), QStringLiteral("casa")));
  const frmMainTeste o(*outra);
  EXPECT_TRUE(o.m_Notas.EhVisivel());
  EXPECT_EQ(o.txtNota->toPlainText(), QStringLiteral("minha nota\n"));
  EXPECT_TRUE(dialogs.calls().empty()) << qPrintable(dialogs.calls().front().prompt);
}

// A headword that starts with a separator ("-logia") is listed under the
// letter of its key, every slot of that list holds its own entry, and the
// row highlighted is the entry on screen: on the sample, and on a small
// dictionary built for it.
class frmMainSeparadorInicial : public frmMainPontaAPonta, public ::testing::WithParamInterface<bool> {};

TEST_P(frmMainSeparadorInicial, TypingLoShowsTheSuffixInTheLetterL) {
  QTemporaryDir pasta;
  QString dados = dadosteste::pastaExemplo();
  if (!GetParam()) {
    dados = pasta.path() + QStringLiteral("/dados");
    ASSERT_NO_FATAL_FAILURE(dadosteste::constroi(QStringLiteral(
        "dicionario: d\nempresa: e\nversao: 1\ncodigo: 1\n\n"
        "verbete: casa\nclasse: s.f.\ndef: Moradia.\n\nverbete: -logia\nclasse: suf.\ndef: Estudo.\n\n"
        "verbete: loja\nclasse: s.f.\ndef: Comércio.\n\nverbete: lua\nclasse: s.f.\ndef: Satélite.\n\n"
        "verbete: lado\nclasse: s.m.\ndef: Face.\n"), dados));
  }
  auto janela = janelaSobre(dados);
  frmMainTeste t(*janela);
  ASSERT_TRUE(iniciaAtiva(*janela));
  ASSERT_TRUE(digita(*janela, QStringLiteral("lo"), QStringLiteral("logia")));

  DLLMiniVocabraDB db(dados);
  const std::int32_t mostrado = db.ObtemPosicaoPalavra(QStringLiteral("logia"));
  EXPECT_EQ(t.lista.ObtemLetraAtual(), QStringLiteral("l"));
  EXPECT_EQ(t.m_EscolheLetra.LetraSelecionada(), QChar('L'));
  EXPECT_EQ(t.lista.ObtemPoslista(), mostrado);
  const std::int32_t base = db.ObtemPosicaoPalavra(QStringLiteral("l"));
  QString buffer;
  ASSERT_EQ(t.lista.UltimoIndice() + 1, db.PesquisaMascara(QStringLiteral("l*"), buffer, 1));
  for (std::int32_t id = base; id <= base + t.lista.UltimoIndice(); ++id) {
    QString html;
    ASSERT_EQ(t.lista.ObtemPalavraPos(id), db.ObtemVerbete(id, html, 0)) << "id " << id;
  }
}

INSTANTIATE_TEST_SUITE_P(Dados, frmMainSeparadorInicial, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Amostra" : "Construido"; });

}  // namespace
