#include "ClienteX.h"
#include "FakeMiniVocabraDB.h"
#include "JanelaTeste.h"
#include "Twips.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <X11/keysym.h>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The words: 80 of "a" (ids 0-79), then "abelha" (80), "amigo" (81), "bola"
// (82) and "zebra" (83). The search "a*" finds the 82 words of "a".
std::unique_ptr<IMiniVocabraDB> Dicionario() {
  std::vector<QString> palavras = FakeMiniVocabraDB::Alfabeto({{'a', 80}});
  for (const char* p : {"abelha", "amigo", "bola", "zebra"}) palavras.push_back(QString::fromLatin1(p));
  auto db = std::make_unique<FakeMiniVocabraDB>(std::move(palavras));
  db->registraChamadas = false;
  for (std::int32_t id = 0; id <= 81; ++id) db->resultados[QStringLiteral("mascara:a*")].push_back(id);
  return db;
}
constexpr std::int32_t kAbelha = 80;
constexpr std::int32_t kZebra = 83;

// The real main window on the test's own desktop, shown in the normal state
// and active, with the letter "a" listed.
class ListasNoDesktop : public JanelaTeste {
 protected:
  void SetUp() override {
    janela = criaJanela(Dicionario);
    t.emplace(*janela);
    ASSERT_TRUE(mostraNormal(*janela));
  }

  // Waits until the word list holds the letter of `id` with `id` selected.
  ::testing::AssertionResult listaEm(const QString& letra, std::int32_t id) {
    if (QTest::qWaitFor([&] {
          return t->lista.ObtemLetraAtual().toLower() == letra && t->lista.ObtemPoslista() == id &&
                 !t->tmrListaCarga->Enabled() && !t->tmrBusca->Enabled();
        }, 5000))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the list shows \"" << t->lista.ObtemLetraAtual().toStdString()
                                         << "\" at " << t->lista.ObtemPoslista() << ", the field holds \""
                                         << t->txtEntrada->text().toStdString() << "\"";
  }

  // Scrolls `alvo` (the list itself or its scroll bar) three notches down and
  // back up with the pointer over `ponto` of `alvo`.
  void rodaSobre(CList& lista, QWidget& alvo, QPoint ponto) {
    const std::int32_t linhas = 3 * QApplication::wheelScrollLines();
    ASSERT_GT(lista.scroll().ValorMax(), linhas);
    lista.scroll().setValor(0);
    lista.Repaint();
    const int barra = lista.imagemScroll(1)->y();
    x.movePonteiro(alvo.mapToGlobal(ponto));
    x.roda(3);
    EXPECT_TRUE(QTest::qWaitFor([&] { return lista.scroll().Valor() == linhas; }, 3000)) << lista.scroll().Valor();
    EXPECT_GT(lista.imagemScroll(1)->y(), barra);  // the thumb follows
    x.roda(-3);
    EXPECT_TRUE(QTest::qWaitFor([&] { return lista.scroll().Valor() == 0; }, 3000)) << lista.scroll().Valor();
    EXPECT_EQ(lista.imagemScroll(1)->y(), barra);
  }

  // The same over the rows, the thumb and the track of `lista`.
  void rodaSobreListaEBarra(CList& lista, PictureBox& fundo) {
    rodaSobre(lista, fundo, QPoint(60, fundo.height() / 2));
    ImageControl& barra = *lista.imagemScroll(1);
    rodaSobre(lista, barra, QPoint(barra.width() / 2, barra.height() / 2));
    ImageControl& trilho = *lista.imagemScroll(4);
    rodaSobre(lista, trilho, QPoint(trilho.width() / 2, trilho.height() * 3 / 4));
  }

  ClienteX x;
  std::unique_ptr<frmMain> janela;
  std::optional<frmMainTeste> t;
};

// Where a click lands: on a row, on the scroll bar's track, on the letter
// "A" of the picker; the point is in the control's pixels.
struct Clique {
  const char* nome;
  std::function<VbControl*(frmMain&)> controle;
  std::function<QPoint(frmMain&, const VbControl&)> ponto;
};

void PrintTo(const Clique& c, std::ostream* os) { *os << c.nome; }

class CliqueNaLista : public ListasNoDesktop, public ::testing::WithParamInterface<Clique> {};

// The word typed after a click on a list is a new search, not the end of
// the word typed before.
TEST_P(CliqueNaLista, TypingAWordAfterAClickStartsANewSearch) {
  t->txtEntrada->setFocus();
  x.digita("abelha");
  ASSERT_TRUE(listaEm(QStringLiteral("a"), kAbelha));
  VbControl& controle = *GetParam().controle(*janela);
  QSignalSpy solturas(&controle, &VbControl::MouseUp);
  x.clica(controle.mapToGlobal(GetParam().ponto(*janela, controle)));
  ASSERT_TRUE(QTest::qWaitFor([&] { return solturas.count() == 1 && !t->tmrLista->Enabled(); }, 3000));
  EXPECT_EQ(QApplication::focusWidget(), t->PicLista);
  x.digita("zebra");
  EXPECT_TRUE(listaEm(QStringLiteral("z"), kZebra));
  EXPECT_EQ(t->txtEntrada->text(), QStringLiteral("zebra"));
  EXPECT_EQ(QApplication::focusWidget(), t->txtEntrada);
}

INSTANTIATE_TEST_SUITE_P(
    Alvos, CliqueNaLista,
    ::testing::Values(
        Clique{"a row", [](frmMain& j) { return frmMainTeste(j).PicLista; },
               [](frmMain& j, const VbControl&) {
                 return QPoint(60, static_cast<int>(10 + 2.5 * frmMainTeste(j).lista.AlturaLinha()));
               }},
        Clique{"the scroll bar", [](frmMain& j) { return frmMainTeste(j).lista.imagemScroll(4); },
               [](frmMain&, const VbControl& c) { return QPoint(c.width() / 2, c.height() * 3 / 4); }},
        Clique{"the letter picker", [](frmMain& j) { return frmMainTeste(j).imgLetras; },
               [](frmMain&, const VbControl&) { return QPoint(9, 9); }}));

// The list tabs switch the list that holds the focus.
TEST_F(ListasNoDesktop, TypingAWordAfterSwitchingListsStartsANewSearch) {
  t->txtEntrada->setFocus();
  x.digita("abelha");
  ASSERT_TRUE(listaEm(QStringLiteral("a"), kAbelha));
  QSignalSpy itens(&t->lista, qOverload<const QString&, std::int32_t>(&CList::SelecionaItem));
  x.clica(t->PicLista->mapToGlobal(QPoint(60, static_cast<int>(10 + 2.5 * t->lista.AlturaLinha()))));
  ASSERT_TRUE(QTest::qWaitFor([&] { return itens.count() == 1 && !t->tmrLista->Enabled(); }, 3000));
  EXPECT_EQ(QApplication::focusWidget(), t->PicLista);
  const int divisa = static_cast<int>(frmMain::DivisaAbasTwips / twips::perPixelX());
  x.clica(t->imgBtSelLista[0]->mapToGlobal(QPoint(divisa + 2, 15)));
  ASSERT_TRUE(QTest::qWaitFor([this] { return t->picLista2->isVisible(); }, 3000));
  EXPECT_EQ(QApplication::focusWidget(), t->picLista2);
  x.clica(t->imgBtSelLista[1]->mapToGlobal(QPoint(divisa - 2, 15)));
  ASSERT_TRUE(QTest::qWaitFor([this] { return t->PicLista->isVisible(); }, 3000));
  EXPECT_EQ(QApplication::focusWidget(), t->PicLista);
  x.digita("zebra");
  EXPECT_TRUE(listaEm(QStringLiteral("z"), kZebra));
  EXPECT_EQ(t->txtEntrada->text(), QStringLiteral("zebra"));
}

TEST_F(ListasNoDesktop, TheWheelScrollsTheWordListOverItsRowsAndItsScrollBar) {
  rodaSobreListaEBarra(t->lista, *t->PicLista);
}

TEST_F(ListasNoDesktop, TheWheelScrollsTheResultsListOverItsRowsAndItsScrollBar) {
  t->txtEntrada->setFocus();
  t->txtEntrada->setText(QStringLiteral("a*"));
  x.teclas({XK_Return});
  ASSERT_TRUE(QTest::qWaitFor(
      [this] {
        return t->picLista2->isVisible() && t->lista2.UltimoIndice() == 81 && !t->lista2.Carregando();
      },
      5000));
  rodaSobreListaEBarra(t->lista2, *t->picLista2);
}

}  // namespace
