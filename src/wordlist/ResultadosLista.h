#pragma once

#include <QString>

#include <cstdint>

// A search on the results list, kept so that it can be run again: its kind,
// its text as handed to the list, the filter codes ("" for none) and
// whether the filters were summed rather than intersected.
struct BuscaLista {
  enum class Tipo : std::int16_t { Nenhuma = 0, Flexivel = 1, Mascara = 2, Reversa = 3 };

  Tipo tipo = Tipo::Nenhuma;
  QString texto;
  QString filtros;
  bool somados = false;

  bool operator==(const BuscaLista&) const = default;
};

// What the results list showed along with a list page: the search it held
// and the captions above it (the search's description, and the filters'
// with its tooltip).
struct ResultadosLista {
  BuscaLista busca;
  QString legenda;
  QString legendaFiltros;
  QString dicaFiltros;
};
