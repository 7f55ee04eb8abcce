// The texts of the fatal-error report.
#include "app/fatal_error_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace plimsett::app {
namespace {

TEST(FatalErrorText, FramesTheMessage) {
  EXPECT_EQ(FatalErrorText(L"载入启动窗口失败").view(),
            L"运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  EXPECT_EQ(FatalErrorText(L"").view(), L"运行时出错!\r\n\r\n错误信息：\r\n");
}

TEST(FatalErrorText, OverlongMessageIsCutButTheFrameStays) {
  const std::wstring message(2 * ReportText::kCapacity, L'x');
  const ReportText text = FatalErrorText(message);
  ASSERT_EQ(text.length, ReportText::kCapacity - 1);
  EXPECT_EQ(text.chars[text.length], L'\0');
  EXPECT_TRUE(text.view().starts_with(L"运行时出错!\r\n\r\n错误信息：xxx"));
  EXPECT_TRUE(text.view().ends_with(L"xxx\r\n"));
}

struct SizeCase {
  std::uint64_t size;
  const wchar_t* message;
};

class OutOfMemoryMessageTest : public testing::TestWithParam<SizeCase> {};

TEST_P(OutOfMemoryMessageTest, NamesTheSizeInDecimal) {
  const SizeCase& c = GetParam();
  if (c.size > SIZE_MAX) GTEST_SKIP() << "no such size in this build";
  EXPECT_EQ(OutOfMemoryMessage(static_cast<std::size_t>(c.size)).view(), c.message);
}

// Sizes of 2^31 and more are neither negative nor cut to 32 bits.
INSTANTIATE_TEST_SUITE_P(
    Sizes, OutOfMemoryMessageTest,
    testing::Values(SizeCase{0, L"分配 0 字节内存失败!"}, SizeCase{100, L"分配 100 字节内存失败!"},
                    SizeCase{2147483648u, L"分配 2147483648 字节内存失败!"},
                    SizeCase{4294967295u, L"分配 4294967295 字节内存失败!"},
                    SizeCase{5000000000000u, L"分配 5000000000000 字节内存失败!"},
                    SizeCase{UINT64_MAX, L"分配 18446744073709551615 字节内存失败!"}));

}  // namespace
}  // namespace plimsett::app
