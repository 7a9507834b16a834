// The keyboard and the timers it arms: the window sees every key before
// the focused control does.
#include "frmMain.h"

#include "VirtualKeys.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;
constexpr int kLetraA = 65;
constexpr int kLetraU = 85;
constexpr int kLetraZ = 90;

bool ehTeclaLista(int KeyCode) {
  return KeyCode == vk::PageUp || KeyCode == vk::PageDown || KeyCode == vk::Up || KeyCode == vk::Down;
}

// Alt with a letter or another typing key is a command (Alt+A and Alt+U
// open the menus on their release): it types nothing into the focused
// control.
bool altDigita(const QKeyEvent& tecla, int Shift) {
  return (Shift & kAlt) != 0 && !tecla.text().isEmpty() && tecla.text().at(0).isPrint();
}

}  // namespace

// Hands the window's keys to it first: a key its handler sets to 0 goes no
// further. Only the delivery to the focused control counts, not the
// propagation of an ignored key to its parents.
class frmMain::PreviaTeclado final : public QObject {
 public:
  explicit PreviaTeclado(frmMain& janela) : m_janela(janela) { qApp->installEventFilter(this); }
  ~PreviaTeclado() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* alvo, QEvent* evento) override {
    const QEvent::Type tipo = evento->type();
    if (tipo != QEvent::KeyPress && tipo != QEvent::KeyRelease) return false;
    auto* widget = qobject_cast<QWidget*>(alvo);
    if (widget == nullptr || widget->window() != &m_janela) return false;
    QWidget* foco = QApplication::focusWidget();
    if (widget != (foco != nullptr ? foco : static_cast<QWidget*>(&m_janela))) return false;
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    int KeyCode = vk::keyCode(*tecla);
    int Shift = vk::shiftState(*tecla);
    if (tipo == QEvent::KeyRelease) {
      if (tecla->isAutoRepeat()) return false;
      m_janela.Form_KeyUp(KeyCode, Shift);
      return KeyCode == 0;
    }
    m_janela.Form_KeyDown(KeyCode, Shift);
    if (KeyCode != 0 && widget == &m_janela.txtEntrada) m_janela.txtEntrada_KeyDown(KeyCode, Shift);
    return KeyCode == 0 || altDigita(*tecla, Shift);
  }

 private:
  frmMain& m_janela;
};

void frmMain::ligaTeclado() {
  connect(&tmrBusca, &VbTimer::Timer, this, &frmMain::tmrBusca_Timer);
  connect(&tmrLista, &VbTimer::Timer, this, &frmMain::tmrLista_Timer);
  connect(&lista, qOverload<const QString&, std::int32_t>(&CList::SelecionaItem), this,
          &frmMain::lista_SelecionaItem);
}

void frmMain::instalaTeclado() { m_teclado = std::make_unique<PreviaTeclado>(*this); }

bool frmMain::VerificaBusca() const {
  if (m_modoBusca == 0) return true;
  // The advanced panel: only with the word list shown, no option ticked
  // and no filter on.
  return PicLista.isVisible() && !chkAvancada[0].isChecked() && !chkAvancada[1].isChecked() &&
         !chkAvancada[2].isChecked() && (cmbFiltro.currentIndex() == 0 || DescreveFiltros().isEmpty());
}

// A letter typed where the search field is not: the field takes it, in the
// case Caps Lock and Shift give; a key above the letters empties the field.
void frmMain::digitaEmCampo(QLineEdit& campo, int KeyCode, int Shift) {
  if (KeyCode < kLetraA) return;
  if (KeyCode <= kLetraZ) {
    const bool maiuscula = m_servicos.tela.capsLock() != (Shift == kShift);
    const QChar letra(static_cast<char16_t>(KeyCode));
    campo.setText(maiuscula ? QString(letra) : QString(letra.toLower()));
    campo.setCursorPosition(1);
  } else {
    campo.clear();
  }
  campo.setFocus();
}

void frmMain::Form_KeyDown(int& KeyCode, int Shift) {
  QWidget* ativo = QApplication::focusWidget();
  if (ativo == &txtNota) return;
  if (ativo == &txtEntrada && KeyCode == vk::Enter) {
    const QString texto = txtEntrada.text();
    if (VerificaBusca()) {
      if (texto.isEmpty()) return;
      const std::int32_t id = Pesquisa().ObtemPosicaoPalavra(texto);
      QString html;
      const bool exata = id != -1 && limpaVerbete(Pesquisa().ObtemVerbete(id, html, 0)).left(texto.size()).toLower() ==
                                         texto.toLower();
      if (exata) {
        BuscaPalavraDigitada(texto);
      } else {
        ExecutaBusca();
      }
    } else {
      ExecutaBusca();
    }
    if (picLista2.isVisible()) picLista2.setFocus();
    if (PicLista.isVisible()) PicLista.setFocus();
    return;
  }
  // Keys with Ctrl or Alt held are commands, not typing: Ctrl+C and Ctrl+A
  // stay with the page view.
  if ((Shift & (kCtrl | kAlt)) == 0) redirecionaTecla(ativo, KeyCode, Shift);
  if (ehTeclaLista(KeyCode)) (PicLista.isVisible() ? lista : lista2).TrataTecla(static_cast<std::int16_t>(KeyCode));
}

// A typing key pressed away from the search field goes to it (or to the
// first of the pair of fields while the pair is in use).
void frmMain::redirecionaTecla(const QWidget* ativo, int& KeyCode, int Shift) {
  const bool parCampos = chkAvancada[0].isChecked() && chkAvancada[1].isChecked();
  if (ativo != &txtEntrada && (VerificaBusca() || !parCampos)) {
    digitaEmCampo(txtEntrada, KeyCode, Shift);
    if (KeyCode >= kLetraA) KeyCode = 0;  // the key was the field's, not the list's
  } else if (ativo != &txtEntrada1 && ativo != &txtEntrada2 && !VerificaBusca() && parCampos) {
    digitaEmCampo(txtEntrada1, KeyCode, Shift);
    if (KeyCode >= kLetraA) KeyCode = 0;
  }
}

void frmMain::Form_KeyUp(int& KeyCode, int& Shift) {
  if (Shift == kAlt && KeyCode == kLetraA) {
    imgArquivo_MouseUp(0, 0, 0, 0);
    KeyCode = 0;
    Shift = 0;
    return;
  }
  if (Shift == kAlt && KeyCode == kLetraU) {
    imgAjuda_MouseUp(0, 0, 0, 0);
    KeyCode = 0;
    return;
  }
  if (ehTeclaLista(KeyCode)) {
    tmrLista.setEnabled(false);
    tmrLista.setEnabled(true);
    m_TeclaLista = true;
  }
}

void frmMain::txtEntrada_KeyDown(int& KeyCode, int Shift) {
  if (Shift >= 2) return;
  if (KeyCode == vk::Enter) {
    tmrBusca.setEnabled(false);
  } else if (ehTeclaLista(KeyCode)) {
    KeyCode = 0;
  } else if (KeyCode != vk::Left && KeyCode != vk::Right && VerificaBusca()) {
    tmrBusca.setEnabled(false);
    tmrBusca.setEnabled(true);
  }
}

void frmMain::tmrBusca_Timer() {
  tmrBusca.setEnabled(false);
  BuscaPalavraDigitada(txtEntrada.text());
}

void frmMain::tmrLista_Timer() {
  const bool palavras = PicLista.isVisible();
  const std::int32_t id = palavras ? lista.ObtemPoslista() : lista2.ObtemPoslista();
  QString palavra;
  MostraVerbeteID(id, palavra, palavras || !m_TeclaLista, !palavras || !m_TeclaLista);
  m_TeclaLista = false;
  tmrLista.setEnabled(false);
}

void frmMain::lista_SelecionaItem(const QString&, std::int32_t) {
  tmrLista.setEnabled(false);
  tmrLista.setEnabled(true);
  lista2.DesmarcaLista();
}
