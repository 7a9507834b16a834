#include "ClienteX.h"
#include "ProgramaEmCasa.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The program as built, started as a user starts it on a desktop: with
// nothing stored but its notes folder, in a home of its own.
class ProgramaNoDesktop : public ::testing::Test {
 protected:
  void inicia(bool medeInicio) {
    m_programa = &m_casa.inicia([medeInicio](QProcessEnvironment& ambiente) {
      // It ends by itself once the start page is painted.
      if (medeInicio)
        ambiente.insert(QStringLiteral("MINIVOCABRA_T0"),
                        QString::number(QDateTime::currentMSecsSinceEpoch() * 1000000));
    });
    ASSERT_TRUE(m_programa->waitForStarted());
  }
  bool rodando() const { return m_programa->state() != QProcess::NotRunning; }

  ClienteX x;
  ProgramaEmCasa m_casa;
  QProcess* m_programa = nullptr;
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
  EXPECT_EQ(m_programa->exitCode(), 0);
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
