#include "FakeMiniVocabraDB.h"
#include "JanelaTeste.h"
#include "MockMiniVocabraDB.h"
#include "TabelaChaves.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using ::testing::_;
using ::testing::AnyNumber;
using ::testing::DoAll;
using ::testing::InSequence;
using ::testing::Invoke;
using ::testing::NiceMock;
using ::testing::Return;
using ::testing::SetArgReferee;

namespace {

const QChar kNbsp(160);

// The main window over a small scripted dictionary, started and shown.
class frmMainLeitura : public JanelaTeste {
 protected:
  void inicia(std::vector<QString> palavras) {
    janela = criaJanela([this, palavras] {
      auto db = std::make_unique<FakeMiniVocabraDB>(palavras);
      componente = db.get();
      return db;
    });
    t.emplace(*janela);
    ASSERT_TRUE(iniciaAtiva(*janela));
    componente->chamadas.clear();
  }
  QStringList posicoesPedidas() const { return componente->chamadas.filter(QStringLiteral("ObtemPosicaoPalavra(")); }
  void tecla(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, mods);
  }

  FakeMiniVocabraDB* componente = nullptr;
  std::unique_ptr<frmMain> janela;
  std::optional<frmMainTeste> t;
};

const std::vector<QString> kPalavras = {QStringLiteral("abelha"), QStringLiteral("amigo"), QStringLiteral("bola"),
                                        QStringLiteral("casa"),   QStringLiteral("casaco"), QStringLiteral("dado")};

TEST_F(frmMainLeitura, FastTypingRunsOneLookUp350msAfterTheLastKey) {
  inicia(kPalavras);
  t->txtEntrada->setFocus();
  QTest::keyClicks(t->txtEntrada, QStringLiteral("casa"), Qt::NoModifier, 60);
  // No look-up may come sooner than 350 ms after the last key: wait for one
  // for less than that, then for as long as it takes.
  EXPECT_FALSE(QTest::qWaitFor([this] { return !posicoesPedidas().isEmpty(); }, 250));
  ASSERT_TRUE(QTest::qWaitFor([this] { return !posicoesPedidas().isEmpty(); }, 20000));
  EXPECT_EQ(posicoesPedidas().first(), QStringLiteral("ObtemPosicaoPalavra(casa)"));
  EXPECT_EQ(componente->chamadas.filter(QStringLiteral("ObtemPosicaoPalavra(cas")).size(), 1);
  EXPECT_EQ(t->lista.ObtemPoslista(), 3);
}

TEST_F(frmMainLeitura, ATextWithoutPositionTriesItsPrefixesDownToTwoLetters) {
  inicia(kPalavras);
  t->BuscaPalavraDigitada(QStringLiteral(" xyzw "));
  EXPECT_EQ(posicoesPedidas(), QStringList({QStringLiteral("ObtemPosicaoPalavra(xyzw)"),
                                            QStringLiteral("ObtemPosicaoPalavra(xyz)"),
                                            QStringLiteral("ObtemPosicaoPalavra(xy)")}));
  EXPECT_FALSE(t->picAguarde->isVisible());
}

TEST_F(frmMainLeitura, BlanksOnlyReportTheListSelectionWithoutAskingForAPosition) {
  inicia(kPalavras);
  t->BuscaPalavraDigitada(QStringLiteral("   "));
  EXPECT_TRUE(posicoesPedidas().isEmpty());
}

TEST_F(frmMainLeitura, AnEntryOfAnotherLetterMovesTheLetterPickerAndTheList) {
  inicia(kPalavras);
  ASSERT_EQ(t->lista.ObtemLetraAtual(), QStringLiteral("a"));
  QString palavra;
  t->MostraVerbeteID(2, palavra, true, true);
  EXPECT_EQ(palavra, QStringLiteral("bola"));
  EXPECT_EQ(t->m_EscolheLetra.LetraSelecionada(), QChar('B'));
  EXPECT_EQ(t->lista.ObtemLetraAtual(), QStringLiteral("b"));
  const CHistorico& historico = t->m_Historico;
  EXPECT_EQ(historico.Passo(historico.Quantidade()).getTitulo(), QStringLiteral("bola"));  // after the start page
  EXPECT_EQ(t->m_Buscas.Quantidade(), 1);
}

TEST_F(frmMainLeitura, EnterShowsAnExactEntryAtOnceAndMovesTheFocusToTheList) {
  inicia(kPalavras);
  t->txtEntrada->setFocus();
  t->txtEntrada->setText(QStringLiteral("CASA"));
  tecla(Qt::Key_Return);
  EXPECT_EQ(componente->chamadas.first(), QStringLiteral("ObtemPosicaoPalavra(CASA)"));
  EXPECT_EQ(t->lista.ObtemPoslista(), 3);
  EXPECT_EQ(QApplication::focusWidget(), t->PicLista);
  EXPECT_FALSE(t->tmrBusca->Enabled());
}

TEST_F(frmMainLeitura, EnterWithAnEmptyFieldDoesNothing) {
  inicia(kPalavras);
  t->txtEntrada->setFocus();
  tecla(Qt::Key_Return);
  EXPECT_TRUE(componente->chamadas.isEmpty());
  EXPECT_EQ(QApplication::focusWidget(), t->txtEntrada);
}

TEST_F(frmMainLeitura, LettersTypedOnTheListGoToTheSearchField) {
  inicia(kPalavras);
  struct Caso {
    bool caps;
    Qt::KeyboardModifiers mods;
    QString esperado;
  };
  const Caso casos[] = {{false, Qt::NoModifier, QStringLiteral("k")},
                        {false, Qt::ShiftModifier, QStringLiteral("K")},
                        {true, Qt::NoModifier, QStringLiteral("K")},
                        {true, Qt::ShiftModifier, QStringLiteral("k")}};
  for (const Caso& c : casos) {
    tela.caps = c.caps;
    t->PicLista->setFocus();
    tecla(Qt::Key_K, c.mods);
    EXPECT_EQ(t->txtEntrada->text(), c.esperado);
    EXPECT_EQ(QApplication::focusWidget(), t->txtEntrada);
    EXPECT_EQ(t->txtEntrada->cursorPosition(), 1);
  }
  t->PicLista->setFocus();
  tecla(Qt::Key_F5);
  EXPECT_EQ(t->txtEntrada->text(), QString());
  EXPECT_EQ(QApplication::focusWidget(), t->txtEntrada);
  t->txtEntrada->setText(QStringLiteral("x"));
  t->PicLista->setFocus();
  tecla(Qt::Key_5);
  EXPECT_EQ(t->txtEntrada->text(), QStringLiteral("x"));
  EXPECT_EQ(QApplication::focusWidget(), t->PicLista);
}

// Keys with Ctrl or Alt are commands (copy, select all, the menus): the
// focused control keeps them, and the search field its text.
TEST_F(frmMainLeitura, KeysWithCtrlOrAltAreNotTypedIntoTheSearchField) {
  inicia(kPalavras);
  t->txtEntrada->setText(QStringLiteral("casa"));
  for (const auto& [key, mods] : {std::pair{Qt::Key_C, Qt::ControlModifier}, {Qt::Key_A, Qt::ControlModifier},
                                  {Qt::Key_K, Qt::AltModifier}, {Qt::Key_F5, Qt::ControlModifier}}) {
    t->PicLista->setFocus();
    tecla(key, mods);
    EXPECT_EQ(t->txtEntrada->text(), QStringLiteral("casa")) << key;
    EXPECT_EQ(QApplication::focusWidget(), t->PicLista) << key;
  }
}

TEST_F(frmMainLeitura, UpAndDownInTheSearchFieldMoveTheList) {
  inicia(kPalavras);
  t->lista.SelecionaItem(0);  // the list holds the two words of "a"
  t->txtEntrada->setFocus();
  t->txtEntrada->setText(QStringLiteral("ab"));
  t->txtEntrada->setCursorPosition(1);
  tecla(Qt::Key_Down);
  EXPECT_EQ(t->lista.ObtemPoslista(), 1);
  EXPECT_EQ(t->txtEntrada->cursorPosition(), 1);
  EXPECT_TRUE(t->tmrLista->Enabled());  // the release shows the entry 200 ms later
  EXPECT_FALSE(t->tmrBusca->Enabled());
  tecla(Qt::Key_Left);
  EXPECT_EQ(t->txtEntrada->cursorPosition(), 0);
  EXPECT_FALSE(t->tmrBusca->Enabled());
}

// Over a mock component: what a request does, call by call.
class frmMainPedido : public JanelaTeste {
 protected:
  frmMainPedido() {
    janela = criaJanela(componenteQueAbre([this](Componente& componente) {
      db = &componente;
      ON_CALL(*db, ObtemPosicaoPalavra(_)).WillByDefault(Return(-1));
    }));
    t.emplace(*janela);
    EXPECT_TRUE(janela->Form_Load());
    t->selecionaLista(2);  // the results list: no letter list to sync
  }
  void verbete(std::int32_t id, const QString& titulo, const QString& html) {
    ON_CALL(*db, ObtemVerbete(id, _, _)).WillByDefault(DoAll(SetArgReferee<1>(html), Return(titulo)));
  }

  NiceMock<MockMiniVocabraDB>* db = nullptr;
  std::unique_ptr<frmMain> janela;
  std::optional<frmMainTeste> t;
};

TEST_F(frmMainPedido, ANewerRequestLeavesOnlyItsOwnEffects) {
  verbete(2, QStringLiteral("lua"), QStringLiteral("<b>lua</b>"));
  ON_CALL(*db, ObtemVerbete(1, _, _)).WillByDefault(Invoke([this](std::int32_t, QString& html, std::int32_t) {
    html = QStringLiteral("<b>sol</b>");
    QTimer::singleShot(0, janela.get(), [this] {
      QString palavra;
      t->MostraVerbeteID(2, palavra, true, true);
    });
    return QStringLiteral("sol");
  }));
  QString palavra;
  t->MostraVerbeteID(1, palavra, true, true);
  ASSERT_EQ(t->m_Historico.Quantidade(), 1);
  EXPECT_EQ(t->m_Historico.Passo(1).getTitulo(), QStringLiteral("lua"));
  EXPECT_EQ(t->m_browser.getHTML(), QStringLiteral("<b>lua</b>"));
  EXPECT_EQ(t->m_Buscas.Quantidade(), 1);
}

TEST_F(frmMainPedido, AHyphenatedVerbIsAskedForAgainWithoutItsPronoun) {
  verbete(5, QStringLiteral("lembrar-se"), QStringLiteral("<b>lembrar-se</b>"));
  EXPECT_CALL(*db, TemConjugacao(5)).WillOnce(Return(true));
  {
    InSequence ordem;
    EXPECT_CALL(*db, ObtemConjugacao(QStringLiteral("lembrar-se"))).WillOnce(Return(QString(kNbsp)));
    EXPECT_CALL(*db, ObtemConjugacao(QStringLiteral("lembrar"))).WillOnce(Return(QString()));
  }
  QString palavra;
  t->MostraVerbeteID(5, palavra, false, false);
  EXPECT_EQ(palavra, QStringLiteral("lembrar-se"));
}

TEST_F(frmMainPedido, ARunTimeErrorReplacesTheComponent) {
  ON_CALL(*db, ObtemVerbete(7, _, _)).WillByDefault(Invoke([](std::int32_t, QString&, std::int32_t) -> QString {
    throw std::runtime_error("falha");
  }));
  const IMiniVocabraDB* antigo = &t->Pesquisa();
  QString palavra;
  t->MostraVerbeteID(7, palavra, true, true);
  EXPECT_NE(&t->Pesquisa(), antigo);
  EXPECT_EQ(t->m_Historico.Quantidade(), 0);
}

TEST_F(frmMainPedido, TheKeyOfTheEntryGoesWithTheRequest) {
  modMain::InicializaChaves();
  EXPECT_CALL(*db, ObtemVerbete(3000, _, modMain::ChaveVerbete(0))).WillOnce(Return(QStringLiteral("x")));
  QString palavra;
  t->MostraVerbeteID(3000, palavra, false, false);
}

TEST_F(frmMainPedido, ANegativeIdHidesTheWaitPicture) {
  t->picAguarde->show();
  QString palavra;
  t->MostraVerbeteID(-1, palavra, true, true);
  EXPECT_FALSE(t->picAguarde->isVisibleTo(t->picRecortaBrowser));
  EXPECT_EQ(t->m_Historico.Quantidade(), 0);
}

}  // namespace
