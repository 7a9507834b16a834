#include "ClienteX.h"
#include "FakeMiniVocabraDB.h"
#include "JanelaTeste.h"

#include <QApplication>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScreen>
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
    Servicos servicos{registry, dialogs, tela, instancia,
                      [] {
                        return std::make_unique<FakeMiniVocabraDB>(
                            std::vector<QString>{QStringLiteral("abelha"), QStringLiteral("amigo"), QStringLiteral("bola")});
                      },
                      QString(), {}, [](QWidget* host, WebBrowser&) { return new QWidget(host); }};  // owned by host
    servicos.menusPopup = menus;
    janela = std::make_unique<frmMain>(std::move(servicos));
    ASSERT_TRUE(janela->Form_Load());
    janela->config->RestaurarJanela();  // the first run opens maximised
    janela->setGeometry(100, 80, 900, 700);
    janela->show();
    janela->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
    ASSERT_TRUE(QTest::qWaitFor([this] { return janela->lista->UltimoIndice() >= 0 && !janela->tmrListaCarga->Enabled(); }));
  }

  // What the screen shows of `controle`.
  static QImage naTela(const QWidget* controle) {
    const QPoint origem = controle->mapToGlobal(QPoint(0, 0));
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, origem.x(), origem.y(), controle->width(), controle->height())
        .toImage();
  }

  ClienteX x;
  std::shared_ptr<MenusContados> menus = std::make_shared<MenusContados>();
  std::unique_ptr<frmMain> janela;
};

// The window manager is told the minimum, and keeps to it in its own resize
// loop: the window is never smaller, not even for a moment.
TEST_F(JanelaNoDesktop, TheGripCannotTakeTheWindowBelowItsMinimum) {
  EXPECT_EQ(x.tamanhoMinimo(janela->winId()), QSize(640, 490));
  MenoresTamanhos menores;
  janela->installEventFilter(&menores);
  QSignalSpy prensa(janela->ImgResize, &VbControl::MouseDown);
  const QPoint grip = janela->ImgResize->mapToGlobal(QPoint(12, 11));
  x.movePonteiro(grip);
  x.botao(true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return prensa.count() == 1; }, 3000));
  QTest::qWait(100);  // the window manager takes the pointer over
  for (int passo = 1; passo <= 10; ++passo) {
    x.movePonteiro(grip - QPoint(70 * passo, 60 * passo));  // towards 200 x 100
    QTest::qWait(10);
  }
  x.botao(false);
  EXPECT_TRUE(QTest::qWaitFor([this] { return janela->size() == QSize(640, 490); }, 3000))
      << janela->width() << " x " << janela->height();
  QTest::qWait(50);
  EXPECT_EQ(janela->size(), QSize(640, 490));
  EXPECT_EQ(menores.largura, 640);
  EXPECT_EQ(menores.altura, 490);
}

TEST_F(JanelaNoDesktop, AltAOpensTheFileMenuAndTypesNothing) {
  janela->txtEntrada->setFocus();
  janela->txtEntrada->setText(QStringLiteral("casa"));
  x.teclas({XK_Alt_L, XK_a});
  ASSERT_TRUE(QTest::qWaitFor([this] { return menus->abertos == 1; }, 3000));
  EXPECT_EQ(janela->txtEntrada->text(), QStringLiteral("casa"));
  EXPECT_FALSE(janela->tmrBusca->Enabled());
}

TEST_F(JanelaNoDesktop, ShiftOneOnAWordListDoesNothing) {
  janela->txtEntrada->setText(QStringLiteral("casa"));
  janela->PicLista->setFocus();
  Solturas solturas;
  qApp->installEventFilter(&solturas);
  x.teclas({XK_Shift_L, XK_1});
  ASSERT_TRUE(QTest::qWaitFor([&] { return solturas.vezes >= 2; }, 3000));  // both keys are up again
  qApp->removeEventFilter(&solturas);
  EXPECT_EQ(janela->txtEntrada->text(), QStringLiteral("casa"));
  EXPECT_EQ(QApplication::focusWidget(), janela->PicLista);
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
  const QImage palavras = naTela(janela->imgBtSelLista[0]);
  EXPECT_TRUE(marcada(palavras, 10));
  EXPECT_TRUE(marcada(palavras, divisa - 3));
  EXPECT_FALSE(marcada(palavras, divisa + 3));
  EXPECT_TRUE(temTexto(palavras, 0, divisa));
  EXPECT_TRUE(temTexto(palavras, divisa, palavras.width()));

  x.clica(janela->imgBtSelLista[0]->mapToGlobal(QPoint(divisa + 1, 15)));
  ASSERT_TRUE(QTest::qWaitFor([this] { return janela->picLista2->isVisible(); }, 3000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return marcada(naTela(janela->imgBtSelLista[1]), 200); }, 3000));
  const QImage resultados = naTela(janela->imgBtSelLista[1]);
  EXPECT_FALSE(marcada(resultados, divisa - 3));
  EXPECT_TRUE(marcada(resultados, divisa + 3));
  EXPECT_TRUE(temTexto(resultados, 0, divisa));
  EXPECT_TRUE(temTexto(resultados, divisa, resultados.width()));

  x.clica(janela->imgBtSelLista[1]->mapToGlobal(QPoint(divisa - 2, 15)));
  EXPECT_TRUE(QTest::qWaitFor([this] { return janela->PicLista->isVisible(); }, 3000));
  EXPECT_EQ(janela->imgBtSelLista[0]->cursor().shape(), Qt::BitmapCursor);
}

}  // namespace
