// The fatal-error report as the user meets it: the box, its text, and the
// end of the process once it has been closed. The probe program runs the
// report code of plimsett_app and records whether its clean-up routine ran.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "child_process.h"

namespace plimsett::test {
namespace {

const std::wstring kProbe = WindowsPathOf(PLIMSETT_APP_PROBE);
constexpr DWORD kFatalExitCode = 0xFFFFFFFF;

std::wstring OutOfMemoryReport(const std::wstring& size) {
  return L"运行时出错!\r\n\r\n错误信息：分配 " + size + L" 字节内存失败!\r\n";
}

class FatalErrorTest : public testing::Test {
 protected:
  ScratchFolder scratch_{L"fatal"};
  const std::wstring record_ = scratch_.path() + L"\\record.txt";

  std::wstring Arguments(const std::wstring& mode) const { return mode + L" \"" + record_ + L"\""; }

  // Starts the probe and expects its error box with `text`, alone on its
  // OK button and owned by no window; lets `whileUp` look around while the
  // box is up; closes it and checks how the process ended: code -1 and its
  // clean-up routine not called. The probe notes the box's icon itself.
  void ExpectFatalReport(const std::wstring& arguments, const std::wstring& text,
                         const std::function<void(const ChildProcess&)>& whileUp = nullptr) {
    ChildProcess probe(kProbe, arguments);
    auto box = probe.WaitForMessageBox(L"错误");
    ASSERT_TRUE(box) << "record: " << testing::PrintToString(ReadLines(record_));
    EXPECT_EQ(box->text, text);
    EXPECT_EQ(box->owner, nullptr);
    EXPECT_EQ(box->buttons, std::vector<int>{IDOK});
    if (whileUp) whileUp(probe);
    PressOk(box->window);
    EXPECT_EQ(probe.WaitForExit(), kFatalExitCode);
    EXPECT_EQ(ReadLines(record_), std::vector<std::wstring>{L"box icon=error"});
  }
};

TEST_F(FatalErrorTest, OutOfMemoryReportForAHundredBytes) {
  ExpectFatalReport(Arguments(L"out-of-memory") + L" 100", OutOfMemoryReport(L"100"));
}

TEST_F(FatalErrorTest, BoxLeavesTheProgramWindowsUpAndEnabled) {
  ExpectFatalReport(Arguments(L"fatal-in-loop"), L"运行时出错!\r\n\r\n错误信息：探针出错\r\n",
                    [](const ChildProcess& probe) {
                      HWND window = probe.WaitForWindow(nullptr, L"Plimsett probe");
                      ASSERT_NE(window, nullptr);
                      EXPECT_TRUE(IsWindowEnabled(window));
                    });
}

// The window is destroyed again before the event loop runs: no quit request
// may be left behind to close the box at once.
TEST_F(FatalErrorTest, MainWindowThatCannotBeBuiltIsReported) {
  ExpectFatalReport(Arguments(L"no-text-fields"),
                    L"运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
}

struct FailedAllocation {
  const char* name;
  const wchar_t* form;  // as the probe names it
  const wchar_t* size;
};

class FailedAllocationTest : public FatalErrorTest,
                             public testing::WithParamInterface<FailedAllocation> {};

// Sizes no system can give; the report names each exactly as asked for.
TEST_P(FailedAllocationTest, EndsInTheOutOfMemoryReport) {
  const FailedAllocation& allocation = GetParam();
  ExpectFatalReport(Arguments(L"allocate") + L" " + allocation.form + L" " + allocation.size,
                    OutOfMemoryReport(allocation.size));
}

INSTANTIATE_TEST_SUITE_P(
    EveryForm, FailedAllocationTest,
    testing::Values(FailedAllocation{"New", L"new", L"5000000000000"},
                    FailedAllocation{"NewArray", L"new[]", L"4398046511104"},
                    FailedAllocation{"NewNothrow", L"new-nothrow", L"4398046511104"},
                    FailedAllocation{"NewArrayNothrow", L"new[]-nothrow", L"4398046511104"},
                    FailedAllocation{"NewAligned", L"new-aligned", L"4398046511104"},
                    FailedAllocation{"NewArrayAligned", L"new[]-aligned", L"4398046511104"},
                    FailedAllocation{"NewAlignedNothrow", L"new-aligned-nothrow", L"4398046511104"},
                    FailedAllocation{"NewArrayAlignedNothrow", L"new[]-aligned-nothrow",
                                     L"4398046511104"},
                    FailedAllocation{"ByteSetGrowing", L"byte-set", L"5000000000000"}),
    [](const testing::TestParamInfo<FailedAllocation>& param) { return param.param.name; });

}  // namespace
}  // namespace plimsett::test
