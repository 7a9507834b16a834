#pragma once

#include "IMiniVocabraDB.h"

#include <gmock/gmock.h>

// The dictionary component as a mock: set expectations and answers per test.
class MockMiniVocabraDB : public IMiniVocabraDB {
 public:
  MOCK_METHOD(void, DefineTamanhoPagina, (std::int16_t), (override));
  MOCK_METHOD(std::int32_t, ObtemFormas, (const QString&, QString&), (override));
  MOCK_METHOD(std::int32_t, PesquisaFlexivel, (const QString&, std::int32_t, QString&), (override));
  MOCK_METHOD(std::int32_t, PesquisaMascara, (const QString&, QString&, std::int32_t), (override));
  MOCK_METHOD(std::int32_t, PesquisaReversa,
              (const QString&, QString&, std::int32_t, std::int32_t, std::int32_t&), (override));
  MOCK_METHOD(std::int32_t, ObtemPosicaoPalavra, (const QString&), (override));
  MOCK_METHOD(QString, ObtemConjugacao, (const QString&), (override));
  MOCK_METHOD(bool, TemConjugacao, (std::int32_t), (override));
  MOCK_METHOD(std::int32_t, ObtemTotalResultados, (), (override));
  MOCK_METHOD(std::int32_t, ObtemPagina, (std::int16_t, std::int32_t, QString&), (override));
  MOCK_METHOD(void, DefineFiltro, (std::int16_t, std::int16_t), (override));
  MOCK_METHOD(QString, ExpandeAbreviatura, (const QString&), (override));
  MOCK_METHOD(QString, ObtemVerbete, (std::int32_t, QString&, std::int32_t), (override));
  MOCK_METHOD(bool, AbreDados, (), (override));
  MOCK_METHOD(QString, ObtemInfoDados, (), (override));
};
