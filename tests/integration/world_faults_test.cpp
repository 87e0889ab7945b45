// Faults of the world around a game: clips that vanish or are cut short
// mid-game, a voice folder removed while reading, a decoder that crashes or
// writes garbage, a list file on a full disk or in a folder that cannot be
// written. Each gives its message, the game goes on or stops cleanly, and no
// state is left corrupted. The game runs in virtual time; the clips come from
// real files through the real clip source, decoder handshake and shell.
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>

#include "adapters/posix/posix_shell.h"
#include "adapters/std/system_clock.h"
#include "core/clips/voice_clip_source.h"
#include "core/game/game_engine.h"
#include "core/order/reading_order_list.h"
#include "tests/fakes/fake_memo_timer.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/temp_folder.h"
#include "tests/support/audio_tools.h"

namespace fuda::testing {
namespace {

namespace fs = std::filesystem;

constexpr double kClipSeconds = 0.4;
const std::vector<std::string> kClipNames = {"I-000A", "I-000B", "I-001A", "I-001B",
                                             "I-002A", "I-002B", "I-003A", "I-003B"};

class WorldFaultsTest : public ::testing::Test {
 protected:
  WorldFaultsTest()
      : clips(voice, {temp.path(), program.path()}, shell, realClock, view, Language::English),
        engine(state, selection, order, {clock, sound, clips, view, threads, memoTimer},
               Language::English) {}

  // A voice of tones in `format`, read by the game over poems 1, 2 and 3.
  void makeVoice(ClipFormat format) {
    fs::create_directories(voiceDir());
    const fs::path tone = program / "tone.WAV";
    ASSERT_TRUE(makeTone(tone, kClipSeconds, 440));
    fs::path source = tone;
    if (format == ClipFormat::Mp3) {
      source = program / "tone.mp3";
      ASSERT_TRUE(encodeMp3(tone, source));
    }
    const std::string extension = format == ClipFormat::Mp3 ? ".mp3" : ".WAV";
    for (const auto& name : kClipNames) fs::copy_file(source, voiceDir() / (name + extension));
    voice.set({voiceDir(), voiceDir() / "Mesg", format});

    order.poem.fill(kNoCard);
    order.poem[0] = 0;
    for (std::int16_t position = 1; position <= 3; ++position) order.poem[position] = position;
    computeDecisiveLengths(order);
    state.orderPrepared = OrderPrepared::OrderLoaded;
    selection.selectedCount = 3;
    selection.selectionActive = 1;
    selection.selected.fill(0);
    selection.selected[0] = selection.selected[1] = selection.selected[2] =
        selection.selected[3] = 1;
  }
  fs::path voiceDir() const { return voices / "voice"; }

  // Starts the game and presses "Next" until it ends, as a player would.
  void playGame() {
    engine.startReading(Memorisation::Without);
    for (int step = 0; step < 10 && state.running.load() == 1; ++step) engine.readNext();
  }

  // After a game, whatever went wrong in it: idle, reset, nothing decoded
  // left in the temporary folder.
  void expectCleanEnd() {
    EXPECT_EQ(state.running.load(), 0);
    EXPECT_EQ(state.busy.load(), Busy::Idle);
    EXPECT_EQ(state.orderPrepared.load(), OrderPrepared::ShuffleAtStart);
    EXPECT_EQ(selection.selectedCount.load(), 100);
    EXPECT_EQ(state.position.load(), 4);
    EXPECT_TRUE(fs::is_empty(temp.path()));
    EXPECT_EQ(view.text(kUpperVerseLabel),
              std::string(PoemTable::forLanguage(Language::English)[0].upperVerse));
  }
  std::vector<std::string> captions() const {
    std::vector<std::string> all;
    for (const auto& message : view.messages) all.push_back(message.caption);
    return all;
  }

  TempFolder voices;
  TempFolder temp;
  TempFolder program;
  CurrentVoice voice;
  PosixShell shell;
  SystemClock realClock;  // the decoder waits for real programs
  VirtualClock clock;
  RecordingSound sound{clock};
  RecordingReaderView view{clock};
  VoiceClipSource clips;
  InlineThreads threads;
  FakeMemoTimer memoTimer;
  ReadingState state;
  CardSelection selection;
  ReadingOrder order;
  GameEngine engine;
};

TEST_F(WorldFaultsTest, AClipThatVanishesMidGameIsReportedAndTheGameGoesOn) {
  makeVoice(ClipFormat::Wav);
  // Removed while the preface poem sounds (the opening loaded its clips
  // after a second of silence), before the first step loads it.
  clock.at(1200, [&] { fs::remove(voiceDir() / "I-001B.WAV"); });
  playGame();
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].caption, (voiceDir() / "I-001B.WAV").string());
  EXPECT_EQ(view.messages[0].text, "File not Found!");
  // The missing verse is silence for the previous clip's time; every other
  // verse is heard in order.
  EXPECT_EQ(sound.played(), (std::vector<std::string>{"I-000A", "I-000B", "I-001A", "I-002A",
                                                      "I-002B", "I-003A", "I-003B"}));
  expectCleanEnd();
}

TEST_F(WorldFaultsTest, ATruncatedClipIsReportedOrPlayedForWhatItHolds) {
  makeVoice(ClipFormat::Wav);
  clock.at(1200, [&] {
    // Cut inside its header: no clip at all.
    fs::resize_file(voiceDir() / "I-002A.WAV", 30);
    // Cut inside its samples: the header still claims them all.
    fs::resize_file(voiceDir() / "I-002B.WAV", fs::file_size(voiceDir() / "I-002B.WAV") / 2);
  });
  playGame();
  EXPECT_EQ(captions(), (std::vector<std::string>{(voiceDir() / "I-002A.WAV").string()}));
  const auto& events = sound.events();
  const auto half = std::find_if(events.begin(), events.end(),
                                 [](const auto& event) { return event.clip == "I-002B"; });
  ASSERT_NE(half, events.end());
  EXPECT_NEAR(half->heardUntilMs - half->heardFromMs, kClipSeconds * 1000.0 / 2.0, 5.0);
  expectCleanEnd();
}

TEST_F(WorldFaultsTest, AVoiceFolderRemovedWhileReadingGivesMessagesAndTheGameEnds) {
  makeVoice(ClipFormat::Wav);
  clock.at(1200, [&] { fs::remove_all(voiceDir()); });
  playGame();
  // Every clip after the removal: the first card's upper verse was already
  // loaded with the preface.
  EXPECT_EQ(captions(), (std::vector<std::string>{
                            (voiceDir() / "I-001B.WAV").string(),
                            (voiceDir() / "I-002A.WAV").string(),
                            (voiceDir() / "I-002B.WAV").string(),
                            (voiceDir() / "I-003A.WAV").string(),
                            (voiceDir() / "I-003B.WAV").string()}));
  EXPECT_EQ(sound.played(), (std::vector<std::string>{"I-000A", "I-000B", "I-001A"}));
  expectCleanEnd();
}

TEST_F(WorldFaultsTest, ADecoderThatCrashesOrWritesGarbageIsReportedAndTheGameGoesOn) {
  makeVoice(ClipFormat::Mp3);
  const fs::path decoder = program / "lame";
  fs::create_symlink("/usr/bin/lame", decoder);
  clock.at(1200, [&] {
    // Mid-game the decoder starts crashing...
    fs::remove(decoder);
    program.write("lame", "#!/bin/sh\nkill -SEGV $$\n");
    fs::permissions(decoder, fs::perms::owner_all);
  });
  engine.startReading(Memorisation::Without);
  engine.readNext();  // card 1's lower verse: crashed
  // ...then writes noise where the WAV should be.
  program.write("lame", "#!/bin/sh\nhead -c 5000 /dev/urandom > \"$3\"\n");
  while (state.running.load() == 1) engine.readNext();

  const std::string decoded = (temp / "I-").string();
  ASSERT_EQ(view.messages.size(), 5u);
  for (const auto& message : view.messages) {
    EXPECT_EQ(message.caption.rfind(decoded, 0), 0u) << message.caption;
    EXPECT_EQ(message.text, "File not Found!");
  }
  EXPECT_EQ(sound.played(), (std::vector<std::string>{"I-000A", "I-000B", "I-001A"}));
  expectCleanEnd();
}

// ---- The list file

class ListFileFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    order.poem.fill(kNoCard);
    for (std::int16_t position = 1; position <= 12; ++position) order.poem[position] = position;
    computeDecisiveLengths(order);
    state.running = 1;  // a game is on: the export acts
  }
  void exportTo(const fs::path& programDir) {
    readingOrderExport(order, state, programDir, Language::English,
                       PoemTable::forLanguage(Language::English), messages);
  }

  TempFolder folder;
  ReadingOrder order;
  ReadingState state;
  RecordingMessages messages;
};

TEST_F(ListFileFaultsTest, AFullDiskIsReportedAndTheOldListKept) {
  folder.write("readlist.txt", "7\r\n");
  // A file size limit makes every write past it fail with EFBIG, as a full
  // disk fails with ENOSPC; the signal that comes with it is ignored.
  struct rlimit old {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  exportTo(folder.path());
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previous);

  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, "List");
  EXPECT_EQ(messages.messages[0].text.rfind("Writing of the List failed!", 0), 0u);
  EXPECT_NE(messages.messages[0].text.find("File too large"), std::string::npos);
  EXPECT_EQ(readBytes(folder / "readlist.txt"), (std::vector<std::uint8_t>{'7', '\r', '\n'}));
  // No half-written temporary is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST_F(ListFileFaultsTest, AProgramFolderThatCannotBeWrittenIsReported) {
  // Running as root, permissions stop no write; a regular file where the
  // folder should be, and a read-only file system, do.
  folder.write("program", "not a folder");
  for (const fs::path& programDir : {folder / "program", fs::path("/proc/self")}) {
    messages.messages.clear();
    exportTo(programDir);
    ASSERT_EQ(messages.messages.size(), 1u) << programDir;
    EXPECT_EQ(messages.messages[0].text.rfind("Writing of the List failed!", 0), 0u);
    EXPECT_NE(messages.messages[0].text.find((programDir / "readlist.txt").string()),
              std::string::npos);
  }
  const auto kept = readBytes(folder / "program");
  EXPECT_EQ(std::string(kept.begin(), kept.end()), "not a folder");
}

TEST_F(ListFileFaultsTest, AListThatCannotBeReadChangesNothing) {
  state.running = 0;
  fs::create_directory(folder / "readlist.txt");
  CardSelection selection;
  const ReadingOrder before = order;
  readingOrderImport(order, selection, state, folder.path(), Language::English, messages);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_NE(messages.messages[0].text.find("Could not read readlist.txt."), std::string::npos);
  EXPECT_EQ(order.poem, before.poem);
  EXPECT_EQ(state.orderPrepared.load(), OrderPrepared::ShuffleAtStart);
  EXPECT_EQ(selection.selectedCount.load(), 100);
  EXPECT_EQ(selection.selectionActive.load(), 0);
}

}  // namespace
}  // namespace fuda::testing
