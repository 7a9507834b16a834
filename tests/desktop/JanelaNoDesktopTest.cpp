#include "ClienteX.h"
#include "FakeMiniVocabraDB.h"
#include "JanelaTeste.h"

#include <QApplication>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QSignalSpy>
#include <QTest>

#include <X11/keysym.h>

#include <gtest/gtest.h>

namespace {

// Counts the popups asked for; a real menu would hold the keyboard.
class MenusContados final : public IPopupMenu {
 public:
  int abertos = 0;
  void popup(QMenu&, const QPoint&) override { ++abertos; }
};

// The smallest width and height a widget was given.
class MenoresTamanhos final : public QObject {
 public:
  int largura = 1 << 20;
  int altura = 1 << 20;

 protected:
  bool eventFilter(QObject*, QEvent* evento) override {
    if (evento->type() == QEvent::Resize) {
      const QSize tamanho = static_cast<QResizeEvent*>(evento)->size();
      largura = std::min(largura, tamanho.width());
      altura = std::min(altura, tamanho.height());
    }
    return false;
  }
};

// Counts the key releases the application sees.
class Solturas final : public QObject {
 public:
  int vezes = 0;

 protected:
  bool eventFilter(QObject*, QEvent* evento) override {
    if (evento->type() == QEvent::KeyRelease) ++vezes;
    return false;
  }
};

// The real main window on the test's own desktop, over a small scripted
// dictionary, shown in the normal state at 100, 80 and 900 x 700 and active.
class JanelaNoDesktop : public JanelaTeste {
 protected:
  void SetUp() override {
    Servicos servicos = servicosDeTeste([] {
      return std::make_unique<FakeMiniVocabraDB>(
          std::vector<QString>{QStringLiteral("abelha"), QStringLiteral("amigo"), QStringLiteral("bola")});
    });
    servicos.menusPopup = menus;
    janela = std::make_unique<frmMain>(std::move(servicos));
    t.emplace(*janela);
    ASSERT_TRUE(mostraNormal(*janela));
  }

  ClienteX x;
  std::shared_ptr<MenusContados> menus = std::make_shared<MenusContados>();
  std::unique_ptr<frmMain> janela;
  std::optional<frmMainTeste> t;
};

// The window manager is told the minimum, and keeps to it in its own resize
// loop: the window is never smaller, not even for a moment.
TEST_F(JanelaNoDesktop, TheGripCannotTakeTheWindowBelowItsMinimum) {
  const QSize minimo(640, 490);
  EXPECT_EQ(x.tamanhoMinimo(janela->winId()), minimo);
  MenoresTamanhos menores;
  janela->installEventFilter(&menores);
  QSignalSpy prensa(t->ImgResize, &VbControl::MouseDown);
  const QPoint grip = t->ImgResize->mapToGlobal(QPoint(12, 11));
  const QSize inicial = janela->size();
  x.movePonteiro(grip);
  x.botao(true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return prensa.count() == 1; }, 20000));
  // Steps towards 200 x 100. The window manager takes the pointer over when
  // it gets the program's request, unseen by the test: until the window
  // follows, the pointer goes on moving about the first step.
  const auto passo = [&](int n) { return grip - QPoint(70 * n, 60 * n); };
  int tentativa = 0;
  ASSERT_TRUE(QTest::qWaitFor([&] {
    x.movePonteiro(passo(1) + QPoint(++tentativa % 2, 0));
    return janela->size() != inicial;
  }, 20000));
  for (int n = 2; n <= 10; ++n) {
    const QSize antes = janela->size();
    x.movePonteiro(passo(n));
    ASSERT_TRUE(QTest::qWaitFor([&] { return antes == minimo || janela->size() != antes; }, 20000)) << n;
  }
  x.botao(false);
  EXPECT_TRUE(QTest::qWaitFor([&] { return janela->size() == minimo; }, 20000))
      << janela->width() << " x " << janela->height();
  // The release ends the manager's resize loop; a last size it gave the
  // window would show the fault: wait a while for one.
  EXPECT_FALSE(QTest::qWaitFor([&] { return janela->size() != minimo; }, 50));
  EXPECT_EQ(janela->size(), minimo);
  EXPECT_EQ(menores.largura, 640);
  EXPECT_EQ(menores.altura, 490);
}

TEST_F(JanelaNoDesktop, AltAOpensTheFileMenuAndTypesNothing) {
  t->txtEntrada->setFocus();
  t->txtEntrada->setText(QStringLiteral("casa"));
  x.teclas({XK_Alt_L, XK_a});
  ASSERT_TRUE(QTest::qWaitFor([this] { return menus->abertos == 1; }, 20000));
  EXPECT_EQ(t->txtEntrada->text(), QStringLiteral("casa"));
  EXPECT_FALSE(t->tmrBusca->Enabled());
}

TEST_F(JanelaNoDesktop, ShiftOneOnAWordListDoesNothing) {
  t->txtEntrada->setText(QStringLiteral("casa"));
  t->PicLista->setFocus();
  Solturas solturas;
  qApp->installEventFilter(&solturas);
  x.teclas({XK_Shift_L, XK_1});
  ASSERT_TRUE(QTest::qWaitFor([&] { return solturas.vezes >= 2; }, 20000));  // both keys are up again
  qApp->removeEventFilter(&solturas);
  EXPECT_EQ(t->txtEntrada->text(), QStringLiteral("casa"));
  EXPECT_EQ(QApplication::focusWidget(), t->PicLista);
}

// Both tabs in each picture, split where a click changes the list (1035
// twips, 69 pixels on this desktop), the shown list's tab white.
TEST_F(JanelaNoDesktop, EachListTabShowsBothTabsAndAClickOnEachSwitchesTheList) {
  constexpr int divisa = 69;
  const auto marcada = [](const QImage& abas, int x) { return abas.pixelColor(x, 5) == QColor(Qt::white); };
  const auto temTexto = [](const QImage& abas, int de, int ate) {
    int escuros = 0;
    for (int x = de; x < ate; ++x)
      for (int y = 8; y < abas.height() - 2; ++y) escuros += qGray(abas.pixel(x, y)) < 120 ? 1 : 0;
    return escuros > 10;
  };
  const QImage palavras = ClienteX::naTela(t->imgBtSelLista[0]);
  EXPECT_TRUE(marcada(palavras, 10));
  EXPECT_TRUE(marcada(palavras, divisa - 3));
  EXPECT_FALSE(marcada(palavras, divisa + 3));
  EXPECT_TRUE(temTexto(palavras, 0, divisa));
  EXPECT_TRUE(temTexto(palavras, divisa, palavras.width()));

  x.clica(t->imgBtSelLista[0]->mapToGlobal(QPoint(divisa + 1, 15)));
  ASSERT_TRUE(QTest::qWaitFor([this] { return t->picLista2->isVisible(); }, 20000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return marcada(ClienteX::naTela(t->imgBtSelLista[1]), 200); }, 20000));
  const QImage resultados = ClienteX::naTela(t->imgBtSelLista[1]);
  EXPECT_FALSE(marcada(resultados, divisa - 3));
  EXPECT_TRUE(marcada(resultados, divisa + 3));
  EXPECT_TRUE(temTexto(resultados, 0, divisa));
  EXPECT_TRUE(temTexto(resultados, divisa, resultados.width()));

  x.clica(t->imgBtSelLista[1]->mapToGlobal(QPoint(divisa - 2, 15)));
  EXPECT_TRUE(QTest::qWaitFor([this] { return t->PicLista->isVisible(); }, 20000));
  EXPECT_EQ(t->imgBtSelLista[0]->cursor().shape(), Qt::BitmapCursor);
}

}  // namespace
