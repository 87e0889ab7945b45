#pragma once
// The names the page knows the main window's controls, the reader's and the
// timer windows' commands and the game's phases by: the core's own names, so
// the page never deals in numbers.
#include <optional>
#include <string_view>

#include "core/countdown/memotimer_ids.h"
#include "core/game/game_phase.h"
#include "core/game/reader_command.h"
#include "core/screen/control_ids.h"

namespace fuda {

// "NextButton" for kNextButton; empty for an id that names no control.
std::string_view controlName(ControlId id);

// The command called `name` ("ReadNext"); nothing for an unknown name.
std::optional<ReaderCommand> commandNamed(std::string_view name);
// The name of `command`.
std::string_view commandName(ReaderCommand command);

// The timer windows' menu command called `name` ("TimerLonger",
// "MemoStart"): kCmdTimerLonger, kCmdMemoStart...; nothing for an unknown name.
std::optional<int> timerCommandNamed(std::string_view name);

// "BetweenCards" for GamePhase::BetweenCards.
std::string_view phaseName(GamePhase phase);

}  // namespace fuda
