#include "ProgramaEmCasa.h"

#include "Registry.h"
#include "ValoresRegistro.h"

#include <QDir>
#include <QFile>

ProgramaEmCasa::ProgramaEmCasa() {
  QDir().mkpath(m_casa.path() + QStringLiteral("/config/minivocabra"));
  QDir().mkpath(pastaNotas());
  const QString runtime = m_casa.path() + QStringLiteral("/run");
  QDir().mkpath(runtime);
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  grava("Instalacao", "1");
  grava("DirNotas", pastaNotas().toUtf8());
}

ProgramaEmCasa::~ProgramaEmCasa() {
  for (const auto& copia : m_copias) {
    if (copia->state() == QProcess::NotRunning) continue;
    copia->kill();
    copia->waitForFinished();
  }
}

QString ProgramaEmCasa::hive() const {
  return m_casa.path() + QStringLiteral("/config/minivocabra/HKEY_CURRENT_USER.reg");
}

void ProgramaEmCasa::grava(const QByteArray& nome, const QByteArray& valor) {
  reg::Registry registro(hive(), m_casa.path() + QStringLiteral("/nenhuma.reg"), nullptr);
  valores::gravaTexto(registro, reg::HKEY_CURRENT_USER, valores::kChaveConfiguracoes, nome, valor);
}

QString ProgramaEmCasa::salvo(const QByteArray& nome) const {
  reg::Registry registro(hive(), m_casa.path() + QStringLiteral("/nenhuma.reg"), nullptr);
  return valores::leTexto(registro, reg::HKEY_CURRENT_USER, valores::kChaveConfiguracoes, nome);
}

QProcess& ProgramaEmCasa::inicia(const std::function<void(QProcessEnvironment&)>& ajuste) {
  const QString casa = m_casa.path();
  QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
  ambiente.insert(QStringLiteral("HOME"), casa);
  ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), casa + QStringLiteral("/config"));
  ambiente.insert(QStringLiteral("XDG_DATA_HOME"), casa + QStringLiteral("/data"));
  ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), casa + QStringLiteral("/run"));
  ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  if (ajuste) ajuste(ambiente);
  auto& copia = *m_copias.emplace_back(std::make_unique<QProcess>());
  copia.setProcessEnvironment(ambiente);
  copia.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  copia.start(QStringLiteral(MINIVOCABRA_PROGRAM), QStringList());
  return copia;
}
