#include "CBrowser.h"

#include "ComandoLink.h"
#include "modClipBoard.h"
#include "Numbers.h"
#include "PaginaLista.h"
#include "ProgramPaths.h"
#include "ResourceStrings.h"
#include "Trim.h"
#include "WebOpener.h"
#include "WebView.h"

#include <QTimer>
#include <QWidget>
#include <QtDebug>

#include <algorithm>
#include <exception>

const QString CBrowser::kSiteFabricante = QStringLiteral("https://www.corvanta.com.br/");

namespace {

constexpr int kCaixaLateral = 400;  // resource string: the hidden side box
constexpr int kSeparador = 600;     // resource string: the rule between the side lists

const QString kAreaVerbete = QStringLiteral("AreaVerbete");

CBrowser::Dependencias comPadroes(CBrowser::Dependencias d) {
  if (!d.abreExterno) d.abreExterno = [](const QUrl& url) { QtWebOpener().open(url); };
  if (!d.criaVisao) {
    d.criaVisao = [](QWidget* host, WebBrowser& navegador) -> QWidget* {
      return new WebView(navegador, host);  // owned by the host widget
    };
  }
  return d;
}

void centraEm(QWidget* widget, int largura, int altura) {
  if (widget != nullptr)
    widget->move(num::roundEven((largura - widget->width()) / 2.0), num::roundEven((altura - widget->height()) / 2.0));
}

}  // namespace

CBrowser::CBrowser(Dependencias dependencias, QObject* parent)
    : QObject(parent),
      m_Dependencias(comPadroes(std::move(dependencias))),
      m_Navegador(m_Dependencias.abreExterno) {
  if (m_Dependencias.clipboard != nullptr) {
    m_Escritor = std::make_unique<modClipBoard::EscritorHTML>(*m_Dependencias.clipboard);
  }
  connect(&m_Navegador, &WebBrowser::BeforeNavigate2, this, &CBrowser::m_Browser_BeforeNavigate2,
          Qt::DirectConnection);
  connect(&m_Navegador, &WebBrowser::DocumentComplete, this, &CBrowser::m_Browser_DocumentComplete);
}

CBrowser::~CBrowser() {
  // The view shows this object's browser; it goes first.
  delete m_Browser.data();
}

void CBrowser::Inicializa() {
  // The view starts the browser engine, which takes longer than all the rest
  // of the window's start: it is made on the next turn of the event loop, so
  // the window shows first. The page document works without it meanwhile.
  if (m_Dependencias.controles.picRecortaBrowser != nullptr && m_Browser == nullptr && !m_VisaoPedida) {
    m_VisaoPedida = true;
    QTimer::singleShot(0, this, &CBrowser::MontaVisao);
  }
  m_ArquivoModelo = QStringLiteral("\\f1.htm");
}

void CBrowser::MontaVisao() {
  QWidget* host = m_Dependencias.controles.picRecortaBrowser;
  if (host == nullptr || m_Browser != nullptr) return;
  m_Browser = m_Dependencias.criaVisao(host, m_Navegador);
  m_Browser->setObjectName(QStringLiteral("webDefinicao"));
  m_Browser->setGeometry(m_GeometriaVisao);
  m_Browser->lower();
  m_Browser->show();
}

void CBrowser::MostraPagina(const QString& arquivo) {
  m_Estado = 1;
  m_Navegador.Navigate(arquivo);
}

void CBrowser::CarregaModelo(const QString& html) {
  m_Estado = 3;
  m_HTML = html;
  m_Navegador.Navigate(paths::appPath() + m_ArquivoModelo);
}

void CBrowser::EscreveArea(const QString& html) {
  if (!m_Navegador.document().setInnerHTML(kAreaVerbete, html)) {
    qWarning("browser: the page %s has no element \"AreaVerbete\"", qPrintable(m_Navegador.locationURL()));
  }
}

void CBrowser::MostraLista(std::int16_t intMensagem, const QStringList& valores) {
  m_EhLista = true;
  const QString pagina = MontaPaginaLista(LoadResString(intMensagem), valores);
  m_Alternativas.clear();
  m_Conjugacao.clear();
  emit Historico(pagina);
  if (m_Estado == 2) {
    EscreveArea(pagina);
    emit Carregado();
  } else {
    CarregaModelo(pagina);
  }
}

void CBrowser::MostraVerbete(const QString& Descricao) {
  m_Alternativas.clear();
  m_Conjugacao.clear();
  m_HTML = Descricao;
  m_EhLista = false;
  if (m_Estado != 2) {
    CarregaModelo(Descricao);
    return;
  }
  EscreveArea(LoadResString(kCaixaLateral) + Descricao);
  if (DeveMarcar()) MarcarTexto();
  emit Carregado();
}

void CBrowser::ListaAlternativas(const QString& strListaAlternativas, const QString& strListaConjugacao) {
  if (m_Estado == 3) {
    m_Alternativas = strListaAlternativas;
    m_Conjugacao = strListaConjugacao;
    return;
  }
  if (m_Estado != 2) return;
  m_Alternativas = strListaAlternativas;
  m_Conjugacao = strListaConjugacao;
  PageDocument& pagina = m_Navegador.document();
  const bool temAlternativas = !trim::blanks(m_Alternativas).isEmpty();
  const bool temConjugacao = !trim::blanks(m_Conjugacao).isEmpty();
  // The first element missing ends the writing; what was written stays.
  if (temAlternativas && !pagina.setInnerHTML(QStringLiteral("ListaAlternativas"),
                                              QStringLiteral("<span id='vAlternativa'>") + m_Alternativas +
                                                  QStringLiteral("</span>"))) {
    return;
  }
  if (temConjugacao && !pagina.setInnerHTML(QStringLiteral("ListaConjugacao"),
                                            QStringLiteral("<span id='vAlternativa'>") + m_Conjugacao +
                                                QStringLiteral("</span>"))) {
    return;
  }
  if (temAlternativas && temConjugacao) pagina.setInnerHTML(QStringLiteral("ListaEspaco"), LoadResString(kSeparador));
}

void CBrowser::MostrarListaAlternativa(bool bMostra) {
  m_Navegador.document().setStyleProperty(QStringLiteral("table1"), QStringLiteral("visibility"),
                                          bMostra ? QStringLiteral("visible") : QStringLiteral("hidden"));
}

void CBrowser::Tamanho(std::int16_t X, std::int16_t Y) {
  QWidget* caixa = m_Dependencias.controles.picRecortaBrowser;
  if (caixa == nullptr) return;
  const int esquerda = caixa->x();
  const int topo = caixa->y();
  caixa->setGeometry(esquerda, topo, std::max(0, X - esquerda - 10), std::max(0, Y - topo - 23));
  const int largura = caixa->width();
  const int altura = caixa->height();
  m_GeometriaVisao = QRect(-2, -2, largura + 4, altura + 4);
  if (m_Browser != nullptr) m_Browser->setGeometry(m_GeometriaVisao);
  centraEm(m_Dependencias.controles.picAguarde, largura, altura);
  centraEm(m_Dependencias.controles.picPesquisando, largura, altura);
}

void CBrowser::PalavraBusca(const QString& palavra, const QString& Iniciada, const QString& Terminada) {
  m_Busca = TermosBusca{palavra, Iniciada, Terminada};
}

void CBrowser::MarcaPalavra(bool Valor) { m_Marcar = Valor; }

void CBrowser::DefineCorPalavraEncontrada(std::int32_t corFundo, std::int32_t corTexto) {
  m_CorFundo = corFundo;
  m_CorTexto = corTexto;
}

void CBrowser::MarcarTexto() { MarcaBusca(m_Navegador.document(), m_Busca, CorCSS(m_CorFundo), CorCSS(m_CorTexto)); }

void CBrowser::AlteraModelo(std::int16_t codTipo) {
  static const QString kModelos[] = {QStringLiteral("\\f1.htm"), QStringLiteral("\\f2.htm"),
                                     QStringLiteral("\\f3.htm")};
  if (codTipo >= 0 && codTipo <= 2) m_ArquivoModelo = kModelos[codTipo];
  if (m_Estado == 1) return;
  m_CodModelo = codTipo;
  CarregaModelo(m_HTML);
}

void CBrowser::setUsandoBotoes(std::int16_t Valor) { m_BotaoVisual = Valor; }

QString CBrowser::ObtemVisualNome(std::int16_t cod) const {
  const bool selecionado = m_BotaoVisual != 0 ? m_BotaoVisual == cod : m_CodModelo == cod - 1;
  return QStringLiteral("BTNVISUAL") + QString::number(cod) +
         (selecionado ? QStringLiteral("SELECIONADO") : QString());
}

void CBrowser::AbreWeb() { m_Navegador.Navigate(kSiteFabricante, QStringLiteral("blank")); }

void CBrowser::m_Browser_BeforeNavigate2(const QString& URL, bool& Cancel) {
  if (const std::optional<ComandoLink> link = InterpretaLink(URL)) {
    m_Comando = link->comando;
    if (link->comando == kComandoVerbete) m_IdClicado = link->id;
    if (link->comando == kComandoPalavra) m_PalavraClicada = link->palavra;
    Cancel = true;
    emit ExecComando(m_Comando);
  }
  m_Creditos = URL.endsWith(QStringLiteral("creditos.htm")) || URL.endsWith(QStringLiteral("creditos.htm?"));
  if (Cancel || URL.endsWith(u'?')) return;
  const QString fim = URL.right(6);
  if (fim == u"f1.htm" || fim == u"f2.htm" || fim == u"f3.htm") return;
  m_Estado = 1;
  emit HistPagina(URL);
}

void CBrowser::m_Browser_DocumentComplete(const QString&) {
  if (m_Estado == 3) {
    if (!m_HTML.isEmpty()) {
      EscreveArea(LoadResString(kCaixaLateral) + m_HTML);
      if (DeveMarcar() && !m_EhLista) MarcarTexto();
      emit Carregado();
    }
    m_Estado = 2;
    ListaAlternativas(m_Alternativas, m_Conjugacao);
    if (!m_Alternativas.isEmpty() || !m_Conjugacao.isEmpty()) MostrarListaAlternativa(true);
  }
  if (m_Creditos) {
    EscreveVersoes();
    m_Creditos = false;
  }
}

void CBrowser::EscreveVersoes() {
  if (!m_Dependencias.montaTextoVersao) return;
  try {
    m_Navegador.document().setInnerHTML(QStringLiteral("versoes"), m_Dependencias.montaTextoVersao());
  } catch (const std::exception& e) {
    qWarning("browser: no version block for the credits page: %s", e.what());
  }
}
