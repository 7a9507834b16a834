#include "EncerramentoOrdenado.h"

#include "frmMain.h"

#include <QGuiApplication>
#include <QSessionManager>

EncerramentoOrdenado::EncerramentoOrdenado(frmMain& janela) : m_janela(janela) {
  connect(&m_sinais, &TerminationSignals::Received, this, &EncerramentoOrdenado::fechaJanela);
  connect(qApp, &QCoreApplication::aboutToQuit, this, &EncerramentoOrdenado::fechaJanela);
#if QT_CONFIG(sessionmanager)
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { m_janela.GravaEstado(); });
#endif
}

// A window closed already does not unload again.
void EncerramentoOrdenado::fechaJanela() { m_janela.FechaFimDeSessao(); }
