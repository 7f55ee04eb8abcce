// A click on the main window against the bare field messages it makes: how
// much of a click is the program's own work, and how much is the field's
// WM_GETTEXT and WM_SETTEXT. Runs the real window under Wine (or Windows).
//
// A click is timed from the button's notification to its return, which is
// all the program does for it; the button's own mouse handling comes before
// and is the platform's. The program's share is measured twice: as the
// click less the bare messages on the same texts and less the delivery of
// a notification that the window ignores, and directly, as the work the
// handler adds around the messages (the buffers and the conversion).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/byte_set_text.h"
#include "ui/control_table.h"
#include "ui/main_window.h"

namespace {

using plimsett::Text;
using plimsett::ui::Control;
using plimsett::ui::ControlId;

constexpr double kShareGoal = 0.05;
constexpr std::size_t kGoalSize = 4 * 1024;

HWND g_window = nullptr;

void NoteOpened(HWND window) { g_window = window; }

void PumpPending() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

double Seconds() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / frequency;
}

HWND Field(Control control) { return GetDlgItem(g_window, ControlId(control)); }

std::string ReadField(HWND field) {
  std::vector<char> buffer(static_cast<std::size_t>(SendMessageA(field, WM_GETTEXTLENGTH, 0, 0)) +
                           1);
  const LRESULT copied =
      SendMessageA(field, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data(), static_cast<std::size_t>(copied));
}

void WriteField(HWND field, const std::string& text) {
  SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// ASCII prose and, for 40% of the characters, ideographs of the rows of code
// page 936 that are full (lead bytes B0 to D6), which a field keeps byte for
// byte.
Text MixedText(std::size_t length) {
  std::mt19937 rng(4096);
  constexpr std::string_view kProse =
      "the field holds what a user pastes, words and numbers 1984. ";
  Text text;
  // Whole characters only: a field does not keep a lone lead byte.
  for (std::size_t i = 0; text.size() + 2 <= length; ++i) {
    if (rng() % 10 < 6) {
      text.push_back(kProse[i % kProse.size()]);
    } else {
      text.push_back(static_cast<char>(0xB0 + rng() % 39));
      text.push_back(static_cast<char>(0xA1 + rng() % 94));
    }
  }
  return text;
}

struct Case {
  const char* name;
  Control source;
  Control target;
  Control button;
  Text (*convert)(std::string_view);
};

constexpr Case kEncode{"encode", Control::编辑框1, Control::编辑框2, Control::按钮文本到字节集,
                       plimsett::EncodeByteSetText};
constexpr Case kDecode{"decode", Control::编辑框2, Control::编辑框3,
                       Control::按钮把上面的字节集转换到文本, plimsett::DecodeByteSetText};

struct Timing {
  bool ok = false;
  std::size_t sourceLength = 0;
  std::size_t resultLength = 0;
  int rounds = 0;
  double click = 1e9;  // best of the rounds, each
  double notify = 1e9;
  double bare = 1e9;
  double own = 1e9;
};

void Notify(const Case& c, WORD code) {
  SendMessageW(g_window, WM_COMMAND, MAKEWPARAM(ControlId(c.button), code),
               reinterpret_cast<LPARAM>(Field(c.button)));
}

void Click(const Case& c) { Notify(c, BN_CLICKED); }

// Rounds go on for this long, but no fewer than kMinRounds and no more than
// kMaxRounds: Wine's field takes up to seconds for a long byte-set text.
constexpr double kBudgetSeconds = 3;
constexpr int kMinRounds = 3;
constexpr int kMaxRounds = 300;

// The three measurements of a round one after the other, so that a change
// of load touches them alike; best of the rounds.
Timing Measure(const Case& c, const Text& source) {
  Timing timing;
  HWND sourceField = Field(c.source);
  HWND targetField = Field(c.target);
  WriteField(sourceField, source);
  const Text result = c.convert(source);
  Click(c);
  // Only a click that converts what the field holds is worth timing.
  if (ReadField(sourceField) != source) {
    std::printf("%s: the field did not keep the %zu-byte source\n", c.name, source.size());
    return timing;
  }
  timing.ok = ReadField(targetField) == result;
  timing.sourceLength = source.size();
  timing.resultLength = result.size();
  std::vector<char> buffer(source.size() + 1);
  // The fields paint once, now; a round leaves only repaints, which the
  // platform merges and does later.
  PumpPending();
  const double begin = Seconds();
  for (; timing.ok && timing.rounds < kMaxRounds &&
         (timing.rounds < kMinRounds || Seconds() - begin < kBudgetSeconds);
       ++timing.rounds) {
    double start = Seconds();
    Click(c);
    timing.click = std::min(timing.click, Seconds() - start);

    // A notification of the same button that the window does nothing for.
    start = Seconds();
    Notify(c, BN_SETFOCUS);
    timing.notify = std::min(timing.notify, Seconds() - start);

    start = Seconds();
    const auto length = static_cast<std::size_t>(SendMessageA(sourceField, WM_GETTEXTLENGTH, 0, 0));
    SendMessageA(sourceField, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(buffer.data()));
    WriteField(targetField, result);
    timing.bare = std::min(timing.bare, Seconds() - start);

    // What the handler adds: the buffer it reads into, the conversion and
    // the release of both texts.
    start = Seconds();
    {
      Text read(length + 1, '\0');
      std::memcpy(read.data(), source.data(), source.size());
      read.resize(source.size());
      const Text converted = c.convert(read);
      if (converted.size() != result.size()) timing.ok = false;
    }
    timing.own = std::min(timing.own, Seconds() - start);
  }
  return timing;
}

// The byte-set text of a whole mixed text, about `length` bytes long.
Text ByteSetTextOf(std::size_t length) {
  return plimsett::EncodeByteSetText(MixedText(length / 4));
}

}  // namespace

int main() {
  const bool oleReady = SUCCEEDED(OleInitialize(nullptr));
  plimsett::ui::MainWindowHost host;
  host.windowOpened = NoteOpened;
  plimsett::ui::SetMainWindowHost(host);
  if (!plimsett::ui::ShowMainWindow() || g_window == nullptr) {
    std::printf("the main window could not be built\n");
    return 1;
  }
  PumpPending();

  std::printf(
      "Window click: the program's own share of a click, against the platform's part of\n"
      "it: the delivery of the button's notification (notify, timed on one the window\n"
      "ignores) and the field's WM_GETTEXT + WM_SETTEXT of the same texts (get+set).\n"
      "own = click - notify - get+set; direct = the handler's buffers and conversion\n"
      "timed on their own. Best of the rounds, QueryPerformanceCounter, microseconds.\n");
  std::printf("%-7s %7s %7s %6s %10s %7s %10s %8s %6s %-7s %7s %6s\n", "", "source", "result",
              "rounds", "click", "notify", "get+set", "own", "share", "goal<5%", "direct", "share");
  bool allOk = true;
  struct Row {
    const Case* c;
    std::size_t size;
  };
  // Wine's field takes time growing with the square of a byte-set text's
  // length to take it in (seconds at 60 KB), so only decoding, which writes
  // plain text, goes on to a longer field.
  for (const Row row :
       {Row{&kEncode, kGoalSize}, Row{&kDecode, kGoalSize}, Row{&kDecode, 64 * 1024}}) {
    const Case& c = *row.c;
    const Text source = &c == &kEncode ? MixedText(row.size) : ByteSetTextOf(row.size);
    const Timing t = Measure(c, source);
    if (!t.ok) {
      std::printf("%-7s %7zu the click did not convert the field's text\n", c.name, source.size());
      allOk = false;
      continue;
    }
    const double own = std::max(0.0, t.click - t.notify - t.bare);
    const double share = own / t.click;
    const char* verdict = row.size == kGoalSize ? (share < kShareGoal ? "met" : "MISSED") : "-";
    std::printf("%-7s %7zu %7zu %6d %10.1f %7.1f %10.1f %8.1f %5.2f%% %-7s %7.1f %5.3f%%\n", c.name,
                t.sourceLength, t.resultLength, t.rounds, 1e6 * t.click, 1e6 * t.notify,
                1e6 * t.bare, 1e6 * own, 100 * share, verdict, 1e6 * t.own, 100 * t.own / t.click);
    std::fflush(stdout);
  }
  std::printf("goal: the program's share of a click on a %zu-byte field under 5%%\n", kGoalSize);
  DestroyWindow(g_window);
  PumpPending();
  if (oleReady) OleUninitialize();
  return allOk ? 0 : 1;
}
