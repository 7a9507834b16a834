#include "EncerramentoOrdenado.h"

#include "ArquivoNota.h"
#include "FakeMiniVocabraDB.h"
#include "JanelaTeste.h"
#include "Numbers.h"

#include <QDir>
#include <QSignalSpy>
#include <QTimer>

#include <csignal>

namespace {

// A session that ends with the window open: the settings and the note it
// holds are saved as on a close.
class EncerramentoOrdenadoTest : public JanelaTeste {
 protected:
  void SetUp() override {
    QDir().mkpath(world.notesDir());
    setHive(reg::HKEY_CURRENT_USER, "Instalacao", "1");
    setHive(reg::HKEY_CURRENT_USER, "DirNotas", world.notesDir().toUtf8());
    janela = criaJanela([] {
      return std::make_unique<FakeMiniVocabraDB>(
          std::vector<QString>{QStringLiteral("abelha"), QStringLiteral("amigo"), QStringLiteral("bola")});
    });
    t.emplace(*janela);
    ASSERT_TRUE(iniciaAtiva(*janela));
    t->config.RestaurarJanela();  // the first run opens maximised
    janela->setGeometry(120, 90, 800, 600);
    t->BuscaPalavraDigitada(QStringLiteral("bola"));
    t->m_Notas.setVisible(true);
    t->txtNota->setPlainText(QStringLiteral("nota da sessão"));
    ASSERT_TRUE(janela->isVisible());
  }

  // A value of the user's hive as the next start reads it from the disk.
  QString salvo(const QByteArray& nome) const {
    reg::Registry lido(world.userHive(), world.machineHive(), nullptr);
    return valores::leTexto(lido, reg::HKEY_CURRENT_USER, valores::kChaveConfiguracoes, nome);
  }

  // What the window unloads: its placement, the last search, the open note.
  void confereSalvo() const {
    EXPECT_FALSE(janela->isVisible());
    const QRect lugar = janela->retanguloTwips();
    EXPECT_EQ(salvo("JanelaMax"), QStringLiteral("0"));
    EXPECT_EQ(salvo("JanelaX"), num::strWithSign(lugar.x()));
    EXPECT_EQ(salvo("JanelaY"), num::strWithSign(lugar.y()));
    EXPECT_EQ(salvo("JanelaW"), num::strWithSign(lugar.width()));
    EXPECT_EQ(salvo("HistTit4"), QStringLiteral("bola"));
    EXPECT_EQ(salvo("HistID4"), QStringLiteral("2"));
    EXPECT_EQ(ArquivoNota::le(world.notesDir(), 2), QStringLiteral("nota da sessão\r\n"));
  }

  std::unique_ptr<frmMain> janela;
  std::optional<frmMainTeste> t;
};

class SinalDeTermino : public EncerramentoOrdenadoTest, public ::testing::WithParamInterface<int> {};

TEST_P(SinalDeTermino, UnloadsTheWindowAsACloseDoes) {
  const EncerramentoOrdenado encerramento(*janela);
  ASSERT_TRUE(encerramento.sinaisAtivos());
  QSignalSpy encerrado(janela.get(), &frmMain::Encerrado);
  ASSERT_EQ(::raise(GetParam()), 0);
  ASSERT_TRUE(encerrado.wait(10000));
  EXPECT_EQ(encerrado.size(), 1);
  confereSalvo();
}

INSTANTIATE_TEST_SUITE_P(, SinalDeTermino, ::testing::ValuesIn(TerminationSignals::kSignals));

// The session manager's request to save, before a logout the user may still
// cancel: the settings are saved and the window stays.
TEST_F(EncerramentoOrdenadoTest, TheSessionsRequestToSaveKeepsTheWindowOpen) {
  janela->GravaEstado();
  EXPECT_TRUE(janela->isVisible());
  EXPECT_EQ(salvo("JanelaX"), num::strWithSign(janela->retanguloTwips().x()));
  EXPECT_EQ(salvo("HistTit4"), QStringLiteral("bola"));
}

// The application made to quit from outside its window (the session
// manager's end) unloads the window too.
TEST_F(EncerramentoOrdenadoTest, AQuitFromOutsideUnloadsTheWindow) {
  const EncerramentoOrdenado encerramento(*janela);
  QSignalSpy encerrado(janela.get(), &frmMain::Encerrado);
  QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
  EXPECT_EQ(encerrado.size(), 1);
  confereSalvo();
}

}  // namespace
