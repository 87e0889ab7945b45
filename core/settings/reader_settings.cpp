#include "core/settings/reader_settings.h"

#include "core/encoding/number_text.h"
#include "core/game/read_mode.h"
#include "core/texts/main_window_texts.h"

namespace fuda {

void selectReaderVoice(const SettingsFile& settings, std::string_view number,
                       CurrentVoice& voice, MessageSink& messages, Language language) {
  const VoiceChoice choice = chooseVoice(settings, number);
  // The directories stay in force even without clips, so a voice copied in
  // later is found at the next clip.
  voice.set(choice.location);
  if (!choice.hasClips) {
    messages.showMessage(pick(language, texts::kNoVoiceCaption),
                         pick(language, texts::kNoVoiceText));
  }
}

TimerOffsets loadSettings(const SettingsFile& settings, ReadingState& state,
                          CurrentVoice& voice, ReaderView& view, Language language) {
  reportUnreadableSettings(settings, view, language);
  const std::string number = settings.read("Reader", "Num", "1");
  selectReaderVoice(settings, number, voice, view, language);

  setReadMode(state, view,
              settings.read("Auto", "Auto", "0") == "1" ? ReadMode::Automatic : ReadMode::Manual,
              numberFromText(settings.read("Auto", "Itvl", "3")));
  state.memoState = settings.read("Timer", "Use", "1") == "1" ? MemoState::StartWithMemo
                                                              : MemoState::StartWithoutMemo;

  return timerOffsets(settings);
}

}  // namespace fuda
