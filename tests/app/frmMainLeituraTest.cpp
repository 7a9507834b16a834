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
    ASSERT_TRUE(iniciaAtiva(*janela));
    componente->chamadas.clear();
  }
  QStringList posicoesPedidas() const { return componente->chamadas.filter(QStringLiteral("ObtemPosicaoPalavra(")); }
  void tecla(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, mods);
  }

  FakeMiniVocabraDB* componente = nullptr;
  std::unique_ptr<frmMain> janela;
};

const std::vector<QString> kPalavras = {QStringLiteral("abelha"), QStringLiteral("amigo"), QStringLiteral("bola"),
                                        QStringLiteral("casa"),   QStringLiteral("casaco"), QStringLiteral("dado")};

TEST_F(frmMainLeitura, FastTypingRunsOneLookUp350msAfterTheLastKey) {
  inicia(kPalavras);
  janela->txtEntrada->setFocus();
  QTest::keyClicks(janela->txtEntrada, QStringLiteral("casa"), Qt::NoModifier, 60);
  // No look-up may come sooner than 350 ms after the last key: wait for one
  // for less than that, then for as long as it takes.
  EXPECT_FALSE(QTest::qWaitFor([this] { return !posicoesPedidas().isEmpty(); }, 250));
  ASSERT_TRUE(QTest::qWaitFor([this] { return !posicoesPedidas().isEmpty(); }, 20000));
  EXPECT_EQ(posicoesPedidas().first(), QStringLiteral("ObtemPosicaoPalavra(casa)"));
  EXPECT_EQ(componente->chamadas.filter(QStringLiteral("ObtemPosicaoPalavra(cas")).size(), 1);
  EXPECT_EQ(janela->lista->ObtemPoslista(), 3);
}

TEST_F(frmMainLeitura, ATextWithoutPositionTriesItsPrefixesDownToTwoLetters) {
  inicia(kPalavras);
  janela->BuscaPalavraDigitada(QStringLiteral(" xyzw "));
  EXPECT_EQ(posicoesPedidas(), QStringList({QStringLiteral("ObtemPosicaoPalavra(xyzw)"),
                                            QStringLiteral("ObtemPosicaoPalavra(xyz)"),
                                            QStringLiteral("ObtemPosicaoPalavra(xy)")}));
  EXPECT_FALSE(janela->picAguarde->isVisible());
}

TEST_F(frmMainLeitura, BlanksOnlyReportTheListSelectionWithoutAskingForAPosition) {
  inicia(kPalavras);
  janela->BuscaPalavraDigitada(QStringLiteral("   "));
  EXPECT_TRUE(posicoesPedidas().isEmpty());
}

TEST_F(frmMainLeitura, AnEntryOfAnotherLetterMovesTheLetterPickerAndTheList) {
  inicia(kPalavras);
  ASSERT_EQ(janela->lista->ObtemLetraAtual(), QStringLiteral("a"));
  QString palavra;
  janela->MostraVerbeteID(2, palavra, true, true);
  EXPECT_EQ(palavra, QStringLiteral("bola"));
  EXPECT_EQ(janela->m_EscolheLetra->LetraSelecionada(), QChar('B'));
  EXPECT_EQ(janela->lista->ObtemLetraAtual(), QStringLiteral("b"));
  const CHistorico& historico = *janela->m_Historico;
  EXPECT_EQ(historico.Passo(historico.Quantidade()).getTitulo(), QStringLiteral("bola"));  // after the start page
  EXPECT_EQ(janela->m_Buscas->Quantidade(), 1);
}

TEST_F(frmMainLeitura, EnterShowsAnExactEntryAtOnceAndMovesTheFocusToTheList) {
  inicia(kPalavras);
  janela->txtEntrada->setFocus();
  janela->txtEntrada->setText(QStringLiteral("CASA"));
  tecla(Qt::Key_Return);
  EXPECT_EQ(componente->chamadas.first(), QStringLiteral("ObtemPosicaoPalavra(CASA)"));
  EXPECT_EQ(janela->lista->ObtemPoslista(), 3);
  EXPECT_EQ(QApplication::focusWidget(), janela->PicLista);
  EXPECT_FALSE(janela->tmrBusca->Enabled());
}

TEST_F(frmMainLeitura, EnterWithAnEmptyFieldDoesNothing) {
  inicia(kPalavras);
  janela->txtEntrada->setFocus();
  tecla(Qt::Key_Return);
  EXPECT_TRUE(componente->chamadas.isEmpty());
  EXPECT_EQ(QApplication::focusWidget(), janela->txtEntrada);
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
    janela->PicLista->setFocus();
    tecla(Qt::Key_K, c.mods);
    EXPECT_EQ(janela->txtEntrada->text(), c.esperado);
    EXPECT_EQ(QApplication::focusWidget(), janela->txtEntrada);
    EXPECT_EQ(janela->txtEntrada->cursorPosition(), 1);
  }
  janela->PicLista->setFocus();
  tecla(Qt::Key_F5);
  EXPECT_EQ(janela->txtEntrada->text(), QString());
  EXPECT_EQ(QApplication::focusWidget(), janela->txtEntrada);
  janela->txtEntrada->setText(QStringLiteral("x"));
  janela->PicLista->setFocus();
  tecla(Qt::Key_5);
  EXPECT_EQ(janela->txtEntrada->text(), QStringLiteral("x"));
  EXPECT_EQ(QApplication::focusWidget(), janela->PicLista);
}

// Keys with Ctrl or Alt are commands (copy, select all, the menus): the
// focused control keeps them, and the search field its text.
TEST_F(frmMainLeitura, KeysWithCtrlOrAltAreNotTypedIntoTheSearchField) {
  inicia(kPalavras);
  janela->txtEntrada->setText(QStringLiteral("casa"));
  for (const auto& [key, mods] : {std::pair{Qt::Key_C, Qt::ControlModifier}, {Qt::Key_A, Qt::ControlModifier},
                                  {Qt::Key_K, Qt::AltModifier}, {Qt::Key_F5, Qt::ControlModifier}}) {
    janela->PicLista->setFocus();
    tecla(key, mods);
    EXPECT_EQ(janela->txtEntrada->text(), QStringLiteral("casa")) << key;
    EXPECT_EQ(QApplication::focusWidget(), janela->PicLista) << key;
  }
}

TEST_F(frmMainLeitura, UpAndDownInTheSearchFieldMoveTheList) {
  inicia(kPalavras);
  janela->lista->SelecionaItem(0);  // the list holds the two words of "a"
  janela->txtEntrada->setFocus();
  janela->txtEntrada->setText(QStringLiteral("ab"));
  janela->txtEntrada->setCursorPosition(1);
  tecla(Qt::Key_Down);
  EXPECT_EQ(janela->lista->ObtemPoslista(), 1);
  EXPECT_EQ(janela->txtEntrada->cursorPosition(), 1);
  EXPECT_TRUE(janela->tmrLista->Enabled());  // the release shows the entry 200 ms later
  EXPECT_FALSE(janela->tmrBusca->Enabled());
  tecla(Qt::Key_Left);
  EXPECT_EQ(janela->txtEntrada->cursorPosition(), 0);
  EXPECT_FALSE(janela->tmrBusca->Enabled());
}

// Over a mock component: what a request does, call by call.
class frmMainPedido : public JanelaTeste {
 protected:
  frmMainPedido() {
    janela = criaJanela([this] {
      auto p = std::make_unique<NiceMock<MockMiniVocabraDB>>();
      db = p.get();
      ON_CALL(*db, AbreDados()).WillByDefault(Return(true));
      ON_CALL(*db, ObtemPosicaoPalavra(_)).WillByDefault(Return(-1));
      return p;
    });
    EXPECT_TRUE(janela->Form_Load());
    janela->selecionaLista(2);  // the results list: no letter list to sync
  }
  void verbete(std::int32_t id, const QString& titulo, const QString& html) {
    ON_CALL(*db, ObtemVerbete(id, _, _)).WillByDefault(DoAll(SetArgReferee<1>(html), Return(titulo)));
  }

  NiceMock<MockMiniVocabraDB>* db = nullptr;
  std::unique_ptr<frmMain> janela;
};

TEST_F(frmMainPedido, ANewerRequestLeavesOnlyItsOwnEffects) {
  verbete(2, QStringLiteral("lua"), QStringLiteral("<b>lua</b>"));
  ON_CALL(*db, ObtemVerbete(1, _, _)).WillByDefault(Invoke([this](std::int32_t, QString& html, std::int32_t) {
    html = QStringLiteral("<b>sol</b>");
    QTimer::singleShot(0, janela.get(), [this] {
      QString palavra;
      janela->MostraVerbeteID(2, palavra, true, true);
    });
    return QStringLiteral("sol");
  }));
  QString palavra;
  janela->MostraVerbeteID(1, palavra, true, true);
  ASSERT_EQ(janela->m_Historico->Quantidade(), 1);
  EXPECT_EQ(janela->m_Historico->Passo(1).getTitulo(), QStringLiteral("lua"));
  EXPECT_EQ(janela->m_browser->getHTML(), QStringLiteral("<b>lua</b>"));
  EXPECT_EQ(janela->m_Buscas->Quantidade(), 1);
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
  janela->MostraVerbeteID(5, palavra, false, false);
  EXPECT_EQ(palavra, QStringLiteral("lembrar-se"));
}

TEST_F(frmMainPedido, ARunTimeErrorReplacesTheComponent) {
  ON_CALL(*db, ObtemVerbete(7, _, _)).WillByDefault(Invoke([](std::int32_t, QString&, std::int32_t) -> QString {
    throw std::runtime_error("falha");
  }));
  const IMiniVocabraDB* antigo = &janela->Pesquisa();
  QString palavra;
  janela->MostraVerbeteID(7, palavra, true, true);
  EXPECT_NE(&janela->Pesquisa(), antigo);
  EXPECT_EQ(janela->m_Historico->Quantidade(), 0);
}

TEST_F(frmMainPedido, TheKeyOfTheEntryGoesWithTheRequest) {
  modMain::InicializaChaves();
  EXPECT_CALL(*db, ObtemVerbete(3000, _, modMain::ChaveVerbete(0))).WillOnce(Return(QStringLiteral("x")));
  QString palavra;
  janela->MostraVerbeteID(3000, palavra, false, false);
}

TEST_F(frmMainPedido, ANegativeIdHidesTheWaitPicture) {
  janela->picAguarde->show();
  QString palavra;
  janela->MostraVerbeteID(-1, palavra, true, true);
  EXPECT_FALSE(janela->picAguarde->isVisibleTo(janela->picRecortaBrowser));
  EXPECT_EQ(janela->m_Historico->Quantidade(), 0);
}

}  // namespace
