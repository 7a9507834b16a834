#include "DadosDeTeste.h"

#include "CompiladorDados.h"
#include "FonteDicionario.h"

#include <gtest/gtest.h>

namespace dadosteste {

const char kFonte[] = R"(
dicionario: Dicionário de teste
empresa: Testes Ltda.
versao: 2.0
codigo: 7

abreviatura: s.f.
significado: substantivo feminino

abreviatura: v.
significado: verbo
significado: veja

abreviatura: lat.
significado: latim

verbete: casa
etimologia: do lat. casa
classe: s.f.
def: Construção onde se mora.
def: {Fig.} Família, lar.
locucao: casa de ferreiro = Lugar onde falta o que ali se faz.
achega: Palavra muito antiga.
formas: casas; casinha

verbete: casamento
classe: s.m.
def: União de duas pessoas.

verbete: manga
homografo: 2
classe: s.f.
def: Parte da roupa que cobre o braço.

verbete: manga
homografo: 1
classe: s.f.
def: Fruto doce de polpa amarela.

verbete: ação
classe: s.f.
def: Efeito de agir; atuação.

verbete: agir
classe: v.i.
def: Praticar uma ação.
conj: g|ir = j|o;g|es;g|e;g|imos;g|is;g|em

verbete: amar
classe: v.t.d.
def: Sentir amor por alguém.
conj: ar = o;as;a;amos;ais;am

verbete: cantar
classe: v.t.d.
def: Produzir sons musicais com a voz.
conj: como amar

verbete: bonito
classe: adj.
def: Que agrada aos olhos; belo.
formas: bonita; bonitos

verbete: pé-de-moleque
classe: s.m.
def: Doce de amendoim.
filtros: giria

verbete: Ñandu
classe: s.m.
def: Ave grande que não voa.

verbete: zebra
classe: s.f.
def: Animal listrado; resultado inesperado.
)";

void constroi(const QString& fonte, const QString& pasta) {
  dicionario::Fonte lida;
  dicionario::LeitorFonte leitor;
  ASSERT_TRUE(leitor.leTexto(QStringLiteral("teste.txt"), fonte, lida)) << leitor.erro().mensagem().toStdString();
  dicionario::CompiladorDados compilador;
  ASSERT_TRUE(compilador.compila(std::move(lida), pasta)) << compilador.erro().mensagem().toStdString();
}

QString pastaExemplo() { return QStringLiteral(MINIVOCABRA_SAMPLE_DATA_DIR); }

}  // namespace dadosteste
