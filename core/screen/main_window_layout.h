#pragma once
// The reader's main window: its size and its controls, each with its id,
// kind, caption, place in either build's language and style. Every front end
// builds the window from this one table and adds only what its toolkit
// needs (the picture, fonts, colours).
#include "core/screen/control_ids.h"
#include "core/screen/screen_box.h"
#include "core/texts/language.h"
#include "core/texts/main_window_texts.h"

namespace fuda {

inline constexpr FrameSize kMainWindowSize{540, 410};

// What the control is. Pictures, frames, labels and the group box are
// drawing only: the mouse passes through them to the window's background
// (the title picture's double-click excepted).
enum class ControlKind { Picture, Frame, PushButton, TrackBar, Label, RadioButton, GroupBox };

// How a control sits among the others, beyond its kind.
enum class ControlStyle {
  Plain,
  // Labels: text to the left, wrapping; to the right; one line to the left,
  // clipped rather than pushed out of sight by a wider face.
  TextLeft,
  TextRight,
  TextOneLine,
  // The first control of a group of radio buttons; the group box after the
  // radio buttons closes the group.
  GroupStart,
};

struct ControlLayout {
  ControlId id;
  ControlKind kind;
  LocalText caption;
  ControlStyle style;
  ScreenBox japanese;
  ScreenBox english;
};

// The decisive syllables are shown in red.
struct TextColour {
  int red;
  int green;
  int blue;
};
inline constexpr TextColour kKimarijiColour{255, 0, 0};

// The track bar's range; the pause is 20 ms a step.
inline constexpr int kTrackBarMinimum = 0;
inline constexpr int kTrackBarMaximum = 100;

namespace main_window_layout_detail {

inline constexpr LocalText kNoCaption{"", ""};
// Placeholders of the texts, replaced before the window is first seen.
inline constexpr LocalText kKimarijiPlaceholder{"Mes_0", "Mes_0"};
inline constexpr LocalText kUpperPlaceholder{"Mes_1", "Mes_1"};
inline constexpr LocalText kLowerPlaceholder{"Mes_2", "Mes_2"};
inline constexpr LocalText kPoetPlaceholder{"Mes_3", "Mes_3"};
inline constexpr LocalText kTimingPlaceholder{"Mes_4", "Mes_4"};

}  // namespace main_window_layout_detail

// In creation order, which is also the order Tab walks (the four push
// buttons are the only tab stops).
inline constexpr ControlLayout kMainWindowControls[] = {
    {kTitlePicture, ControlKind::Picture, main_window_layout_detail::kNoCaption,
     ControlStyle::Plain, {125, 10, 260, 30}, {125, 10, 260, 30}},
    {kButtonFrame, ControlKind::Frame, main_window_layout_detail::kNoCaption, ControlStyle::Plain,
     {30, 100, 140, 210}, {30, 100, 140, 210}},
    {kTimingFrame, ControlKind::Frame, main_window_layout_detail::kNoCaption, ControlStyle::Plain,
     {230, 270, 240, 40}, {210, 270, 258, 40}},
    {kStartWithMemoButton, ControlKind::PushButton, texts::kStartWithMemoButton,
     ControlStyle::Plain, {50, 110, 100, 30}, {50, 110, 100, 30}},
    {kQuickStartButton, ControlKind::PushButton, texts::kQuickStartButton, ControlStyle::Plain,
     {50, 160, 100, 30}, {50, 160, 100, 30}},
    {kNextButton, ControlKind::PushButton, texts::kNextButton, ControlStyle::Plain,
     {50, 215, 100, 30}, {50, 215, 100, 30}},
    {kExitButton, ControlKind::PushButton, texts::kExitButton, ControlStyle::Plain,
     {50, 270, 100, 30}, {50, 270, 100, 30}},
    {kTimingTrackBar, ControlKind::TrackBar, main_window_layout_detail::kNoCaption,
     ControlStyle::Plain, {340, 278, 125, 30}, {340, 278, 125, 30}},
    {kUpperVerseLabel, ControlKind::Label, main_window_layout_detail::kUpperPlaceholder,
     ControlStyle::TextLeft, {230, 115, 230, 30}, {230, 115, 230, 30}},
    {kLowerVerseLabel, ControlKind::Label, main_window_layout_detail::kLowerPlaceholder,
     ControlStyle::TextLeft, {230, 155, 230, 30}, {230, 155, 230, 30}},
    {kPoetLabel, ControlKind::Label, main_window_layout_detail::kPoetPlaceholder,
     ControlStyle::TextRight, {230, 195, 230, 30}, {230, 195, 230, 30}},
    {kTimingLabel, ControlKind::Label, main_window_layout_detail::kTimingPlaceholder,
     ControlStyle::TextOneLine, {240, 285, 100, 20}, {215, 283, 114, 19}},
    {kManualRadio, ControlKind::RadioButton, texts::kManualRadio, ControlStyle::GroupStart,
     {45, 63, 57, 22}, {45, 67, 57, 22}},
    {kAutoRadio, ControlKind::RadioButton, texts::kAutoRadio, ControlStyle::Plain,
     {110, 63, 57, 22}, {110, 67, 57, 22}},
    {kModeGroupBox, ControlKind::GroupBox, main_window_layout_detail::kNoCaption,
     ControlStyle::GroupStart, {30, 50, 139, 39}, {30, 54, 139, 39}},
    {kKimarijiLabel, ControlKind::Label, main_window_layout_detail::kKimarijiPlaceholder,
     ControlStyle::TextLeft, {230, 75, 230, 30}, {230, 75, 230, 30}},
};

constexpr const ScreenBox& boxIn(Language language, const ControlLayout& control) {
  return language == Language::Japanese ? control.japanese : control.english;
}

}  // namespace fuda
