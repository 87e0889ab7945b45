#pragma once
// What both timer windows share on the screen (the reader's "Timer" tool
// window and the memotimer's main window): the countdown display's place,
// and the items of each one's timer menu. The menu bar has one item, a
// single blank, that opens the same popup as a right click.
#include <optional>
#include <span>

#include "core/countdown/memotimer_ids.h"
#include "core/countdown/timer_command.h"
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
  int id;
  TimerCommand command;  // what the id carries
  LocalText caption;
};

// Top to bottom, a separator between each two.
inline constexpr TimerMenuItem kReaderTimerMenu[] = {
    {kCmdTimerLonger, TimerCommand::Lengthen, texts::kItemLengthen},
    {kCmdTimerShorter, TimerCommand::Shorten, texts::kItemShorten},
    {kCmdTimerStartNow, TimerCommand::EndNow, texts::kItemStartNow},
};
inline constexpr TimerMenuItem kMemotimerMenu[] = {
    {kCmdMemoStart, TimerCommand::Start, texts::kItemMemoStart},
    {kCmdMemoLengthen, TimerCommand::Lengthen, texts::kItemLengthen},
    {kCmdMemoShorten, TimerCommand::Shorten, texts::kItemShorten},
    {kCmdMemoExit, TimerCommand::EndNow, texts::kItemMemoExit},
};

// What `id` carries in `menu`; nothing for an id the menu does not hold.
constexpr std::optional<TimerCommand> timerCommandFor(std::span<const TimerMenuItem> menu, int id) {
  for (const TimerMenuItem& item : menu) {
    if (item.id == id) return item.command;
  }
  return std::nullopt;
}

}  // namespace fuda
