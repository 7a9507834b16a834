#include "MedidorInicio.h"

#include <QDateTime>

#include <cstdio>

MedidorInicio::MedidorInicio() {
  bool ok = false;
  const std::int64_t t0 = qEnvironmentVariable("MINIVOCABRA_T0").toLongLong(&ok);
  if (ok) m_inicio = t0;
}

void MedidorInicio::marca(const char* marco) const {
  if (!m_inicio) return;
  const std::int64_t agora = QDateTime::currentMSecsSinceEpoch() * 1000000;
  std::fprintf(stderr, "%s %.1f\n", marco, static_cast<double>(agora - *m_inicio) / 1e6);
  std::fflush(stderr);
}
