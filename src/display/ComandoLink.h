#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Links in pages that are commands to the main window rather than
// addresses: "goID://<id>" shows an entry, "goto://<word>" looks up a
// clicked word, "javascript:history.back()" goes back in the history.
struct ComandoLink {
  // The browser command numbers the main window reads back.
  static constexpr std::int16_t kMostraVerbete = 1;
  static constexpr std::int16_t kPalavraClicada = 2;
  static constexpr std::int16_t kVoltar = 3;

  std::int16_t comando = 0;
  std::int32_t id = 0;  // kMostraVerbete
  QString palavra;      // kPalavraClicada
};

// The command a navigation to `url` stands for, or nothing for an ordinary
// address. The two schemes are matched without regard to case; the id is the
// leading decimal number after the scheme, rounded to 32 bits (0 without
// digits). The address is taken as written in the page; one "/" at its end,
// which browsers add after an authority, is dropped.
std::optional<ComandoLink> InterpretaLink(const QString& url);
