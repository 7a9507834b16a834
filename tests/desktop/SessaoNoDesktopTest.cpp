#include "ClienteX.h"
#include "ProgramaEmCasa.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

#include <X11/keysym.h>

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

namespace {

constexpr int kPrazoMs = 30000;

// The life of the program as a process on a real desktop: how it ends with
// the session, a second start, a start it must refuse.
class SessaoNoDesktop : public ::testing::Test {
 protected:
  // The program's main window once it is up, the splash gone and the focus
  // given to it; 0 when the copy ended first or it never came.
  Window esperaJanelaPrincipal(const QProcess& copia) {
    Window principal = 0;
    const bool veio = QTest::qWaitFor(
        [&] {
          principal = 0;
          bool splash = false;
          for (Window w : x.pilha()) {
            if (x.ehSplash(w)) splash = true;
            else if (x.titulo(w) == QStringLiteral("Minivocabra")) principal = w;
          }
          return copia.state() == QProcess::NotRunning || (principal != 0 && !splash && x.ativa() == principal);
        },
        kPrazoMs);
    return veio && copia.state() != QProcess::NotRunning ? principal : 0;
  }

  // Drags `janela` by the point `pega` of its inside by about
  // `deslocamento`, as the user drags the title area: the press hands the
  // move to the window manager, which moves the window with the pointer
  // until the release. The pointer is nudged by a pixel until the manager
  // has taken over, so the window may land a pixel off.
  ::testing::AssertionResult arrasta(Window janela, QPoint pega, QPoint deslocamento) {
    const QPoint inicio = x.origem(janela);
    const QPoint ponto = inicio + pega;
    x.movePonteiro(ponto);
    x.botao(true);
    int passo = 0;
    const bool tomou = QTest::qWaitFor(
        [&] {
          x.movePonteiro(ponto + QPoint(++passo % 2, 0));
          return x.origem(janela) != inicio;
        },
        kPrazoMs);
    x.movePonteiro(ponto + deslocamento);
    const auto chegou = [&] { return (x.origem(janela) - inicio - deslocamento).manhattanLength() <= 1; };
    const bool movida = tomou && QTest::qWaitFor(chegou, kPrazoMs);
    x.botao(false);
    if (movida) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the window went to " << x.origem(janela).x() << ", "
                                         << x.origem(janela).y();
  }

  // Whether the screen's `area` shows a dark pixel (text on a white box).
  static bool temEscuro(const QRect& area) {
    const QImage imagem = ClienteX::naTela(area);
    for (int y = 0; y < imagem.height(); ++y) {
      for (int x = 0; x < imagem.width(); ++x) {
        if (qGray(imagem.pixel(x, y)) < 100) return true;
      }
    }
    return false;
  }

  // Whether the screen's `area` comes to show something else than `antes`.
  // Whether `area` shows a coloured pixel (a selection's highlight; text
  // and the box are grey).
  static bool temCor(const QRect& area) {
    const QImage imagem = ClienteX::naTela(area);
    for (int y = 0; y < imagem.height(); ++y) {
      for (int x = 0; x < imagem.width(); ++x) {
        if (QColor(imagem.pixel(x, y)).hsvSaturation() > 100) return true;
      }
    }
    return false;
  }

  static bool muda(const QRect& area, const QImage& antes) {
    return QTest::qWaitFor([&] { return ClienteX::naTela(area) != antes; }, kPrazoMs);
  }

  ClienteX x;
  ProgramaEmCasa programa;
};

// A logout or a shutdown ends the program with SIGTERM: it saves what a
// close saves, and ends by itself.
TEST_F(SessaoNoDesktop, ATermSignalSavesTheNoteThePlacementAndTheLastSearch) {
  // At 100, 80 and 800 x 600 (Xvfb's 96 dots per inch: 15 twips a pixel).
  programa.grava("JanelaMax", "0");
  programa.grava("JanelaX", "1500");
  programa.grava("JanelaY", "1200");
  programa.grava("JanelaW", "12000");
  programa.grava("JanelaH", "9000");
  QProcess& copia = programa.inicia();
  const Window principal = esperaJanelaPrincipal(copia);
  ASSERT_NE(principal, 0u);
  ASSERT_EQ(x.origem(principal), QPoint(100, 80));

  ASSERT_TRUE(arrasta(principal, QPoint(200, 20), QPoint(150, 100)));
  const QPoint origem = x.origem(principal);

  const QRect buscasAnteriores(origem + QPoint(25, 520), QSize(213, 63));
  QImage antes = ClienteX::naTela(buscasAnteriores);
  x.clica(origem + QPoint(100, 83));  // the search box
  x.digita("abelha");
  ASSERT_TRUE(muda(buscasAnteriores, antes)) << "the look-up never showed among the previous searches";

  // A note on the entry. The window manager may hold a click back while the
  // keys pass: the keys wait for the box's text cursor.
  const QRect nota(origem + QPoint(270, 504), QSize(520, 71));
  antes = ClienteX::naTela(nota);
  x.clica(origem + QPoint(800 - 123 + 12, 23));  // the note button
  ASSERT_TRUE(muda(nota, antes)) << "the note box never opened";
  x.clica(nota.center());
  ASSERT_TRUE(QTest::qWaitFor([&] { return temEscuro(QRect(nota.topLeft() + QPoint(3, 3), QSize(6, 16))); }, kPrazoMs))
      << "the note box never took the focus";
  x.digita("nota");
  // Shift+Home then selects the line. The program takes keys in the order
  // typed, so once the selection shows, every letter is in the box.
  x.teclas({XK_Shift_L, XK_Home});
  ASSERT_TRUE(QTest::qWaitFor([&] { return temCor(QRect(nota.topLeft() + QPoint(3, 3), QSize(40, 16))); }, kPrazoMs))
      << "the note never showed what was typed";

  ASSERT_EQ(::kill(static_cast<pid_t>(copia.processId()), SIGTERM), 0);
  ASSERT_TRUE(copia.waitForFinished(kPrazoMs));
  EXPECT_EQ(copia.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(copia.exitCode(), 0);
  EXPECT_EQ(programa.salvo("JanelaMax"), QStringLiteral("0"));
  EXPECT_EQ(programa.salvo("JanelaX"), QStringLiteral(" %1").arg(origem.x() * 15));
  EXPECT_EQ(programa.salvo("JanelaY"), QStringLiteral(" %1").arg(origem.y() * 15));
  EXPECT_EQ(programa.salvo("HistTit4"), QStringLiteral("abelha"));
  const QStringList notas = QDir(programa.pastaNotas()).entryList({QStringLiteral("id*.txt")}, QDir::Files);
  ASSERT_EQ(notas.size(), 1) << qPrintable(QDir(programa.pastaNotas()).entryList(QDir::Files).join(u' '));
  QFile arquivo(programa.pastaNotas() + u'/' + notas.front());
  ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
  EXPECT_EQ(arquivo.readAll(), QByteArray("nota\r\n"));
}

// A second start ends without a message, and the user sees the program
// asked for: the first copy's window, out of the taskbar, on top, active.
TEST_F(SessaoNoDesktop, ASecondStartShowsTheMinimisedWindowOfTheFirst) {
  QProcess& primeira = programa.inicia();
  const Window principal = esperaJanelaPrincipal(primeira);
  ASSERT_NE(principal, 0u);
  x.minimiza(principal);
  ASSERT_TRUE(QTest::qWaitFor([&] { return x.estado(principal) == ClienteX::Estado::Minimizada; }, kPrazoMs));

  QProcess& segunda = programa.inicia();
  ASSERT_TRUE(segunda.waitForFinished(kPrazoMs));
  EXPECT_EQ(segunda.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(segunda.exitCode(), 0);
  const auto naFrente = [&] {
    const std::vector<Window> pilha = x.pilha();
    return x.estado(principal) == ClienteX::Estado::Normal && !pilha.empty() && pilha.back() == principal &&
           x.ativa() == principal;
  };
  EXPECT_TRUE(QTest::qWaitFor(naFrente, kPrazoMs))
      << "state " << static_cast<int>(x.estado(principal)) << ", active " << x.ativa() << " for " << principal;
  EXPECT_EQ(primeira.state(), QProcess::Running);
}

// Run by root with the page engine's sandbox on, the engine would end the
// program at once and without a window: the user is told why in a message
// box, and the program ends when it is closed, before any window of its own.
TEST_F(SessaoNoDesktop, RootWithTheSandboxOnIsToldWhyTheProgramEnds) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root meets the engine's refusal";
  QProcess& copia = programa.inicia([](QProcessEnvironment& ambiente) {
    ambiente.remove(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"));
    ambiente.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"), QStringLiteral("--disable-gpu"));
  });
  Window caixa = 0;
  bool outraJanela = false;
  const bool veio = QTest::qWaitFor(
      [&] {
        for (Window w : x.pilha()) {
          if (x.titulo(w) == QStringLiteral("Dicionário Vocabra")) caixa = w;
          else outraJanela = true;
        }
        return copia.state() == QProcess::NotRunning || (caixa != 0 && x.ativa() == caixa);
      },
      kPrazoMs);
  ASSERT_TRUE(veio && caixa != 0) << "the program ended without a message";
  x.teclas({XK_Return});
  ASSERT_TRUE(copia.waitForFinished(kPrazoMs));
  EXPECT_EQ(copia.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(copia.exitCode(), 1);
  EXPECT_FALSE(outraJanela) << "the splash or the main window showed";
}

}  // namespace
