#include "ConteudoVerbete.h"

#include <QList>

namespace dicionario {
namespace {

bool elementoValido(char c) {
  switch (static_cast<Elemento>(c)) {
    case Elemento::Etimologia: case Elemento::Classe: case Elemento::Regencia:
    case Elemento::NumeroDefinicao: case Elemento::Rubrica: case Elemento::Definicao:
    case Elemento::TituloLocucao: case Elemento::Locucao: case Elemento::Achega:
      return true;
  }
  return false;
}

}  // namespace

QByteArray serializa(const ConteudoVerbete& conteudo) {
  QByteArray saida;
  for (std::size_t i = 0; i < conteudo.linhas.size(); ++i) {
    if (i > 0) saida += '\n';
    const auto& linha = conteudo.linhas[i];
    for (std::size_t j = 0; j < linha.size(); ++j) {
      if (j > 0) saida += '\t';
      saida += static_cast<char>(linha[j].elemento);
      saida += linha[j].texto.toUtf8();
    }
  }
  return saida;
}

std::optional<ConteudoVerbete> leConteudo(const QByteArray& dados) {
  ConteudoVerbete conteudo;
  for (const QByteArray& linha : dados.split('\n')) {
    std::vector<Parte> partes;
    if (!linha.isEmpty()) {
      for (const QByteArray& parte : linha.split('\t')) {
        if (parte.isEmpty() || !elementoValido(parte[0])) return std::nullopt;
        partes.push_back({static_cast<Elemento>(parte[0]), QString::fromUtf8(parte.mid(1))});
      }
    }
    conteudo.linhas.push_back(std::move(partes));
  }
  return conteudo;
}

}  // namespace dicionario
