// A word clicked inside an entry: an abbreviation's meanings in a tip
// beside the pointer, or a flexible search without filters.
#include "frmMain.h"

#include "Trim.h"

namespace {

// Sets a flag for the life of the scope, also when an exception leaves it.
class Marca final {
 public:
  explicit Marca(bool& flag) : flag_(flag) { flag_ = true; }
  ~Marca() { flag_ = false; }
  Q_DISABLE_COPY_MOVE(Marca)

 private:
  bool& flag_;
};

// The word as the search takes it: cut before the first "%20", or else
// without one trailing punctuation character.
QString limpaPalavraClicada(const QString& palavra) {
  const qsizetype espaco = palavra.indexOf(QStringLiteral("%20"));
  if (espaco >= 0) return palavra.left(espaco);
  if (!palavra.isEmpty() && QStringLiteral(".:,/?!;])([").contains(palavra.back())) return palavra.chopped(1);
  return palavra;
}

}  // namespace

void frmMain::TrataPalavraClicada(QString& palavra) {
  try {
    if (trim::blanks(palavra).endsWith(u'.') && mostraAbreviatura(palavra)) return;
    if (palavra.isEmpty()) return;
    palavra = limpaPalavraClicada(palavra);
    QString buffer;
    if (Pesquisa().PesquisaFlexivel(palavra, 0, buffer) <= 0) return;
    tmrBusca.setEnabled(false);
    AtualizaBotoesVerbete(true);
    m_browser.PalavraBusca(QString(), QString(), QString());
    limpaLblFiltros();  // first: the results page's history step takes the captions
    const Marca clicada(m_buscaPalavraClicada);
    pesquisaResultados(BuscaLista::Tipo::Flexivel, palavra, QString());
  } catch (...) {
    // A failing component: the click changes nothing.
  }
}

// The tip of an abbreviation, one meaning a line, 7 pixels below the
// pointer; false when the dictionary does not know the word as one.
bool frmMain::mostraAbreviatura(const QString& palavra) {
  const QRect janela = m_telaJanela.windowRect();
  const QPoint cursor = m_telaJanela.cursorPos();
  QString texto = Pesquisa().ExpandeAbreviatura(palavra);
  if (texto.isEmpty()) return false;
  texto.chop(1);
  texto.replace(u'|', QStringLiteral("\r\n"));
  const QSize tamanho = QFontMetrics(txtTipAbrev.font()).size(0, QString(texto).remove(u'\r'));
  picTipAbrev.setGeometry(cursor.x() - janela.left(), cursor.y() - janela.top() + 7, tamanho.width() + 8,
                           tamanho.height() + 6);
  txtTipAbrev.setGeometry(0, 0, picTipAbrev.width(), picTipAbrev.height());
  txtTipAbrev.setText(QString(texto).remove(u'\r'));
  picTipAbrev.show();
  picTipAbrev.raise();
  tmrTip.setEnabled(true);
  m_contaTip = 0;
  return true;
}

void frmMain::tmrTip_Timer() {
  ++m_contaTip;
  if (m_contaTip > m_limiteTip) {
    picTipAbrev.hide();
    tmrTip.setEnabled(false);
  }
}

// The tip stays open while the pointer moves over it.
void frmMain::picTipAbrev_MouseMove() {
  picTipAbrev.setFocus();
  m_contaTip = 0;
}
