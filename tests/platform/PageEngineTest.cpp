#include "PageEngine.h"

#include <gtest/gtest.h>

namespace {

struct Caso {
  const char* given;
  const char* expected;
};

class ChromiumFlags : public ::testing::TestWithParam<Caso> {};

// The user's switches stay first and win over the program's of the same name.
TEST_P(ChromiumFlags, KeepTheGivenSwitchesAndAddTheProgramsOwn) {
  EXPECT_EQ(pageengine::chromiumFlags(GetParam().given), QByteArray(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    , ChromiumFlags,
    ::testing::Values(
        Caso{"", "--renderer-process-limit=1 --no-unsandboxed-zygote --js-flags=--lite-mode"},
        Caso{"  --disable-gpu  ",
             "--disable-gpu --renderer-process-limit=1 --no-unsandboxed-zygote --js-flags=--lite-mode"},
        Caso{"--js-flags=--expose-gc --renderer-process-limit=4",
             "--js-flags=--expose-gc --renderer-process-limit=4 --no-unsandboxed-zygote"},
        Caso{"--renderer-process-limit=1 --no-unsandboxed-zygote --js-flags=--lite-mode",
             "--renderer-process-limit=1 --no-unsandboxed-zygote --js-flags=--lite-mode"}));

}  // namespace
