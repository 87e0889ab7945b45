#pragma once
// The texts only the web page has: its language switch, the controls that
// stand in for mouse gestures on a touch screen, the voice and settings kept
// in the browser, working offline and going on after a reload, in both
// languages.
#include "core/texts/language.h"

namespace fuda::texts {

// The switch names the other language in that language.
inline constexpr LocalText kPageOtherLanguage{"English", "日本語"};
inline constexpr LocalText kPageMenu{"メニュー", "Menu"};
inline constexpr LocalText kPageClose{"閉じる", "Close"};
inline constexpr LocalText kPageOk{"OK", "OK"};
inline constexpr LocalText kPageLoading{"読み込み中…", "Loading…"};
inline constexpr LocalText kPageLoadFailed{"読み上げ機を起動できませんでした。",
                                           "The reader could not be started."};
inline constexpr LocalText kPageCardHeading{"読んでいる札", "The card being read"};
inline constexpr LocalText kPageTimingHeading{"間合い", "Pause"};

// Mouse gestures as controls, for touch screens.
inline constexpr LocalText kPageGestures{"マウス操作", "Mouse gestures"};
inline constexpr LocalText kPageRightClick{"右クリック", "Right click"};
inline constexpr LocalText kPageRightDoubleClick{"右ダブルクリック", "Right double-click"};
inline constexpr LocalText kPageMiddleDoubleClick{"中ダブルクリック", "Middle double-click"};
inline constexpr LocalText kPageTitleDoubleClick{"タイトルをダブルクリック",
                                                 "Title double-click"};
inline constexpr LocalText kPageMouseLock{"マウスロック", "Mouse lock"};

// Recorded voices kept in the browser.
inline constexpr LocalText kPageVoices{"読手の録音", "Recorded voices"};
inline constexpr LocalText kPageChooseFolder{"フォルダを選ぶ", "Choose a folder"};
inline constexpr LocalText kPageChooseFiles{"ファイルを選ぶ", "Choose files"};
inline constexpr LocalText kPageCheckingVoice{"録音を確かめています…", "Checking the clips…"};
inline constexpr LocalText kPageVoiceKept{"録音を保存しました。", "The recorded voice is kept."};
inline constexpr LocalText kPageVoiceUnchanged{"保存済みの録音はそのままです。",
                                               "The voice kept before is unchanged."};
// Each is followed by the clip's name.
inline constexpr LocalText kPageClipMissing{"録音がありません：", "Clip missing: "};
inline constexpr LocalText kPageClipUndecodable{"録音を読めません：",
                                                "Clip cannot be decoded: "};
inline constexpr LocalText kPageClipEmpty{"録音が空です：", "Clip is empty: "};
inline constexpr LocalText kPageClipTooLarge{"録音が大きすぎます：", "Clip is too large: "};
inline constexpr LocalText kPageStorageRefused{
    "このブラウザはデータを保存させません。標準の読手で読みますが、設定と録音は保存されません。",
    "This browser does not let the page keep data: it reads with the default voice, "
    "and settings and voices will not be kept."};
inline constexpr LocalText kPageStorageFull{
    "保存場所が足りません。設定と録音は保存されません。",
    "The browser's storage is full: settings and voices will not be kept."};

// Settings.
inline constexpr LocalText kPageSettings{"設定", "Settings"};
inline constexpr LocalText kPageExportSettings{"設定を書き出す", "Export settings"};
inline constexpr LocalText kPageImportSettings{"設定を読み込む", "Import settings"};
inline constexpr LocalText kPageSettingsImported{"設定を読み込みました。次の開始から使われます。",
                                                 "Settings imported; they apply from the next start."};

// Working offline.
inline constexpr LocalText kPageKeepVoice{"標準の読手をこの端末に保存",
                                          "Keep the voice on this device"};
inline constexpr LocalText kPageVoiceOffline{"標準の読手を保存しました。オフラインでも読めます。",
                                             "The voice is kept: the reader works offline."};
inline constexpr LocalText kPageKeepVoiceFailed{"標準の読手を保存できませんでした：",
                                                "The voice could not be kept: "};

// Going on after a reload.
inline constexpr LocalText kPageResumeOffer{"前の試合が途中です。同じ札から続けますか？",
                                            "A game was left unfinished. Go on at the same card?"};
inline constexpr LocalText kPageResumeYes{"続ける", "Go on"};
inline constexpr LocalText kPageResumeNo{"やめる", "Drop it"};

}  // namespace fuda::texts
