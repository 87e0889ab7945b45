#pragma once
// What both timer windows share on the screen (the reader's "Timer" tool
// window and the memotimer's main window): the countdown display's place,
// and the items of each one's timer menu. The menu bar has one item, a
// single blank, that opens the same popup as a right click.
#include "core/countdown/memotimer_ids.h"
#include "core/screen/control_ids.h"
#include "core/screen/screen_box.h"
#include "core/texts/language.h"
#include "core/texts/timer_texts.h"

namespace fuda {

// In the client area, over the clock hands.
inline constexpr ScreenBox kCountdownDisplayBox{220, 30, 365, 120};

// The memotimer's main window: a fixed border, the timer menu bar and, in
// its client area, a status bar.
inline constexpr FrameSize kMemotimerWindowSize{600, 230};

struct TimerMenuItem {
  int id;  // the command it carries
  LocalText caption;
};

// Top to bottom, a separator between each two.
inline constexpr TimerMenuItem kReaderTimerMenu[] = {
    {kCmdTimerLonger, texts::kItemLengthen},
    {kCmdTimerShorter, texts::kItemShorten},
    {kCmdTimerStartNow, texts::kItemStartNow},
};
inline constexpr TimerMenuItem kMemotimerMenu[] = {
    {kCmdMemoStart, texts::kItemMemoStart},
    {kCmdMemoLengthen, texts::kItemLengthen},
    {kCmdMemoShorten, texts::kItemShorten},
    {kCmdMemoExit, texts::kItemMemoExit},
};

}  // namespace fuda
