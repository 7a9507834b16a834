#include "JanelaTeste.h"
#include "MontaTextoVersao.h"
#include "TabelaChaves.h"
#include "modMain.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

struct Pastas {
  const char* dados;  // under the test's root, UTF-8
  const char* notas;
};
void PrintTo(const Pastas& p, std::ostream* os) { *os << p.dados << " / " << p.notas; }

// The program started as it ships on folders named in other scripts: the
// settings files say where the data and the notes are in UTF-8, as the build
// and the program write them.
class frmMainCaminhos : public JanelaTeste, public ::testing::WithParamInterface<Pastas> {
 protected:
  QString pasta(const char* relativa) const { return world.root() + u'/' + QString::fromUtf8(relativa); }

  void preparaPastas() {
    QDir().mkpath(pasta(GetParam().dados));
    QDir().mkpath(pasta(GetParam().notas));
    const QDir amostra(QStringLiteral(MINIVOCABRA_SAMPLE_DATA_DIR));
    for (const QString& arquivo : amostra.entryList(QDir::Files))
      ASSERT_TRUE(QFile::copy(amostra.filePath(arquivo), pasta(GetParam().dados) + u'/' + arquivo));
    world.write(QStringLiteral("HKEY_LOCAL_MACHINE.reg"),
                "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvanta\\MiniVocabra]\n\"DirInstalado\"=\"" +
                    pasta(GetParam().dados).toUtf8() + "\"\n\"Instalacao\"=\"1\"\n");
    world.write(QStringLiteral("config/HKEY_CURRENT_USER.reg"),
                "REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Corvanta\\MiniVocabra]\n\"DirNotas\"=\"" +
                    pasta(GetParam().notas).toUtf8() + "\"\n\"Instalacao\"=\"1\"\n");
  }
};

TEST_P(frmMainCaminhos, StartsOnTheDataAndKeepsNotesInTheFolderTheSettingsName) {
  preparaPastas();
  reg::Registry registro(world.userHive(), world.machineHive(), nullptr);
  modMain::InicializaChaves();
  auto janela = criaJanela(modMain::FabricaPesquisa(registro, dialogs), QString(), &registro);
  frmMainTeste t(*janela);
  ASSERT_TRUE(iniciaAtiva(*janela));
  EXPECT_TRUE(dialogs.calls().empty()) << qPrintable(dialogs.calls().front().prompt);
  EXPECT_TRUE(modMain::MontaTextoVersao(t.config, t.Pesquisa()).contains(QStringLiteral("(v1.0/c")));

  t.m_Notas.VerificaVerbete(5);
  t.m_Notas.setVisible(true);
  t.txtNota->setPlainText(QStringLiteral("nota"));
  t.m_Notas.VerificaVerbete(-1);
  EXPECT_TRUE(QFile::exists(pasta(GetParam().notas) + QStringLiteral("/id000005.txt")));
  EXPECT_TRUE(dialogs.calls().empty());
}

INSTANTIATE_TEST_SUITE_P(, frmMainCaminhos,
                         ::testing::Values(Pastas{"dicionário ação/dados", "Документы/notas"},
                                           Pastas{"Документы/dados", "dicionário ação/notas"}));

}  // namespace
