// Every window of both programs as a player sees it at the display scaling
// Wine is set to (LogPixels): each control's caption, measured in the
// control's own font, fits inside the control, and every control lies in
// its window's client area clear of the status bar. Run once per scaling
// by wine_dpi_test.sh, which also photographs each window: when
// FUDA_SCREENSHOTS names a folder, the test writes NAME.ready there for
// each window and waits for NAME.done before it closes the window.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "core/cards/card_selection.h"
#include "core/cards/poem_table.h"
#include "core/countdown/announcer.h"
#include "core/countdown/countdown_run.h"
#include "core/game/timing_adjustment.h"
#include "core/screen/control_ids.h"
#include "frontends/win32/card_selection_window.h"
#include "frontends/win32/dpi_scaling.h"
#include "frontends/win32/memo_timer_window.h"
#include "frontends/win32/memotimer_window.h"
#include "frontends/win32/reader_main_window.h"
#include "frontends/win32/third_game_window.h"
#include "frontends/win32/tool_window.h"
#include "frontends/win32/wide_text.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/recording_front_end.h"
#include "tests/support/language_names.h"

namespace fuda {
namespace {

using testing::FakeClipSource;
using testing::InlineThreads;
using testing::RecordingMessages;
using testing::RecordingFrontEnd;
using testing::RecordingSound;
using testing::VirtualClock;

std::string utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? size - 1 : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring textOf(HWND control) {
  wchar_t text[512] = {};
  GetWindowTextW(control, text, 512);
  return text;
}

std::wstring classOf(HWND control) {
  wchar_t name[64] = {};
  GetClassNameW(control, name, 64);
  return name;
}

// What a player would see cut off in one control; empty when all is seen.
std::string clipping(HWND control) {
  const std::wstring text = textOf(control);
  const std::wstring kind = classOf(control);
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  if (text.empty() || kind == TRACKBAR_CLASSW) return {};
  RECT client{};
  GetClientRect(control, &client);
  const UINT dpi = dpiOf(control);
  const auto scaled = [dpi](int layout) { return scaledForDpi(layout, dpi); };

  HDC dc = GetDC(control);
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  const HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SIZE line{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &line);
  // Room for the text: a push button's edges, a box's or a radio's mark
  // and the gap after it, a status bar's edges and its size grip.
  int width = client.right;
  int height = client.bottom;
  bool wraps = false;
  if (kind == L"Button") {
    const LONG type = style & BS_TYPEMASK;
    if (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON) {
      width -= scaled(13) + scaled(4);
      // A box laid out too narrow for any caption shows only its mark: the
      // caption names it and is not meant to be read.
      if (width < scaled(6)) width = line.cx;
    } else {
      // The frame a push button draws inside its edge.
      width -= 2 * scaled(2);
      height -= 2 * scaled(2);
    }
  } else if (kind == STATUSCLASSNAMEW) {
    width -= scaled(4) + GetSystemMetrics(SM_CXVSCROLL);
  } else if (kind == L"Static") {
    wraps = (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP && (style & SS_TYPEMASK) <= SS_RIGHT;
  }
  SIZE needed = line;
  if (wraps) {
    RECT box{0, 0, width, 0};
    const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    DrawTextW(dc, text.c_str(), -1, &box, DT_CALCRECT | DT_WORDBREAK | prefix);
    needed = SIZE{box.right, box.bottom};
  }
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  if (needed.cx <= width && needed.cy <= height) return {};
  return "control " + std::to_string(GetDlgCtrlID(control)) + " \"" + utf8(text) + "\" needs " +
         std::to_string(needed.cx) + " x " + std::to_string(needed.cy) + ", has " +
         std::to_string(width) + " x " + std::to_string(height);
}

// Every clipped caption and every control outside the client area or under
// the status bar, among all the controls of `window`.
std::vector<std::string> faults(HWND window) {
  struct Walk {
    HWND window;
    RECT room;
    std::vector<std::string> found;
  } walk{window, {}, {}};
  GetClientRect(window, &walk.room);
  if (HWND status = FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr)) {
    RECT bar{};
    GetWindowRect(status, &bar);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&bar), 2);
    walk.room.bottom = bar.top;
  }
  EnumChildWindows(
      window,
      [](HWND control, LPARAM lParam) -> BOOL {
        auto& walk = *reinterpret_cast<Walk*>(lParam);
        if (!IsWindowVisible(control)) return TRUE;
        if (std::string cut = clipping(control); !cut.empty()) walk.found.push_back(cut);
        // Only the window's own controls: the timer's display lies in its
        // face, which covers the client area.
        if (GetParent(control) != walk.window || classOf(control) == STATUSCLASSNAMEW) {
          return TRUE;
        }
        RECT place{};
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, walk.window, reinterpret_cast<POINT*>(&place), 2);
        RECT inside{};
        IntersectRect(&inside, &place, &walk.room);
        if (!EqualRect(&inside, &place) && GetDlgCtrlID(control) != 0) {
          walk.found.push_back("control " + std::to_string(GetDlgCtrlID(control)) +
                               " reaches out of the room its window has for it");
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
  return walk.found;
}

void pumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// With FUDA_SCREENSHOTS set, waits (drawing on) until the window on show has
// been photographed.
void photograph(const std::string& name) {
  const char* folder = std::getenv("FUDA_SCREENSHOTS");
  if (!folder || !*folder) return;
  const std::filesystem::path base = std::filesystem::path(folder) / name;
  pumpMessages();
  std::filesystem::path ready = base;
  ready += ".ready";
  std::filesystem::path done = base;
  done += ".done";
  { FILE* marker = _wfopen(ready.c_str(), L"w"); if (marker) fclose(marker); }
  const ULONGLONG end = GetTickCount64() + 30000;
  while (!std::filesystem::exists(done) && GetTickCount64() < end) {
    pumpMessages();
    Sleep(50);
  }
}

// Both programs name their main window's class "NORMAL0", each with its own
// window procedure; in this one process the class of the window made before
// must go first.
void forgetMainWindowClass() { UnregisterClassW(L"NORMAL0", GetModuleHandleW(nullptr)); }

class CaptionFit : public ::testing::TestWithParam<Language> {
 protected:
  ReaderMainWindow& openMainWindow() {
    forgetMainWindowClass();
    main_.emplace(GetParam(), messages_, nullptr, nullptr, nullptr);
    main_->show();
    return *main_;
  }
  void TearDown() override {
    // The main window's going ends the program's message loop; here the
    // next test's loops must not see that.
    main_.reset();
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }

  std::string name(const char* window) const {
    return std::string(window) + "-" + (GetParam() == Language::Japanese ? "ja" : "en");
  }

  // Opens the tool window `tool` over the main window, checks it and closes
  // it again from inside its nested loop.
  void checkToolWindow(std::string_view tool, const char* shot) {
    static std::function<void()> inside;
    inside = [this, tool, shot] {
      HWND window = nullptr;
      EnumThreadWindows(
          GetCurrentThreadId(),
          [](HWND candidate, LPARAM found) -> BOOL {
            if (!IsWindowVisible(candidate) || classOf(candidate) != L"NORMALDLG") return TRUE;
            *reinterpret_cast<HWND*>(found) = candidate;
            return FALSE;
          },
          reinterpret_cast<LPARAM>(&window));
      if (!window) return;
      // Once only; this lambda goes with it, so what it holds is copied.
      const std::string toolName(tool);
      const std::string shotName = name(shot);
      inside = nullptr;
      EXPECT_EQ(faults(window), std::vector<std::string>{}) << toolName;
      photograph(shotName);
      PostMessageW(window, WM_CLOSE, 0, 0);
    };
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR, DWORD) {
      if (inside) inside();
    });
    showToolWindow(main_->hwnd(), tool, tools_);
    KillTimer(nullptr, timer);
    EXPECT_FALSE(inside) << tool << " did not open";
  }

  RecordingMessages messages_;
  std::optional<ReaderMainWindow> main_;
  ToolWindowRegistry tools_{GetParam()};
  CardSelection selection_;
  VirtualClock clock_;
  InlineThreads threads_;
  FakeClipSource clips_{messages_};
  RecordingSound sound_{clock_};
  Announcer announcer_{threads_, clips_, sound_};
  RecordingFrontEnd frontEnd_;  // the input-free pause
};

TEST_P(CaptionFit, TheMainWindowShowsEveryCaptionWhole) {
  // The longest texts start-up writes: the preface poem and the timing.
  ReaderMainWindow& main = openMainWindow();
  const Poem& preface = PoemTable::forLanguage(GetParam())[0];
  main.setText(kKimarijiLabel, preface.kimariji);
  main.setText(kUpperVerseLabel, preface.upperVerse);
  main.setText(kLowerVerseLabel, preface.lowerVerse);
  main.setText(kPoetLabel, preface.poet);
  main.setText(kTimingLabel, timingLabel(GetParam(), 1000));
  pumpMessages();
  EXPECT_EQ(faults(main.hwnd()), std::vector<std::string>{});
  photograph(name("main"));
}

TEST_P(CaptionFit, TheToolWindowsShowEveryCaptionWhole) {
  openMainWindow();
  registerCardSelectionWindow(tools_, selection_, messages_);
  registerThirdGameWindow(tools_, selection_, messages_);
  MemoCountdown countdown;
  CountdownRun run(countdown, MemoLength::Full, clock_, announcer_, frontEnd_);
  tools_.add(kTimerWindowName, [&run](ToolWindow& window) {
    return std::make_unique<MemoTimerWindow>(window, run, TimerOffsets{});
  });
  checkToolWindow(kCardSelectionWindowName, "selection");
  checkToolWindow(kThirdGameWindowName, "third");
  checkToolWindow(kTimerWindowName, "timer");
}

TEST_P(CaptionFit, TheMemotimerShowsEveryCaptionWhole) {
  forgetMainWindowClass();
  MemotimerWindow memotimer(GetParam(), clock_, announcer_);
  memotimer.show(TimerOffsets{});
  pumpMessages();
  EXPECT_EQ(faults(memotimer.hwnd()), std::vector<std::string>{});
  photograph(name("memotimer"));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, CaptionFit,
                         ::testing::Values(Language::Japanese, Language::English),
                         testing::languageName);

}  // namespace
}  // namespace fuda
