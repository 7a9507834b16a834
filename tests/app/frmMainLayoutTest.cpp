#include "JanelaTeste.h"
#include "MockMiniVocabraDB.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

using ::testing::_;
using ::testing::DoAll;
using ::testing::NiceMock;
using ::testing::Return;
using ::testing::SetArgReferee;

namespace {

// Ink of text: dark and without the blue of the window's frame and grip.
bool tintaDeTexto(QColor cor) { return qGray(cor.rgb()) < 160 && cor.blue() - cor.red() < 30; }

// Whether any pixel of `area` is ink of the kind `tinta` tells.
bool temTinta(const QImage& imagem, const QRect& area, bool (*tinta)(QColor)) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (tinta(imagem.pixelColor(x, y))) return true;
  return false;
}

bool escuro(QColor cor) { return qGray(cor.rgb()) < 160; }

// The main window at a given size with everything the chrome can show at
// once: an entry on screen (the entry toolbar and the corner piece), the
// advanced panel with the filter list, the note box, and the maker's name.
class LayoutNoTamanho : public JanelaTeste, public ::testing::WithParamInterface<QSize> {
 protected:
  void SetUp() override {
    QDir().mkpath(world.notesDir());
    setHive(reg::HKEY_LOCAL_MACHINE, "Instalacao", "5");
    setHive(reg::HKEY_CURRENT_USER, "Instalacao", "5");
    setHive(reg::HKEY_CURRENT_USER, "DirNotas", world.notesDir().toUtf8());
    w = criaJanela([] {
      auto db = std::make_unique<NiceMock<MockMiniVocabraDB>>();
      ON_CALL(*db, AbreDados()).WillByDefault(Return(true));
      ON_CALL(*db, ObtemInfoDados()).WillByDefault(Return(QStringLiteral("1.0|Corvanta Edições")));
      ON_CALL(*db, ObtemVerbete(_, _, _))
          .WillByDefault(DoAll(SetArgReferee<1>(QStringLiteral("<p>casa</p>")), Return(QStringLiteral("casa"))));
      return db;
    });
    ASSERT_TRUE(iniciaAtiva(*w));
    w->config->RestaurarJanela();  // start-up maximises a window it finds off the screen
    w->resize(GetParam());
    ASSERT_EQ(w->size(), GetParam());
    QString palavra;
    w->MostraVerbeteID(3, palavra, true, true);
    ASSERT_TRUE(w->imgNota->isVisible());
    w->imgAvancada_Click();
    w->cmbFiltro->setCurrentIndex(1);
    w->cmbFiltro_Click();
    w->m_Notas->setVisible(true);
    ASSERT_TRUE(w->lstFiltros->isVisible());
    ASSERT_TRUE(w->txtNota->isVisible());
  }

  std::unique_ptr<frmMain> w;
};

std::string nomeTamanho(const ::testing::TestParamInfo<QSize>& info) {
  return std::to_string(info.param.width()) + 'x' + std::to_string(info.param.height());
}

INSTANTIATE_TEST_SUITE_P(MenorEGrande, LayoutNoTamanho, ::testing::Values(QSize(640, 490), QSize(1280, 1024)),
                         nomeTamanho);

TEST_P(LayoutNoTamanho, TheToolbarAndWindowButtonsStandApart) {
  const std::vector<QWidget*> botoes = {w->btVisual[0], w->btVisual[1], w->btVisual[2], w->imgPrinter,
                                        w->imgNota,     w->imgMin,      w->imgMax,      w->imgClose};
  for (std::size_t i = 0; i < botoes.size(); ++i) {
    EXPECT_TRUE(w->rect().contains(botoes[i]->geometry())) << qPrintable(botoes[i]->objectName());
    for (std::size_t j = i + 1; j < botoes.size(); ++j)
      EXPECT_FALSE(botoes[i]->geometry().intersects(botoes[j]->geometry()))
          << qPrintable(botoes[i]->objectName()) << " and " << qPrintable(botoes[j]->objectName());
  }
}

// The corner piece lies behind the window buttons only: the note button
// looks the same with the piece there or not.
TEST_P(LayoutNoTamanho, TheCornerPieceLeavesTheNoteButtonUncovered) {
  ImageControl* canto = w->imgFundo[0];
  ASSERT_TRUE(canto->isVisible());
  for (QWidget* botao : {w->imgMin, w->imgMax, w->imgClose})
    EXPECT_TRUE(canto->geometry().contains(botao->geometry())) << qPrintable(botao->objectName());
  for (QWidget* botao : {static_cast<QWidget*>(w->imgNota), static_cast<QWidget*>(w->imgPrinter)})
    EXPECT_FALSE(canto->geometry().intersects(botao->geometry())) << qPrintable(botao->objectName());

  const QRect nota = w->imgNota->geometry();
  const QImage comCanto = w->grab(nota).toImage();
  canto->hide();
  const QImage semCanto = w->grab(nota).toImage();
  canto->show();
  EXPECT_TRUE(comCanto == semCanto) << "the corner piece shows over the note button";
}

// The name ends before the grip's corner and shows whole; the grip's corner
// holds no ink of it.
TEST_P(LayoutNoTamanho, TheMakersNameStaysClearOfTheGrip) {
  ASSERT_EQ(w->lblNomeEmpresa->text(), QStringLiteral("Corvanta Edições"));
  const QRect nome = w->picNomeEmpresa->geometry();
  const QRect grip = w->ImgResize->geometry();
  ASSERT_TRUE(w->ImgResize->isVisible());
  EXPECT_FALSE(nome.intersects(grip));
  EXPECT_TRUE(w->rect().contains(nome));
  EXPECT_GE(w->lblNomeEmpresa->width(), w->lblNomeEmpresa->sizeHint().width());
  const QRect caixaNota = w->txtNota->geometry().adjusted(-2, -2, 0, 0);  // with its frames
  EXPECT_FALSE(nome.intersects(caixaNota));

  const QImage janela = w->grab().toImage();
  EXPECT_TRUE(temTinta(janela, nome, tintaDeTexto));
  EXPECT_FALSE(temTinta(janela, grip, tintaDeTexto));
}

// The longest class of the filter list fits its row beside the box and the
// scroll bar, so it is not cut short.
TEST_P(LayoutNoTamanho, TheFilterListShowsEachClassWhole) {
  const QList<QListWidgetItem*> achados =
      w->lstFiltros->findItems(QStringLiteral("Elemento de composição"), Qt::MatchExactly);
  ASSERT_EQ(achados.size(), 1);
  const int visivel = w->lstFiltros->viewport()->width();
  for (int i = 0; i < w->lstFiltros->count(); ++i) {
    const QModelIndex indice = w->lstFiltros->model()->index(i, 0);
    EXPECT_LE(w->lstFiltros->sizeHintForIndex(indice).width(), visivel) << qPrintable(w->lstFiltros->item(i)->text());
  }
}

// The picture above the note box names it.
TEST_P(LayoutNoTamanho, TheNoteBoxHasItsCaption) {
  ASSERT_TRUE(w->txtAnotacoes->isVisible());
  const QRect legenda = w->txtAnotacoes->geometry();
  EXPECT_LT(legenda.bottom(), w->txtNota->y() - 2);  // above the box and its frames
  EXPECT_TRUE(temTinta(w->grab(legenda).toImage(), QRect(QPoint(0, 0), legenda.size()), escuro));
}

}  // namespace
