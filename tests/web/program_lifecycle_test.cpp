// The program's own start-up and end around a stand-in engine: the web view
// lets go of the engine while OLE is still up, and the end shuts OLE down
// after that.
#include <gtest/gtest.h>

#include <objbase.h>

#include <string>
#include <vector>

#include "app/lifecycle.h"
#include "app/program.h"
#include "fake_engine.h"

namespace plimsett::tests {
namespace {

// The window is closed as soon as the event loop runs.
void CloseWindowOnStart(HWND host) { PostMessageW(GetAncestor(host, GA_ROOT), WM_CLOSE, 0, 0); }

bool OleUp() {
  APTTYPE type;
  APTTYPEQUALIFIER qualifier;
  return SUCCEEDED(CoGetApartmentType(&type, &qualifier));
}

TEST(ProgramLifecycle, EngineIsReleasedBeforeOleIsShutDown) {
  FakeEngine engine({.onCreated = CloseWindowOnStart});

  app::RunProgram();
  const std::vector<std::string> atLoopEnd = engine.Log();
  app::EndProgram();

  EXPECT_EQ(app::QuitExitCode(), 0);
  ASSERT_GE(atLoopEnd.size(), 2u);
  EXPECT_EQ(std::vector<std::string>(atLoopEnd.end() - 2, atLoopEnd.end()),
            (std::vector<std::string>{"destroy control, other references 0",
                                      "object gone, OLE initialised"}));
  EXPECT_EQ(engine.Log(), atLoopEnd);
  EXPECT_FALSE(OleUp());
}

}  // namespace
}  // namespace plimsett::tests
