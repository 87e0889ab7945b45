#pragma once
// The reader's modal tool windows: name, caption, size, border, icon and
// when they first show. Every front end opens them from this one table.
#include <string_view>

#include "core/screen/screen_box.h"
#include "core/screen/tool_window_names.h"
#include "core/texts/language.h"
#include "core/texts/tool_window_texts.h"

namespace fuda {

// A fixed border, or one the user may drag to resize the window.
enum class WindowBorder { Fixed, Sizing };
// The system's plain window icon, or the program's own.
enum class WindowIcon { System, Program };
// Shown as soon as it is created, or only once its controls are built.
enum class FirstShown { AtCreation, OnceBuilt };

struct ToolWindowLayout {
  std::string_view name;
  LocalText caption;
  FrameSize size;
  WindowBorder border;
  WindowIcon icon;
  FirstShown shown;
  // Whether the window's content gives it a menu bar (the timer's menu).
  bool menuBar;
};

inline constexpr ToolWindowLayout kToolWindows[] = {
    {kTimerWindowName, texts::kTimerWindowCaption, {600, 200}, WindowBorder::Fixed,
     WindowIcon::Program, FirstShown::AtCreation, true},
    {kCardSelectionWindowName, texts::kCardSelectionWindowCaption, {800, 600},
     WindowBorder::Sizing, WindowIcon::System, FirstShown::AtCreation, false},
    {kThirdGameWindowName, texts::kThirdGameWindowCaption, {480, 360}, WindowBorder::Sizing,
     WindowIcon::System, FirstShown::OnceBuilt, false},
};

// Null for a name that opens nothing.
constexpr const ToolWindowLayout* toolWindowLayout(std::string_view name) {
  for (const ToolWindowLayout& layout : kToolWindows) {
    if (layout.name == name) return &layout;
  }
  return nullptr;
}

}  // namespace fuda
