// The web view's address is the program's own constant: the program's
// start-up, run around a stand-in engine, asks it for that address and
// nothing else, also when arguments and environment variables name another.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "hostile_start.h"
#include "ui/web_view.h"

namespace plimsett::test {
namespace {

const std::wstring kProbe = WindowsPathOf(PLIMSETT_ADDRESS_PROBE);

// What the stand-in engine was asked during one run of the probe.
std::vector<std::string> EngineCallsOfARun(const std::wstring& arguments) {
  ChildProcess probe(kProbe, arguments);
  if (!probe.started()) return {"not started"};
  if (probe.WaitForExit() != 0u) return {"exit code not 0"};
  const std::wstring record = kProbe + L"." + std::to_wstring(probe.id()) + L".calls";
  std::vector<std::string> calls;
  {
    std::ifstream file(record.c_str());
    for (std::string line; std::getline(file, line);) calls.push_back(line);
  }
  DeleteFileW(record.c_str());
  return calls;
}

TEST(WebViewAddress, IsTheProgramsOwnHoweverItIsStarted) {
  const auto [plain, steered] = PlainAndHostileRuns(EngineCallsOfARun);
  const std::string navigation = std::string("Navigate(") + ui::kMakerSiteAddress + ",";
  const auto navigations = std::count_if(plain.begin(), plain.end(), [](const std::string& call) {
    return call.rfind("Navigate(", 0) == 0;
  });
  EXPECT_EQ(navigations, 1) << ::testing::PrintToString(plain);
  EXPECT_TRUE(std::any_of(plain.begin(), plain.end(), [&](const std::string& call) {
    return call.rfind(navigation, 0) == 0;
  })) << ::testing::PrintToString(plain);
  EXPECT_EQ(steered, plain);
}

}  // namespace
}  // namespace plimsett::test
