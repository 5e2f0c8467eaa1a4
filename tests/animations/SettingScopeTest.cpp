// A session setting switched for one step comes back as it was on every way out.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <vector>

#include "skin/forms/logic/acSettingScope.h"

namespace {

struct FakeSetting {
  std::optional<int> value;
  std::vector<int> writes;
  TacSettingScope::Reader Reader() {
    return [this] { return value; };
  }
  TacSettingScope::Writer Writer() {
    return [this](int v) {
      writes.push_back(v);
      value = v;
    };
  }
};

TEST(SettingScope, OffDuringTheStepAndBackAfterItEvenWhenItThrows) {
  const struct {
    const char* name;
    std::optional<int> before;
    bool throws;
    std::vector<int> writes;
  } cases[] = {
      {"on before", 1, false, {0, 1}},
      {"off before stays off", 0, false, {0, 0}},
      {"the step throws", 1, true, {0, 1}},
      {"unreadable: left alone", std::nullopt, false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSetting setting{c.before, {}};
    try {
      TacSettingScope off(setting.Reader(), setting.Writer(), 0);
      if (c.before) {
        EXPECT_EQ(setting.value, 0);
      }
      if (c.throws) throw std::runtime_error("the command failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(setting.value, c.before);
    EXPECT_EQ(setting.writes, c.writes);
  }
}

}  // namespace
