#pragma once
// The main window's menu bar of the reader: its pop-ups in order, each item
// with its command id, and the separators. Every front end builds its menu
// bar from this one table.
#include <span>

#include "core/texts/language.h"
#include "core/screen/control_ids.h"
#include "core/texts/main_window_texts.h"

namespace fuda {

struct MenuItemLayout {
  int id;  // 0: a separator
  LocalText caption;
};

struct MenuLayout {
  LocalText title;
  std::span<const MenuItemLayout> items;
};

namespace menu_layout_detail {

inline constexpr MenuItemLayout kSeparator{0, {}};

inline constexpr MenuItemLayout kOperationItems[] = {
    {kCmdTestReading, texts::kItemTestReading}, kSeparator,
    {kCmdCardSelection, texts::kItemCardSelection},
    {kCmdThirdGame, texts::kItemThirdGame}, kSeparator,
    {kCmdStartWithMemo, texts::kItemStartWithMemo}, kSeparator,
    {kCmdQuickStart, texts::kItemQuickStart}, kSeparator,
    {kCmdExit, texts::kItemExit}};
inline constexpr MenuItemLayout kReaderItems[] = {
    {kCmdReader1, texts::kItemReader1}, kSeparator,
    {kCmdReader2, texts::kItemReader2}, kSeparator,
    {kCmdReader3, texts::kItemReader3}, kSeparator,
    {kCmdReader4, texts::kItemReader4}};
inline constexpr MenuItemLayout kModeItems[] = {
    {kCmdManualMode, texts::kItemManualMode}, kSeparator,
    {kCmdAutoMode, texts::kItemAutoMode},
    {kCmdIntervalDefault, texts::kItemIntervalDefault},
    {kCmdInterval3, texts::kItemInterval3},
    {kCmdInterval5, texts::kItemInterval5},
    {kCmdInterval7, texts::kItemInterval7},
    {kCmdInterval10, texts::kItemInterval10}};
inline constexpr MenuItemLayout kListItems[] = {
    {kCmdExportList, texts::kItemExportList},
    {kCmdImportList, texts::kItemImportList}, kSeparator,
    {kCmdWithdraw, texts::kItemWithdraw}};
inline constexpr MenuItemLayout kHelpItems[] = {
    {kCmdHelp, texts::kItemHelp}, kSeparator, {kCmdAbout, texts::kItemAbout}};

}  // namespace menu_layout_detail

// Left to right.
inline constexpr MenuLayout kMainMenuBar[] = {
    {texts::kMenuOperation, menu_layout_detail::kOperationItems},
    {texts::kMenuReader, menu_layout_detail::kReaderItems},
    {texts::kMenuMode, menu_layout_detail::kModeItems},
    {texts::kMenuList, menu_layout_detail::kListItems},
    {texts::kMenuHelp, menu_layout_detail::kHelpItems},
};

}  // namespace fuda
