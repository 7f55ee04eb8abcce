// Names each case of a parameterised test after the `name` of its row.
#pragma once

#include <string>

namespace plimsett::tests {

inline constexpr auto CaseName = [](const auto& testCase) {
  return std::string(testCase.param.name);
};

}  // namespace plimsett::tests
