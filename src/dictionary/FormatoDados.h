#pragma once

#include <QString>

// What the data builder writes and the dictionary component reads: the
// files of a data folder and the format version that both must agree on.
namespace dicionario::formato {

// The SQLite database of the entries, beside the 46-byte header file.
inline const QString kArquivoBase = QStringLiteral("minivocabra.db");
inline const QString kArquivoCabecalho = QStringLiteral("dic030.dat");

// Raised whenever the tables or the stored text change shape; a folder of
// another version is refused rather than misread.
inline constexpr int kVersao = 1;

// Size of the header file: 16 bytes of numbers, then two 15-character
// ANSI text fields padded with blanks (data version, data code).
inline constexpr int kTamanhoCabecalho = 46;
inline constexpr int kTamanhoRotulo = 15;

// Names of the word index's blobs (table `indice`). Each list blob holds
// one UTF-8 text per entry (or term), each followed by "\n".
inline constexpr char kIndiceTitulos[] = "titulos";
inline constexpr char kIndiceChaves[] = "chaves";
inline constexpr char kIndiceClasses[] = "classes";  // 2 bytes per entry, little-endian
inline constexpr char kIndiceTermos[] = "termos";    // the sorted words of the text index

}  // namespace dicionario::formato
