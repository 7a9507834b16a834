// The grammatical-class filters of the advanced panel: the list, the codes
// handed to the results list, their description in words, and the caption
// above the results list.
#include "frmMain.h"

#include "ResourceStrings.h"

#include <array>

namespace {

struct Filtro {
  const char16_t* titulo;
  int codigo;
};

// In list order; codes 8 and 12 are never produced.
constexpr std::array<Filtro, 13> kFiltros = {{
    {u"Adjetivo", 1}, {u"Advérbio", 2}, {u"Artigo", 3}, {u"Conjunção", 4}, {u"Elemento de composição", 5},
    {u"Interjeição", 6}, {u"Numeral", 7}, {u"Preposição", 9}, {u"Pronome", 10}, {u"Substantivo", 11},
    {u"Verbo", 13}, {u"Gírias", 14}, {u"Estrangeiras", 15},
}};

constexpr int kFiltroTexto = 116;
constexpr int kFiltrosSomados = 118;
constexpr int kVerbete = 114;
constexpr int kVerbetes = 115;

}  // namespace

void frmMain::CarregaFiltros() {
  cmbFiltro.setCurrentIndex(0);
  for (const Filtro& filtro : kFiltros) {
    auto* item = new QListWidgetItem(QString::fromUtf16(filtro.titulo), &lstFiltros);  // owned by the list
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

QString frmMain::ObtemFiltros() const {
  QString codigos;
  if (cmbFiltro.currentIndex() != 1) return codigos;
  for (int i = 0; i < lstFiltros.count() && i < static_cast<int>(kFiltros.size()); ++i) {
    if (lstFiltros.item(i)->checkState() == Qt::Checked)
      codigos += QString::number(kFiltros[static_cast<std::size_t>(i)].codigo) + u';';
  }
  return codigos;
}

QString frmMain::DescreveFiltros() const {
  QString s;
  if (cmbFiltro.isVisibleTo(this) && !m_buscaPalavraClicada && cmbFiltro.currentIndex() == 1) {
    for (int i = 0; i < lstFiltros.count(); ++i) {
      const QListWidgetItem* item = lstFiltros.item(i);
      if (item->checkState() != Qt::Checked) continue;
      if (!s.isEmpty()) s += QStringLiteral(" | ");
      s += item->text();
    }
  }
  if (s.isEmpty()) return s;
  s = LoadResString(kFiltroTexto) + u' ' + s;
  if (chkAvancada[3].isChecked()) s += u' ' + LoadResString(kFiltrosSomados);
  return s;
}

void frmMain::marcaSomarFiltros(int valor) { chkAvancada[3].setChecked(valor != 0); }

QString frmMain::FormataNumVerbetes(std::int32_t n) {
  return QString::number(n) + u' ' + LoadResString(n < 2 ? kVerbete : kVerbetes);
}

// The caption line above the results list. It is plain text: the searched
// words reach it as typed.
void frmMain::SubstituiMarcadores(int id, const QStringList& pares) {
  QString texto = LoadResString(id);
  for (qsizetype i = 0; i + 1 < pares.size(); i += 2) texto.replace(u'%' + pares[i], pares[i + 1]);
  lblDescricaoPesquisa.setText(texto);
}
