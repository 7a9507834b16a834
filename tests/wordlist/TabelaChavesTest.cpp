#include "ConstantesChaves.h"
#include "TabelaChaves.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(TabelaChaves, AnEntrysKeyIsItsSlotWidenedWithItsSign) {
  modMain::InicializaChaves();
  const auto& k = dicionario::kConstantesChaves;
  EXPECT_EQ(modMain::ChaveVerbete(0), k[0]);
  EXPECT_EQ(modMain::ChaveVerbete(3000), modMain::ChaveVerbete(0));
  EXPECT_EQ(modMain::ChaveVerbete(2999), k[2999]);
  EXPECT_EQ(modMain::ChaveVerbete(145031), k[145031 % 3000]);
  const auto negativa = std::find_if(k.begin(), k.end(), [](std::int16_t v) { return v < 0; });
  ASSERT_NE(negativa, k.end());
  EXPECT_LT(modMain::ChaveVerbete(static_cast<std::int32_t>(negativa - k.begin())), 0);
  EXPECT_EQ(modMain::ChaveVerbete(-1), 0);
  modMain::InicializaChaves();  // a second call changes nothing
  EXPECT_EQ(modMain::ChaveVerbete(2999), k[2999]);
}

TEST(TabelaChaves, NoKeyIsZero) {
  EXPECT_EQ(std::count(dicionario::kConstantesChaves.begin(), dicionario::kConstantesChaves.end(), 0), 0);
}

}  // namespace
