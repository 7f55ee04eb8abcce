// The two buttons: each click converts the whole source field and
// overwrites the whole target field, Chinese text in code page 936 included.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window_fixture.h"

namespace plimsett::ui::testing {
namespace {

// One thing a person does: put a text into a field, or click a button.
struct Step {
  enum class Kind { Write, Click } kind;
  Control target;
  std::string text;  // for Write
};

Step Write(Control field, std::string text) { return {Step::Kind::Write, field, std::move(text)}; }
Step Click(Control button) { return {Step::Kind::Click, button, {}}; }

const Control kEncode = Control::按钮文本到字节集;
const Control kDecode = Control::按钮把上面的字节集转换到文本;

// The three fields' contents.
struct Fields {
  std::string text1, byteSet2, text3;
};

struct ClickCase {
  const char* label;
  std::vector<Step> steps;
  Fields after;
};

// "中" is D6 D0 and "汉字" BA BA D7 D6 in code page 936.
const ClickCase kCases[] = {
    {"encode abc", {Write(Control::编辑框1, "abc"), Click(kEncode)}, {"abc", "97,98,99", ""}},
    {"round trip leaves the source alone",
     {Write(Control::编辑框1, "abc"), Click(kEncode), Click(kDecode)},
     {"abc", "97,98,99", "abc"}},
    {"empty source empties the byte-set field",
     {Write(Control::编辑框2, "1,2,3"), Click(kEncode)},
     {"", "", ""}},
    {"empty byte-set field empties the decoded text",
     {Write(Control::编辑框3, "left over"), Click(kDecode)},
     {"", "", ""}},
    {"decoding needs no encoding first",
     {Write(Control::编辑框2, "97, 98"), Click(kDecode)},
     {"", "97, 98", "ab"}},
    {"a second click overwrites an edited result",
     {Write(Control::编辑框1, "abc"), Click(kEncode), Write(Control::编辑框2, "edited"),
      Click(kEncode)},
     {"abc", "97,98,99", ""}},
    {"clicking twice gives the same result twice",
     {Write(Control::编辑框2, "65,66"), Click(kDecode), Click(kDecode)},
     {"", "65,66", "AB"}},
    {"a chinese character gives two numbers",
     {Write(Control::编辑框1, "\xD6\xD0"), Click(kEncode)},
     {"\xD6\xD0", "214,208", ""}},
    {"chinese round trip",
     {Write(Control::编辑框1,
            "\xBA\xBA\xD7\xD6"
            "ab"),
      Click(kEncode), Click(kDecode)},
     {"\xBA\xBA\xD7\xD6"
      "ab",
      "186,186,215,214,97,98",
      "\xBA\xBA\xD7\xD6"
      "ab"}},
    {"chinese decoded from numbers typed in",
     {Write(Control::编辑框2, "214,208,"), Click(kDecode)},
     {"", "214,208,", "\xD6\xD0"}},
};

class ClickTest : public MainWindowTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ClickTest, FieldsHoldTheConvertedTexts) {
  for (const Step& step : GetParam().steps) {
    if (step.kind == Step::Kind::Write) {
      WriteAnsiText(control(step.target), step.text);
    } else {
      SendMessageW(control(step.target), BM_CLICK, 0, 0);
      PumpPending();
    }
  }
  const Fields& after = GetParam().after;
  EXPECT_EQ(ReadAnsiText(control(Control::编辑框1)), after.text1);
  EXPECT_EQ(ReadAnsiText(control(Control::编辑框2)), after.byteSet2);
  EXPECT_EQ(ReadAnsiText(control(Control::编辑框3)), after.text3);
}

INSTANTIATE_TEST_SUITE_P(Cases, ClickTest, ::testing::ValuesIn(kCases), [](const auto& instance) {
  std::string name;
  for (const char* c = instance.param.label; *c != '\0'; ++c) {
    name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
  }
  return name;
});

using TypedClickTest = MainWindowTest;

// Typed with real keys, as a person would, then clicked with Space.
TEST_F(TypedClickTest, HandTypedByteSetTextDecodes) {
  SetFocus(control(Control::编辑框2));
  TypeText(L"97, 98");
  PressChord({VK_TAB});
  ASSERT_EQ(FocusedControl(), kDecode);
  PressChord({VK_SPACE});
  EXPECT_EQ(ReadAnsiText(control(Control::编辑框2)), "97, 98");
  EXPECT_EQ(ReadAnsiText(control(Control::编辑框3)), "ab");
}

}  // namespace
}  // namespace plimsett::ui::testing
