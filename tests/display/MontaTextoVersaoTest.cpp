#include "MontaTextoVersao.h"

#include "CConfig.h"
#include "IMiniVocabraDB.h"
#include "Registry.h"
#include "ScriptedDialogs.h"
#include "TestFolders.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// A component that answers only ObtemInfoDados.
class ComponenteInfo final : public IMiniVocabraDB {
 public:
  explicit ComponenteInfo(QString info, bool falha = false) : info_(std::move(info)), falha_(falha) {}
  QString ObtemInfoDados() override {
    if (falha_) throw std::runtime_error("component gone");
    return info_;
  }
  void DefineTamanhoPagina(std::int16_t) override {}
  std::int32_t ObtemFormas(const QString&, QString&) override { return -1; }
  std::int32_t PesquisaFlexivel(const QString&, std::int32_t, QString&) override { return 0; }
  std::int32_t PesquisaMascara(const QString&, QString&, std::int32_t) override { return 0; }
  std::int32_t PesquisaReversa(const QString&, QString&, std::int32_t, std::int32_t, std::int32_t&) override { return 0; }
  std::int32_t ObtemPosicaoPalavra(const QString&) override { return -1; }
  QString ObtemConjugacao(const QString&) override { return {}; }
  bool TemConjugacao(std::int32_t) override { return false; }
  std::int32_t ObtemTotalResultados() override { return 0; }
  std::int32_t ObtemPagina(std::int16_t, std::int32_t, QString&) override { return -1; }
  void DefineFiltro(std::int16_t, std::int16_t) override {}
  QString ExpandeAbreviatura(const QString&) override { return {}; }
  QString ObtemVerbete(std::int32_t, QString&, std::int32_t) override { return {}; }
  bool AbreDados() override { return true; }

 private:
  QString info_;
  bool falha_;
};

// A header: 16 bytes not read, then the version and code padded to 15.
QByteArray cabecalho(const QByteArray& versao, const QByteArray& codigo) {
  return QByteArray(16, '\x01') + versao.leftJustified(15, ' ') + codigo.leftJustified(15, ' ');
}

class TextoVersao : public ::testing::Test {
 protected:
  TextoVersao() : registro(mundo.userHive(), mundo.machineHive(), nullptr), config(registro, dialogos) {}

  void instaladoEm(const QString& pasta) {
    reg::HKEY chave = 0;
    registro.RegCreateKeyA(reg::HKEY_LOCAL_MACHINE, "SOFTWARE\\Corvanta\\MiniVocabra\\", &chave);
    const QByteArray dados = pasta.toUtf8() + '\0';
    registro.RegSetValueExA(chave, "DirInstalado", 0, reg::REG_SZ, dados.constData(), static_cast<reg::DWORD>(dados.size()));
    registro.RegCloseKey(chave);
  }

  TestFolders mundo;
  reg::Registry registro;
  ScriptedDialogs dialogos;
  CConfig config;
};

TEST_F(TextoVersao, ShowsTheProgramVersionTheDataAndItsHeaderTexts) {
  mundo.write(QStringLiteral("dados/dic030.dat"), cabecalho("  2.0", "7"));
  instaladoEm(mundo.root() + QStringLiteral("/dados"));
  ComponenteInfo componente(QStringLiteral("Vocabra 2024|Corvanta"));
  EXPECT_EQ(modMain::MontaTextoVersao(config, componente),
            QStringLiteral("<font face='Arial' size=1>Interface 1.0.5<BR>Dados Vocabra 2024 (v2.0/c7)<BR></font>"));
}

TEST_F(TextoVersao, WithoutDirInstaladoTheHeaderComesFromTheProgramFolder) {
  mundo.write(QStringLiteral("program/dic030.dat"), cabecalho("3.1", "12"));
  ComponenteInfo componente(QStringLiteral("X"));  // no "|": the whole text
  EXPECT_EQ(modMain::MontaTextoVersao(config, componente),
            QStringLiteral("<font face='Arial' size=1>Interface 1.0.5<BR>Dados X (v3.1/c12)<BR></font>"));
}

TEST_F(TextoVersao, AHeaderThatCannotBeReadWholeLeavesOutTheDataVersion) {
  const QString semVersao = QStringLiteral("<font face='Arial' size=1>Interface 1.0.5<BR>Dados X<BR></font>");
  ComponenteInfo componente(QStringLiteral("X|Y"));
  instaladoEm(mundo.root() + QStringLiteral("/nao-existe"));
  EXPECT_EQ(modMain::MontaTextoVersao(config, componente), semVersao);

  QDir().mkpath(mundo.root() + QStringLiteral("/vazia"));
  instaladoEm(mundo.root() + QStringLiteral("/vazia"));
  EXPECT_EQ(modMain::MontaTextoVersao(config, componente), semVersao);
  EXPECT_FALSE(QFile::exists(mundo.root() + QStringLiteral("/vazia/dic030.dat")));

  mundo.write(QStringLiteral("curta/dic030.dat"), cabecalho("2.0", "7").left(40));
  instaladoEm(mundo.root() + QStringLiteral("/curta"));
  EXPECT_EQ(modMain::MontaTextoVersao(config, componente), semVersao);
}

TEST_F(TextoVersao, AFailingComponentLeavesTheDataNameEmpty) {
  mundo.write(QStringLiteral("program/dic030.dat"), cabecalho("2.0", "7"));
  ComponenteInfo componente(QString(), true);
  EXPECT_EQ(modMain::MontaTextoVersao(config, componente),
            QStringLiteral("<font face='Arial' size=1>Interface 1.0.5<BR>Dados  (v2.0/c7)<BR></font>"));
}

}  // namespace
