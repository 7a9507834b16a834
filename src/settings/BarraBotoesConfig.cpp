#include "BarraBotoesConfig.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace {

QPushButton* botao(const char* texto, const char* nome, QWidget* barra) {
  auto* cmd = new QPushButton(QString::fromUtf8(texto), barra);  // owned by the bar
  cmd->setObjectName(QString::fromLatin1(nome));
  return cmd;
}

}  // namespace

BarraBotoesConfig MontaBarraBotoesConfig(QWidget* dialogo) {
  BarraBotoesConfig b;
  b.barra = new QWidget(dialogo);  // owned by the dialog
  auto* layout = new QHBoxLayout(b.barra);
  b.cmdRestaurar = botao("Restaurar", "cmdRestaurar", b.barra);
  b.cmdOK = botao("OK", "cmdOK", b.barra);
  b.cmdOK->setDefault(true);
  b.cmdCancelar = botao("Cancelar", "cmdCancelar", b.barra);
  layout->addWidget(b.cmdRestaurar);
  layout->addStretch();
  layout->addWidget(b.cmdOK);
  layout->addWidget(b.cmdCancelar);
  return b;
}
