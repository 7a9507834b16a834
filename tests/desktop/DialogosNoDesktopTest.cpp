#include "FakeMiniVocabraDB.h"
#include "JanelaTeste.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Where the window manager put a dialog, and at what size.
struct Lugar {
  QRect dialogo;   // the dialog itself, without the manager's frame
  QSize proprio;   // the size its layout asks for
};

// The three settings dialogs, opened from the real file menu of the real
// main window on the test's own desktop, as the window manager shows them.
class DialogosNoDesktop : public JanelaTeste {
 protected:
  void SetUp() override {
    janela = criaJanela([] {
      return std::make_unique<FakeMiniVocabraDB>(std::vector<QString>{QStringLiteral("abelha"), QStringLiteral("bola")});
    });
    t.emplace(*janela);
    ASSERT_TRUE(mostraNormal(*janela));
  }

  // Opens the dialog of `item` and waits, within a deadline, until the
  // manager has placed it (shown, framed, the same frame twice in a row);
  // then `mexe` may move and resize it, and it is cancelled.
  Lugar abre(QAction* item, const std::function<void(QDialog&)>& mexe = {}) {
    Lugar lugar;
    QRect anterior;
    const QDeadlineTimer prazo(10000);
    QTimer vigia;
    vigia.setInterval(100);
    QObject::connect(&vigia, &QTimer::timeout, [&] {
      auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialogo == nullptr) return;
      const QRect agora = dialogo->frameGeometry();
      const bool posto = dialogo->windowHandle() != nullptr && dialogo->windowHandle()->isExposed() &&
                         agora == anterior && agora.size() != dialogo->size();
      anterior = agora;
      if (!posto && !prazo.hasExpired()) return;
      vigia.stop();
      lugar = {dialogo->geometry(), dialogo->sizeHint()};
      if (mexe) mexe(*dialogo);
      dialogo->reject();
    });
    vigia.start();
    item->trigger();
    return lugar;
  }

  // The dialog is centred on the main window.
  void centrado(const Lugar& lugar, const char* qual) {
    const QPoint diferenca = lugar.dialogo.center() - janela->geometry().center();
    EXPECT_LE(std::abs(diferenca.x()), 1) << qual << ": " << diferenca.x() << ", " << diferenca.y();
    EXPECT_LE(std::abs(diferenca.y()), 1) << qual << ": " << diferenca.x() << ", " << diferenca.y();
    EXPECT_EQ(lugar.dialogo.size(), lugar.proprio) << qual;
  }

  std::unique_ptr<frmMain> janela;
  std::optional<frmMainTeste> t;
};

// Each dialog opens centred at its own size, also after it was moved and
// resized before it closed, and follows the main window when that moves.
TEST_F(DialogosNoDesktop, EachSettingsDialogOpensCentredOnTheMainWindowAtItsOwnSize) {
  const struct {
    const char* qual;
    QAction* item;
  } dialogos[] = {
      {"gerais", t->menus.mnu_configuragerais},
      {"lista", t->menus.mnu_configuralista},
      {"verbete", t->menus.mnu_configuraverbete},
  };
  for (const auto& d : dialogos) {
    centrado(abre(d.item, [](QDialog& dialogo) { dialogo.setGeometry(dialogo.geometry().adjusted(-90, 40, 120, 90)); }),
             d.qual);
    centrado(abre(d.item), d.qual);
  }
  janela->move(20, 30);
  ASSERT_TRUE(QTest::qWaitFor([this] { return janela->pos() == QPoint(20, 30); }, 5000));
  for (const auto& d : dialogos) centrado(abre(d.item), d.qual);
}

}  // namespace
