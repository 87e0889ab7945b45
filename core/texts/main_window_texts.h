#pragma once
// The user-visible texts of the reader's main window and menus, in both
// languages.
#include "core/texts/language.h"

namespace fuda::texts {

inline constexpr LocalText kWindowTitle{"fudayomi", "fudayomi"};
inline constexpr LocalText kMakerNotice{
    "札読みひばりくん  競技かるた読み上げ  © fudayomi の作者たち",
    "fudayomi hibari kun  karuta reading machine  (c) the fudayomi authors"};

inline constexpr LocalText kStartWithMemoButton{"暗記～開始", "Anki and Start"};
inline constexpr LocalText kQuickStartButton{"すぐに開始", "Start quickly"};
inline constexpr LocalText kNextButton{"次へ", "Next Read"};
inline constexpr LocalText kExitButton{"終了", "Exit"};
inline constexpr LocalText kManualRadio{"Manual", "Manual"};
inline constexpr LocalText kAutoRadio{"Auto", "Auto"};

// Menu bar: pop-up titles.
inline constexpr LocalText kMenuOperation{"操作(&F)", "Operation(&F)"};
inline constexpr LocalText kMenuReader{"読手(&R)", "Reader(&R)"};
inline constexpr LocalText kMenuMode{"モード(&M)", "Mode(&M)"};
inline constexpr LocalText kMenuList{"読唱順(&J)", "List(&J)"};
inline constexpr LocalText kMenuHelp{"ヘルプ(&H)", "Help(&H)"};

// Menu items, by command.
inline constexpr LocalText kItemTestReading{"テスト読唱(&T)", "Test_Read(&T)"};
inline constexpr LocalText kItemCardSelection{"使用札選択(&L)", "Selection(&L)"};
inline constexpr LocalText kItemThirdGame{"三分の百首", "100/3 Game"};
inline constexpr LocalText kItemStartWithMemo{"暗記～開始(&A)", "Anki and Start(&A)"};
inline constexpr LocalText kItemQuickStart{"すぐに開始(&S)", "Start(&S)"};
inline constexpr LocalText kItemExit{"終了(&X)", "Exit(&X)"};
inline constexpr LocalText kItemReader1{"ひばりくん", "hibari kun"};
inline constexpr LocalText kItemReader2{"読手２", "Reader_2"};
inline constexpr LocalText kItemReader3{"読手３", "Reader_3"};
inline constexpr LocalText kItemReader4{"読手４", "Reader_4"};
inline constexpr LocalText kItemManualMode{"手動読み上げモード設定", "Manual Read Mode"};
inline constexpr LocalText kItemAutoMode{"自動読み上げモード設定", "Automatic Read Mode"};
inline constexpr LocalText kItemIntervalDefault{"インターバル（既定値）", "Interval Default"};
inline constexpr LocalText kItemInterval3{"インターバル（３秒）", "Interval 3sec."};
inline constexpr LocalText kItemInterval5{"インターバル（５秒）", "Interval 5sec."};
inline constexpr LocalText kItemInterval7{"インターバル（７秒）", "Interval 7sec."};
inline constexpr LocalText kItemInterval10{"インターバル（10秒）", "Interval 10sec."};
inline constexpr LocalText kItemExportList{"読唱順書き出し", "Writing of the List"};
inline constexpr LocalText kItemImportList{"読唱順読み込み", "Reading of the List"};
inline constexpr LocalText kItemWithdraw{"直前の読み無効化", "Read Again Later"};
inline constexpr LocalText kItemHelp{"ヘルプ(&H)", "Help(&H)"};
inline constexpr LocalText kItemAbout{"バージョン情報(&A)", "Ver.Info(&A)"};

// About box.
inline constexpr LocalText kAboutCaption{"fudayomi", "fudayomi"};
inline constexpr LocalText kAboutText{"札読みひばりくん Ver.2.90", "fudayomi hibari kun Ver.2.90"};

// Voice check at start-up and on a Reader menu item.
inline constexpr LocalText kNoVoiceCaption{"読手データ", "Data"};
inline constexpr LocalText kNoVoiceText{"ファイルがありません", "File not Found!"};

inline constexpr const char* kHelpFileName = "fudayomi.chm";

}  // namespace fuda::texts
