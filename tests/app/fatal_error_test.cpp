// The fatal-error report as the user meets it: the box, its text, and the
// end of the process once it has been closed. The probe program runs the
// report code of plimsett_app and records whether its clean-up routine ran.
#include <gtest/gtest.h>

#include <string>

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

  // Closes the box and checks how the process ended: code -1 and its clean-up
  // routine not called. The probe notes the box's icon as it comes up.
  void ExpectFatalEnd(ChildProcess& probe, HWND box) {
    PressOk(box);
    EXPECT_EQ(probe.WaitForExit(), kFatalExitCode);
    EXPECT_EQ(ReadLines(record_), std::vector<std::wstring>{L"box icon=error"});
  }
};

TEST_F(FatalErrorTest, OutOfMemoryReportForAHundredBytes) {
  ChildProcess probe(kProbe, Arguments(L"out-of-memory") + L" 100");
  ASSERT_TRUE(probe.started());
  auto box = probe.WaitForMessageBox(L"错误");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, OutOfMemoryReport(L"100"));
  EXPECT_EQ(box->owner, nullptr);
  EXPECT_EQ(box->buttons, std::vector<int>{IDOK});
  ExpectFatalEnd(probe, box->window);
}

TEST_F(FatalErrorTest, BoxLeavesTheProgramWindowsUpAndEnabled) {
  ChildProcess probe(kProbe, Arguments(L"fatal-in-loop"));
  ASSERT_TRUE(probe.started());
  auto box = probe.WaitForMessageBox(L"错误");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, L"运行时出错!\r\n\r\n错误信息：探针出错\r\n");
  EXPECT_EQ(box->owner, nullptr);
  HWND window = probe.WaitForWindow(nullptr, L"Plimsett probe");
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowEnabled(window));
  ExpectFatalEnd(probe, box->window);
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
  ChildProcess probe(kProbe,
                     Arguments(L"allocate") + L" " + allocation.form + L" " + allocation.size);
  ASSERT_TRUE(probe.started());
  auto box = probe.WaitForMessageBox(L"错误");
  ASSERT_TRUE(box) << "record: " << testing::PrintToString(ReadLines(record_));
  EXPECT_EQ(box->text, OutOfMemoryReport(allocation.size));
  ExpectFatalEnd(probe, box->window);
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
