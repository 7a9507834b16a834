#include "Embaralhamento.h"

#include <gtest/gtest.h>

namespace {

namespace e = dicionario::embaralhamento;

TEST(Embaralhamento, OnlyTheSameIdAndKeyReadTheTextBack) {
  const QByteArray texto = QString::fromUtf8("Dconstrução onde se mora\nAachega").toUtf8();
  const QByteArray guardado = e::embaralha(texto, 6, -2540);
  EXPECT_EQ(guardado.size(), texto.size() + 4);
  EXPECT_FALSE(guardado.contains("mora"));
  EXPECT_EQ(e::desembaralha(guardado, 6, -2540), texto);
  EXPECT_EQ(e::desembaralha(guardado, 6, 0), std::nullopt);
  EXPECT_EQ(e::desembaralha(guardado, 6, -2541), std::nullopt);
  EXPECT_EQ(e::desembaralha(guardado, 3006, -2540), std::nullopt);
  EXPECT_EQ(e::desembaralha(guardado.left(10), 6, -2540), std::nullopt);
  EXPECT_EQ(e::desembaralha(QByteArray("abc"), 6, -2540), std::nullopt);
  QByteArray alterado = guardado;
  alterado[8] = static_cast<char>(alterado[8] ^ 1);
  EXPECT_EQ(e::desembaralha(alterado, 6, -2540), std::nullopt);
}

TEST(Embaralhamento, AnEmptyTextRoundTrips) {
  EXPECT_EQ(e::desembaralha(e::embaralha(QByteArray(), 0, 1), 0, 1), QByteArray());
}

}  // namespace
