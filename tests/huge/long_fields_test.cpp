// Clicks on fields of several thousand characters in the real program: the
// target field gets the whole result, cut nowhere on the way (reading the
// source field, converting, writing the target). Results pass 4096 and 8192
// characters, where a fixed buffer would cut them. Wine's EDIT control
// takes time growing with the square of a line's length, so this stays at
// a few thousand characters; the core takes the huge texts natively.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "child_process.h"
#include "ui/control_table.h"

namespace plimsett::test {
namespace {

using ui::Control;

const std::wstring kProgram = WindowsPathOf(PLIMSETT_PROGRAM);
constexpr wchar_t kCaption[] = L"Plimsett - Orvandy";

std::string Repeated(std::string_view unit, std::size_t times) {
  std::string text;
  for (std::size_t i = 0; i < times; ++i) text.append(unit);
  return text;
}

// The field's whole content as ANSI bytes (code page 936), read across the
// process boundary.
std::string FieldText(HWND field) {
  // An upper bound for double-byte text; the copy says how much it took.
  const auto bound = static_cast<std::size_t>(SendMessageA(field, WM_GETTEXTLENGTH, 0, 0));
  std::string text(bound + 1, '\0');
  const auto copied = static_cast<std::size_t>(
      SendMessageA(field, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied);
  return text;
}

void SetFieldText(HWND field, const std::string& text) {
  SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// "中a" is D6 D0 61 in code page 936, written "214,208,97".
constexpr std::size_t kUnits = 820;
const std::string kText = Repeated(
    "\xD6\xD0"
    "a",
    kUnits);
const std::string kByteSetText = Repeated("214,208,97,", kUnits - 1) + "214,208,97";

struct LongClick {
  const char* name;
  Control source;
  Control button;
  Control target;
  const std::string& input;
  const std::string& result;
};

const LongClick kClicks[] = {
    {"encode", Control::编辑框1, Control::按钮文本到字节集, Control::编辑框2, kText, kByteSetText},
    {"decode", Control::编辑框2, Control::按钮把上面的字节集转换到文本, Control::编辑框3,
     kByteSetText, kText},
};

TEST(LongFields, AClickConvertsTheWholeField) {
  ASSERT_GT(kByteSetText.size(), 8192u);
  ChildProcess program(kProgram, L"");
  HWND window = program.WaitForWindow(nullptr, kCaption);
  ASSERT_NE(window, nullptr);
  const auto item = [window](Control control) {
    return GetDlgItem(window, ui::ControlId(control));
  };
  for (const LongClick& click : kClicks) {
    SCOPED_TRACE(click.name);
    SetFieldText(item(click.source), click.input);
    ASSERT_EQ(FieldText(item(click.source)), click.input) << "the field took less than given";
    SetFieldText(item(click.target), "left over");
    SendMessageW(item(click.button), BM_CLICK, 0, 0);
    const std::string result = FieldText(item(click.target));
    EXPECT_EQ(result.size(), click.result.size());
    EXPECT_TRUE(result == click.result) << "the target field differs";  // too long to print
    EXPECT_EQ(FieldText(item(click.source)), click.input) << "the source field changed";
  }
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

}  // namespace
}  // namespace plimsett::test
