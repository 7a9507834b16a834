#include "ListaFixture.h"

#include "ResourceImages.h"

#include <QSignalSpy>

namespace {

const QRgb kCaixa = qRgb(0xFF, 0xCE, 0x1D);  // 0x1DCEFF
const QRgb kBranco = qRgb(255, 255, 255);

using Desenho = ListaFixture;

bool TudoBranco(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixel(x, y) != kBranco) return false;
    }
  }
  return true;
}

// The rightmost column with ink in a band of rows, -1 when none.
int UltimaTinta(const QImage& image, int x0, int x1, int y0, int y1) {
  for (int x = x1; x >= x0; --x) {
    for (int y = y0; y < y1; ++y) {
      if (image.pixel(x, y) != kBranco) return x;
    }
  }
  return -1;
}

TEST_F(Desenho, AnEmptyListPaintsABlankSurfaceWithNoScrollBar) {
  lista.Repaint();
  EXPECT_TRUE(TudoBranco(lista.buffer().image(), lista.buffer().image().rect()));
  EXPECT_TRUE(TudoBranco(fundo.surface().image(), fundo.surface().image().rect()));
}

TEST_F(Desenho, TheSelectedRowIsAFilledBoxFrom15To228) {
  ListaECarrega(QStringLiteral("b"), -1);
  const QImage& img = lista.buffer().image();
  const double h = AlturaLinha();
  const int meio = static_cast<int>(6 + h / 2);
  EXPECT_EQ(img.pixel(15, 6), kCaixa);
  EXPECT_EQ(img.pixel(228, meio), kCaixa);
  EXPECT_EQ(img.pixel(17, meio), kCaixa);
  EXPECT_EQ(img.pixel(14, meio), kBranco);
  EXPECT_EQ(img.pixel(229, meio), kBranco);
  EXPECT_EQ(img.pixel(17, static_cast<int>(6 + 1.5 * h) + 1), kBranco);  // the next row is not selected
  EXPECT_EQ(fundo.surface().image().pixel(17, meio), kCaixa);             // copied to the surface
}

TEST_F(Desenho, AnUnmarkedListDrawsItsSelectionAsAnOutlineUntilAMouseDown) {
  ListaECarrega(QStringLiteral("b"), -1);
  const int meio = static_cast<int>(6 + AlturaLinha() / 2);
  lista.DesmarcaLista();
  EXPECT_EQ(lista.buffer().image().pixel(15, meio), kCaixa);
  EXPECT_EQ(lista.buffer().image().pixel(17, meio), kBranco);
  lista.Repaint();
  EXPECT_EQ(lista.buffer().image().pixel(17, meio), kBranco);  // still an outline
  emit fundo.MouseDown(1, 0, 30, MeioLinha(0));
  EXPECT_EQ(lista.buffer().image().pixel(17, meio), kCaixa);
}

TEST_F(Desenho, AHomographNumberIsPrintedSmallerAfterABlank) {
  const QString marcado = QStringLiteral("manga") + QChar(0xA0) + QStringLiteral("2");
  db->paginador = [marcado](std::int16_t, std::int32_t, QString& pagina) {
    pagina = marcado + QStringLiteral("|1500|manga 2|1501|");
    return -1;
  };
  ListaECarrega(QStringLiteral("c"), -1);
  lista.TrataTecla(40);  // select row 1: row 0 is drawn plain
  DrawingSurface medida;
  medida.setFontName(QStringLiteral("Verdana"));
  medida.setFontSize(7.5);
  const double manga = medida.TextWidth(QStringLiteral("manga"));
  const double normal = medida.TextWidth(QStringLiteral("manga 2"));
  medida.setFontSize(5);
  const double pequeno = medida.TextWidth(QStringLiteral(" 2"));
  const double h = AlturaLinha();
  const int fim = UltimaTinta(lista.buffer().image(), 20, 200, 6, static_cast<int>(6 + h));
  EXPECT_GT(fim, 20 + manga + medida.TextWidth(QStringLiteral(" ")));
  EXPECT_LE(fim, 20 + manga + pequeno + 1);
  EXPECT_LT(fim, 20 + normal - 1);
}

TEST_F(Desenho, TheScrollBitmapsArePaintedAtTheirImagesAndTheThumbOnlyWhenItScrolls) {
  const QImage barra = res::LoadResPicture(101);
  const QImage baixo = res::LoadResPicture(103);
  ASSERT_FALSE(barra.isNull());
  ListaECarrega(QStringLiteral("b"), -1);
  const ImageControl* img1 = lista.imagemScroll(1);
  const ImageControl* img3 = lista.imagemScroll(3);
  EXPECT_EQ(img3->y(), fundo.height() - 16);
  EXPECT_EQ(lista.buffer().image().pixel(img1->x() + 10, img1->y() + 12), barra.pixel(10, 12));
  EXPECT_EQ(lista.buffer().image().pixel(img3->x() + 11, img3->y() + 8), baixo.pixel(11, 8));
  ListaECarrega(QStringLiteral("d"), -1);  // 20 rows fit: no thumb
  EXPECT_TRUE(img1->isHidden());
  EXPECT_EQ(lista.buffer().image().pixel(img1->x() + 10, img1->y() + 12), kBranco);
}

TEST_F(Desenho, DraggingTheThumbRedrawsOnlyTheStripAndShowsTheTopWordInTheTip) {
  ListaECarrega(QStringLiteral("b"), -1);
  tela.cursor = QPoint(400, 450);
  const QImage antes = fundo.surface().image().copy();
  const QRect linhas(0, 0, fundo.width() - 20, fundo.height());
  lista.scroll().setValor(500);
  emit lista.scroll().Scroll(500);
  EXPECT_EQ(fundo.surface().image().copy(linhas), antes.copy(linhas));
  EXPECT_NE(fundo.surface().image(), antes);  // the thumb moved in the strip
  EXPECT_FALSE(tip.isHidden());
  EXPECT_EQ(tip.text(), QStringLiteral("b00500"));
  EXPECT_EQ(tip.pos(), QPoint(6 + 253 - 8, 450 - 50 - 16));
  emit lista.scroll().EndScroll(500);
  EXPECT_TRUE(tip.isHidden());
  EXPECT_NE(fundo.surface().image().copy(linhas), antes.copy(linhas));
}

TEST_F(Desenho, TheTipSaysLoadingOverRowsNotLoadedYet) {
  lista.ListaLetra(QStringLiteral("b"), -1);
  lista.scroll().setValor(700);
  emit lista.scroll().Scroll(700);
  EXPECT_EQ(tip.text(), QStringLiteral("Carregando..."));
}

struct Fonte {
  std::int16_t codigo;
  double esperado;
};

void PrintTo(const Fonte& f, std::ostream* os) { *os << "code " << f.codigo; }

class DesenhoFonte : public Desenho, public ::testing::WithParamInterface<Fonte> {};

TEST_P(DesenhoFonte, TheFontSizeSetsTheRowHeightAndThePage) {
  ListaECarrega(QStringLiteral("b"), -1);
  lista.AlteraFonte(1);
  lista.AlteraFonte(GetParam().codigo);
  const double h = AlturaLinha(GetParam().esperado);
  EXPECT_DOUBLE_EQ(lista.TamanhoFonte(), GetParam().esperado);
  EXPECT_DOUBLE_EQ(lista.AlturaLinha(), h);
  EXPECT_EQ(lista.LinhasPagina(), static_cast<int>(std::floor(fundo.height() / h)) - 2);
  EXPECT_EQ(lista.DeslocamentoVisivel(), lista.LinhasPagina());
  EXPECT_EQ(lista.scroll().ValorMax(), 999 - lista.LinhasPagina());
  EXPECT_EQ(lista.scroll().TamPagina(), lista.LinhasPagina());
}

INSTANTIATE_TEST_SUITE_P(Casos, DesenhoFonte, ::testing::Values(Fonte{0, 7.5}, Fonte{1, 9}, Fonte{2, 9}));

TEST_F(Desenho, AResizeKeepsTheTopWithinTheNewMaximum) {
  ListaECarrega(QStringLiteral("b"), 1499);  // the letter's last row
  EXPECT_EQ(lista.scroll().Valor(), 974);
  fundo.resize(253, AlturaParaLinhas(40));
  lista.Redimensiona();
  EXPECT_EQ(lista.DeslocamentoVisivel(), 40);
  EXPECT_EQ(lista.scroll().ValorMax(), 959);
  EXPECT_EQ(lista.scroll().Valor(), 959);
  EXPECT_EQ(lista.buffer().width(), 263);
}

}  // namespace
