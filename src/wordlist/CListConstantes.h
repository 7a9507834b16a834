#pragma once

#include <cstdint>

// The word list's fixed drawing values: pixels, and colours as 0xBBGGRR.
namespace lista {

constexpr std::int32_t kCorTexto = 0x9A660C;
constexpr std::int32_t kCorFundo = 0xFFFFFF;
constexpr std::int32_t kCorSelecao = 0x1DCEFF;
constexpr double kTopoPrimeiraLinha = 6;
constexpr double kEsquerdaTexto = 20;
constexpr double kCaixaEsquerda = 15;
constexpr double kCaixaDireita = 228;
constexpr double kOrigemLinhas = 10;      // hit test: y of the first row
constexpr int kFaixaScroll = 20;          // the scroll bar's strip at the right edge
constexpr double kReducaoHomografo = 2.5; // the homograph number is this much smaller
constexpr double kFonteNormal = 7.5;
constexpr double kFonteExpandida = 9;
constexpr std::int16_t kLinhasIniciais = 25;
constexpr std::int16_t kTamanhoPaginaComponente = 300;

}  // namespace lista
