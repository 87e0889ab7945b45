#pragma once
// Which of the main window's controls each game phase enables or disables.
// A phase names only the controls it changes; the others keep their state.
// Entries apply in order.
#include <span>

#include "core/game/game_phase.h"
#include "core/screen/control_ids.h"

namespace fuda {

enum class Enablement { Disabled, Enabled };

struct ControlEnabling {
  ControlId id;
  Enablement state;
};

namespace phase_controls_detail {

inline constexpr auto kOn = Enablement::Enabled;
inline constexpr auto kOff = Enablement::Disabled;

inline constexpr ControlEnabling kNoGame[] = {
    {kManualRadio, kOn}, {kAutoRadio, kOn},  {kStartWithMemoButton, kOn}, {kQuickStartButton, kOn},
    {kNextButton, kOff}, {kExitButton, kOn}, {kTimingLabel, kOn},     {kTimingTrackBar, kOn}};
inline constexpr ControlEnabling kOpening[] = {
    {kStartWithMemoButton, kOff},
    {kQuickStartButton, kOff},
    {kManualRadio, kOff},
    {kAutoRadio, kOff}};
// The track bar is off while a step plays: a move then counts once it ends.
inline constexpr ControlEnabling kReading[] = {
    {kManualRadio, kOff}, {kAutoRadio, kOff},   {kNextButton, kOff},
    {kExitButton, kOff},  {kTimingLabel, kOff}, {kTimingTrackBar, kOff}};
inline constexpr ControlEnabling kBetweenCards[] = {
    {kManualRadio, kOn}, {kAutoRadio, kOn},   {kNextButton, kOn},
    {kExitButton, kOn},  {kTimingLabel, kOn}, {kTimingTrackBar, kOn}};
// Entered after BetweenCards: what the stopped opening changes beyond it.
inline constexpr ControlEnabling kOpeningStopped[] = {
    {kManualRadio, kOn},
    {kAutoRadio, kOn},
    {kQuickStartButton, kOn},
    {kStartWithMemoButton, kOff},
    {kNextButton, kOff}};
inline constexpr ControlEnabling kTestReading[] = {
    {kManualRadio, kOff},         {kAutoRadio, kOff},  {kStartWithMemoButton, kOff},
    {kQuickStartButton, kOff},    {kNextButton, kOff}, {kExitButton, kOff},
    {kTimingLabel, kOff},         {kTimingTrackBar, kOff}};

}  // namespace phase_controls_detail

constexpr std::span<const ControlEnabling> controlsOf(GamePhase phase) {
  namespace d = phase_controls_detail;
  switch (phase) {
    case GamePhase::NoGame:
      return d::kNoGame;
    case GamePhase::Opening:
      return d::kOpening;
    case GamePhase::Reading:
      return d::kReading;
    case GamePhase::BetweenCards:
      return d::kBetweenCards;
    case GamePhase::OpeningStopped:
      return d::kOpeningStopped;
    case GamePhase::TestReading:
      return d::kTestReading;
  }
  return {};
}

}  // namespace fuda
