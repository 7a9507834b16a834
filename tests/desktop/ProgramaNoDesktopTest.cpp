#include "ClienteX.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The program as built, started as a user starts it on a desktop: with
// nothing stored, in a home of its own (settings, data and run-time
// folders). Only the notes folder is set, to a folder it may write: the
// build's program folder has none, and the program would say so in a
// message box over the start.
class ProgramaNoDesktop : public ::testing::Test {
 protected:
  void inicia(bool medeInicio) {
    const QString casa = m_casa.path();
    QDir().mkpath(casa + QStringLiteral("/config/minivocabra"));
    QDir().mkpath(casa + QStringLiteral("/notas"));
    QDir().mkpath(casa + QStringLiteral("/run"));
    QFile::setPermissions(casa + QStringLiteral("/run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile hive(casa + QStringLiteral("/config/minivocabra/HKEY_CURRENT_USER.reg"));
    ASSERT_TRUE(hive.open(QIODevice::WriteOnly));
    hive.write("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Corvanta\\MiniVocabra]\r\n\"Instalacao\"=\"1\"\r\n"
               "\"DirNotas\"=\"" + casa.toUtf8() + "/notas\"\r\n");
    hive.close();
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("HOME"), casa);
    ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), casa + QStringLiteral("/config"));
    ambiente.insert(QStringLiteral("XDG_DATA_HOME"), casa + QStringLiteral("/data"));
    ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), casa + QStringLiteral("/run"));
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // It ends by itself once the start page is painted.
    if (medeInicio)
      ambiente.insert(QStringLiteral("MINIVOCABRA_T0"), QString::number(QDateTime::currentMSecsSinceEpoch() * 1000000));
    m_programa.setProcessEnvironment(ambiente);
    m_programa.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_programa.start(QStringLiteral(MINIVOCABRA_PROGRAM), QStringList());
    ASSERT_TRUE(m_programa.waitForStarted());
  }
  bool rodando() const { return m_programa.state() != QProcess::NotRunning; }

  void TearDown() override {
    if (!rodando()) return;
    m_programa.kill();
    m_programa.waitForFinished();
  }

  ClienteX x;
  QTemporaryDir m_casa;
  QProcess m_programa;
};

// The main window is mapped once, and never destroyed and made again, from
// the start until its start page is painted.
TEST_F(ProgramaNoDesktop, OneNativeMainWindowForTheWholeStart) {
  x.observaGerenciadas();
  inicia(true);
  int principais = 0;
  const auto conta = [&] {
    for (Window w : x.gerenciadas()) principais += !x.ehSplash(w) && x.nome(w) == QStringLiteral("Minivocabra") ? 1 : 0;
  };
  const bool terminou = QTest::qWaitFor([&] {
    conta();
    return !rodando();
  }, 30000);
  conta();  // what came between the last look and the end
  ASSERT_TRUE(terminou) << "the program did not paint its start page";
  EXPECT_EQ(m_programa.exitCode(), 0);
  EXPECT_EQ(principais, 1);
}

// On the first run the main window opens maximised, and the splash stays
// above it until it closes, 2.5 s after the main window showed.
TEST_F(ProgramaNoDesktop, TheSplashStaysAboveTheMaximisedFirstRunWindow) {
  inicia(false);
  QElapsedTimer relogio;
  relogio.start();
  qint64 juntos = -1;      // when both windows were first seen
  qint64 ultimoSplash = -1;  // when the splash was last seen above
  qint64 coberto = -1;       // when the splash was seen below the main window
  bool maximizada = false;
  // Looks at the stacking until the splash has closed or is seen covered.
  const auto olha = [&] {
    const std::vector<Window> pilha = x.pilha();
    const auto splash = std::find_if(pilha.begin(), pilha.end(), [&](Window w) { return x.ehSplash(w); });
    const auto principal = std::find_if(pilha.begin(), pilha.end(),
                                        [&](Window w) { return x.nome(w) == QStringLiteral("Minivocabra"); });
    if (splash == pilha.end()) return juntos >= 0;  // it has closed
    if (principal == pilha.end()) return false;
    if (juntos < 0) juntos = relogio.elapsed();
    if (splash < principal) {
      coberto = relogio.elapsed();
      return true;
    }
    ultimoSplash = relogio.elapsed();
    maximizada = maximizada || x.tamanho(*principal) == QSize(1280, 1024);
    return false;
  };
  const bool terminou = QTest::qWaitFor(olha, 15000);
  ASSERT_EQ(coberto, -1) << "covered " << coberto - juntos << " ms after the main window showed";
  ASSERT_GE(juntos, 0) << "the splash and the main window never showed together";
  EXPECT_TRUE(terminou) << "the splash did not close";
  EXPECT_TRUE(maximizada);
  EXPECT_GE(ultimoSplash - juntos, 2000);
  EXPECT_LE(ultimoSplash - juntos, 6000);
}

}  // namespace
