#pragma once
// The clips of the current voice, read from its directories. WAV clips are
// read as they are; MP3 and Ogg Vorbis clips are decoded into the private
// temporary directory first, read, and the decoded file removed at once, so
// nothing is left behind: the clip lives in memory. Every clip then loses the
// silence at its ends, unless the settings keep it.
#include <atomic>
#include <filesystem>
#include <mutex>

#include "core/clips/clip_decoder.h"
#include "core/clips/clip_source.h"
#include "core/clips/edge_silence.h"
#include "core/texts/language.h"
#include "core/ports/message_sink.h"
#include "core/ports/program_ports.h"
#include "core/settings/voice.h"
#include "core/clips/wav_clip.h"

namespace fuda {

// The message box for a clip that cannot be read; its caption is the path.
struct MissingClipNotice {
  MessageOwner owner = MessageOwner::MainWindow;
  LocalText text;
};

inline constexpr MissingClipNotice kReaderMissingClip{
    MessageOwner::MainWindow, {"ファイルが開けません", "File not Found!"}};

struct VoiceClipPlaces {
  std::filesystem::path tempDir;     // the private temporary directory
  std::filesystem::path programDir;  // where decoders of our own may lie
  // Where no Ogg decoder program can be counted on (Windows), Ogg clips
  // are decoded in the program itself by this adapter.
  OggFileDecoder oggInProgram = nullptr;
};

class VoiceClipSource : public ClipSource {
 public:
  VoiceClipSource(const CurrentVoice& voice, VoiceClipPlaces places, Shell& shell,
                  Clock& clock, MessageSink& messages, Language language,
                  MissingClipNotice notice = kReaderMissingClip,
                  double decodeTimeoutMs = kDecodeTimeoutMs);

  // Reading thread or announcement threads. A clip with no sound in it
  // gives null without a message: it is there, and is played as nothing.
  ClipRef load(ClipFolder folder, std::string_view name) override;

  // GUI thread, at start-up; every clip loaded afterwards follows it.
  void setEdgeSilence(EdgeSilence choice) { edgeSilence_ = choice; }

 private:
  ClipRef loadDecoded(ClipFormat format, const std::filesystem::path& dir,
                      const std::string& name);
  ClipRef loadFile(const std::filesystem::path& path, const std::string& name);
  ClipRef toClip(WavParse parsed, const std::filesystem::path& path, const std::string& name);
  void reportMissing(const std::filesystem::path& path);

  const CurrentVoice& voice_;
  std::filesystem::path tempDir_;
  OggFileDecoder oggInProgram_;
  ClipDecoder decoder_;
  MessageSink& messages_;
  Language language_;
  MissingClipNotice notice_;
  std::atomic<EdgeSilence> edgeSilence_{EdgeSilence::Trimmed};
  // Decoding, reading and removing one decoded file is one step: another
  // thread decoding a clip of the same name must not overwrite or remove it.
  std::mutex decodeMutex_;
};

}  // namespace fuda
