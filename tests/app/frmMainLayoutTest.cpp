#include "JanelaTeste.h"
#include "MockMiniVocabraDB.h"

#include <QTest>

#include <gtest/gtest.h>

#include <string>

using ::testing::_;
using ::testing::DoAll;
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
    usaPastaNotasPropria();
    w = criaJanela(componenteQueAbre([](Componente& db) {
      ON_CALL(db, ObtemInfoDados()).WillByDefault(Return(QStringLiteral("1.0|Corvanta Edições")));
      ON_CALL(db, ObtemVerbete(_, _, _))
          .WillByDefault(DoAll(SetArgReferee<1>(QStringLiteral("<p>casa</p>")), Return(QStringLiteral("casa"))));
    }));
    t.emplace(*w);
    ASSERT_TRUE(iniciaAtiva(*w));
    t->config.RestaurarJanela();  // start-up maximises a window it finds off the screen
    w->resize(GetParam());
    ASSERT_EQ(w->size(), GetParam());
    QString palavra;
    t->MostraVerbeteID(3, palavra, true, true);
    ASSERT_TRUE(t->imgNota->isVisible());
    emit t->imgAvancada->Click();
    t->cmbFiltro->setCurrentIndex(1);
    emit t->cmbFiltro->activated(t->cmbFiltro->currentIndex());
    t->m_Notas.setVisible(true);
    ASSERT_TRUE(t->lstFiltros->isVisible());
    ASSERT_TRUE(t->txtNota->isVisible());
  }

  std::unique_ptr<frmMain> w;
  std::optional<frmMainTeste> t;
};

std::string nomeTamanho(const ::testing::TestParamInfo<QSize>& info) {
  return std::to_string(info.param.width()) + 'x' + std::to_string(info.param.height());
}

INSTANTIATE_TEST_SUITE_P(MenorEGrande, LayoutNoTamanho, ::testing::Values(QSize(640, 490), QSize(1280, 1024)),
                         nomeTamanho);

TEST_P(LayoutNoTamanho, TheToolbarAndWindowButtonsStandApart) {
  const std::vector<QWidget*> botoes = {t->btVisual[0], t->btVisual[1], t->btVisual[2], t->imgPrinter,
                                        t->imgNota,     t->imgMin,      t->imgMax,      t->imgClose};
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
  ImageControl* canto = t->imgFundo[0];
  ASSERT_TRUE(canto->isVisible());
  for (QWidget* botao : {t->imgMin, t->imgMax, t->imgClose})
    EXPECT_TRUE(canto->geometry().contains(botao->geometry())) << qPrintable(botao->objectName());
  for (QWidget* botao : {static_cast<QWidget*>(t->imgNota), static_cast<QWidget*>(t->imgPrinter)})
    EXPECT_FALSE(canto->geometry().intersects(botao->geometry())) << qPrintable(botao->objectName());

  const QRect nota = t->imgNota->geometry();
  const QImage comCanto = w->grab(nota).toImage();
  canto->hide();
  const QImage semCanto = w->grab(nota).toImage();
  canto->show();
  EXPECT_TRUE(comCanto == semCanto) << "the corner piece shows over the note button";
}

// The name ends before the grip's corner and shows whole; the grip's corner
// holds no ink of it.
TEST_P(LayoutNoTamanho, TheMakersNameStaysClearOfTheGrip) {
  ASSERT_EQ(t->lblNomeEmpresa->text(), QStringLiteral("Corvanta Edições"));
  const QRect nome = t->picNomeEmpresa->geometry();
  const QRect grip = t->ImgResize->geometry();
  ASSERT_TRUE(t->ImgResize->isVisible());
  EXPECT_FALSE(nome.intersects(grip));
  EXPECT_TRUE(w->rect().contains(nome));
  EXPECT_GE(t->lblNomeEmpresa->width(), t->lblNomeEmpresa->sizeHint().width());
  const QRect caixaNota = t->txtNota->geometry().adjusted(-2, -2, 0, 0);  // with its frames
  EXPECT_FALSE(nome.intersects(caixaNota));

  const QImage janela = w->grab().toImage();
  EXPECT_TRUE(temTinta(janela, nome, tintaDeTexto));
  EXPECT_FALSE(temTinta(janela, grip, tintaDeTexto));
}

// The longest class of the filter list fits its row beside the box and the
// scroll bar, so it is not cut short.
TEST_P(LayoutNoTamanho, TheFilterListShowsEachClassWhole) {
  const QList<QListWidgetItem*> achados =
      t->lstFiltros->findItems(QStringLiteral("Elemento de composição"), Qt::MatchExactly);
  ASSERT_EQ(achados.size(), 1);
  const int visivel = t->lstFiltros->viewport()->width();
  for (int i = 0; i < t->lstFiltros->count(); ++i) {
    const QModelIndex indice = t->lstFiltros->model()->index(i, 0);
    EXPECT_LE(t->lstFiltros->sizeHintForIndex(indice).width(), visivel) << qPrintable(t->lstFiltros->item(i)->text());
  }
}

// The picture above the note box names it.
TEST_P(LayoutNoTamanho, TheNoteBoxHasItsCaption) {
  ASSERT_TRUE(t->txtAnotacoes->isVisible());
  const QRect legenda = t->txtAnotacoes->geometry();
  EXPECT_LT(legenda.bottom(), t->txtNota->y() - 2);  // above the box and its frames
  EXPECT_TRUE(temTinta(w->grab(legenda).toImage(), QRect(QPoint(0, 0), legenda.size()), escuro));
}

}  // namespace
