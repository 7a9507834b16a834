#include "PageEngine.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Caso {
  unsigned euid;
  bool sandboxDisabled;
  const char* flags;
  bool refuses;
};

void PrintTo(const Caso& c, std::ostream* os) {
  *os << "euid " << c.euid << (c.sandboxDisabled ? ", sandbox disabled" : "") << ", flags \"" << c.flags << '"';
}

class PageEngineRoot : public ::testing::TestWithParam<Caso> {};

// The engine refuses the superuser unless its sandbox is off.
TEST_P(PageEngineRoot, RefusesTheSuperuserWithItsSandboxOn) {
  const Caso& c = GetParam();
  EXPECT_EQ(pageengine::refusesToStart(c.euid, c.sandboxDisabled, c.flags), c.refuses) << c.flags;
}

INSTANTIATE_TEST_SUITE_P(, PageEngineRoot,
                         ::testing::Values(Caso{0, false, "", true},                          //
                                           Caso{0, false, "--disable-gpu", true},             //
                                           Caso{0, false, "--no-sandboxes", true},            //
                                           Caso{0, false, "---no-sandbox", true},             //
                                           Caso{0, true, "", false},                          //
                                           Caso{0, false, "--disable-gpu --no-sandbox", false},  //
                                           Caso{0, false, "-no-sandbox", false},              //
                                           Caso{0, false, "--no-sandbox=1", false},           //
                                           Caso{1000, false, "", false}));

}  // namespace
