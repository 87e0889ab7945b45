// Command storms: thousands of random commands fired at the dispatch and the
// engine at random virtual moments (inside verses, pauses, interval waits and
// openings), across many seeds. After every command, and at every sound call,
// the game must be in a state the reading allows: one reading thread, a
// position inside the game, flags in a known combination, no clip held while
// idle, and every verse heard the one the game's order calls for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/game/game_engine.h"
#include "core/game/reader_commands.h"
#include "core/order/reading_order_list.h"
#include "core/game/timing_adjustment.h"
#include "core/screen/reader_command_ids.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/temp_folder.h"

namespace fuda::testing {
namespace {

constexpr int kSeeds = 400;
constexpr int kCommandsPerSeed = 300;

// What the storm found wrong; the first few are kept with their seed.
struct Findings {
  void add(const std::string& what) {
    ++count;
    if (kept.size() < 12) kept.push_back(what);
  }
  int count = 0;
  std::vector<std::string> kept;
};

// Thread bodies run inline, as InlineThreads does, but the storm knows which
// are live: a body that a newer one overtook (it started inside the older
// one's sleep) may wait out its sleep but must never read again.
class TrackedThreads : public WorkerThreads {
 public:
  struct Body {
    int id = 0;
    bool test = false;
    bool overtaken = false;
  };
  void start(std::function<void()> body) override {
    for (Body& older : stack) older.overtaken = true;
    stack.push_back({++started, nextIsTest, false});
    nextIsTest = false;
    maxDepth = std::max(maxDepth, static_cast<int>(stack.size()));
    body();
    stack.pop_back();
  }
  void joinAll() override {}

  const Body* current() const { return stack.empty() ? nullptr : &stack.back(); }

  std::vector<Body> stack;
  bool nextIsTest = false;
  int started = 0;
  int maxDepth = 0;
};

// Four voices: whole, with gaps, short clips, and none at all. Every clip
// handed out is watched, so the storm sees whether any is still held.
class StormClips : public ClipSource {
 public:
  explicit StormClips(MessageSink& messages) : messages_(messages) {}
  ClipRef load(ClipFolder, std::string_view name) override {
    ++loads;
    const std::string key(name);
    const bool missing = voice_ == 4 || (voice_ == 2 && gaps_.count(key) != 0);
    if (missing) {
      int poem = 0;
      char verse = 0;
      if (std::sscanf(key.c_str(), "I-%3d%c", &poem, &verse) == 2 && verse == 'A')
        missedUppers.insert(poem);
      messages_.showMessage("./voice" + std::to_string(voice_) + "/" + key + ".WAV",
                            "File not Found!");
      return nullptr;
    }
    auto clip = std::make_shared<SoundClip>();
    clip->name = key;
    const bool upper = !key.empty() && key.back() == 'A';
    clip->playingMs = voice_ == 3 ? (upper ? 900.0 : 700.0) : (upper ? 4000.0 : 3000.0);
    handedOut_.push_back(clip);
    return clip;
  }
  // Poems whose upper verse could not be loaded: it sounded as silence, so
  // its card counts as read without a verse to show for it.
  std::set<int> missedUppers;

  void selectVoice(int voice, std::mt19937& random) {
    voice_ = voice;
    gaps_.clear();
    if (voice == 2) {
      gaps_.insert("I-000A");
      for (int i = 0; i < 6; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "I-%03d%c", static_cast<int>(random() % 100 + 1),
                      random() % 2 ? 'A' : 'B');
        gaps_.insert(name);
      }
    }
  }
  int liveClips() {
    handedOut_.erase(std::remove_if(handedOut_.begin(), handedOut_.end(),
                                    [](const std::weak_ptr<SoundClip>& clip) {
                                      return clip.expired();
                                    }),
                     handedOut_.end());
    return static_cast<int>(handedOut_.size());
  }
  int loads = 0;

 private:
  MessageSink& messages_;
  int voice_ = 1;
  std::set<std::string> gaps_;
  std::vector<std::weak_ptr<SoundClip>> handedOut_;
};

class StormMemoTimer : public MemoTimerHost {
 public:
  explicit StormMemoTimer(std::mt19937& random) : random_(random) {}
  MemoOutcome openMemoTimer() override {
    ++opened;
    // The countdown runs out, or the user closes the window early.
    return random_() % 2 ? MemoOutcome::RanOut : MemoOutcome::ClosedEarly;
  }
  int opened = 0;

 private:
  std::mt19937& random_;
};

// The dialogs, the voices and the list file as a user works them.
class StormHost : public ReaderHost {
 public:
  StormHost(CardSelection& selection, ReadingOrder& order, ReadingState& state,
            StormClips& clips, MessageSink& messages, std::mt19937& random)
      : selection_(selection),
        order_(order),
        state_(state),
        clips_(clips),
        messages_(messages),
        random_(random) {}

  void selectReaderVoice(std::string_view number) override {
    clips_.selectVoice(number[0] - '0', random_);
  }
  void openToolWindow(std::string_view name) override {
    ++dialogs;
    if (name == "CSelect") cardSelection();
    if (name == "HSelect") thirdGame();
  }
  void openHelp() override {}
  void exportList() override {
    readingOrderExport(order_, state_, folder_.path(), language(), PoemTable::forLanguage(language()),
                       messages_);
  }
  void importList() override {
    readingOrderImport(order_, selection_, state_, folder_.path(), language(), messages_);
  }
  Language language() const { return Language::Japanese; }
  int dialogs = 0;

 private:
  void cardSelection() {
    // Ticks and unticks a few boxes, then OK, CANCEL or the close box.
    const int edits = static_cast<int>(random_() % 12);
    for (int i = 0; i < edits; ++i) {
      const int poem = static_cast<int>(random_() % 101);
      selection_.selected[poem] = selection_.selected[poem] ? 0 : 1;
    }
    switch (random_() % 3) {
      case 0: {  // OK; with no card the error keeps the dialog open, then the box
        const int count = selection_.countSelected();
        selection_.selectedCount = static_cast<std::int16_t>(count);
        if (count > 0) selection_.selectionActive = 1;
        break;
      }
      case 1:  // CANCEL
        selection_.reset();
        break;
      default:  // the close box: the edits stay, nothing else changes
        break;
    }
  }
  void thirdGame() {
    if (random_() % 3 == 0) return;  // closed without a choice
    const int third = static_cast<int>(random_() % 3);
    selection_.selected.fill(0);
    selection_.selected[0] = 1;
    for (int poem = 1; poem <= kPoemCount; ++poem) {
      if (poem % 3 == third) selection_.selected[poem] = 1;
    }
    selection_.selectedCount = static_cast<std::int16_t>(selection_.countSelected());
    selection_.selectionActive = 1;
    selection_.thirdChoice = static_cast<std::int16_t>(third + 1);
  }

  CardSelection& selection_;
  ReadingOrder& order_;
  ReadingState& state_;
  StormClips& clips_;
  MessageSink& messages_;
  std::mt19937& random_;
  TempFolder folder_;
};

// The sound as the storm checks it: every call is held against the game.
class CheckedSound : public SoundOut {
 public:
  using Check = std::function<void(const char* kind, const ClipRef& clip)>;
  CheckedSound(RecordingSound& recorded, Check check) : recorded_(recorded), check_(std::move(check)) {}
  void playAsync(ClipRef clip, std::optional<double> gap) override {
    check_("async", clip);
    recorded_.playAsync(std::move(clip), gap);
  }
  void playSync(ClipRef clip, std::optional<double> gap) override {
    check_("sync", clip);
    recorded_.playSync(std::move(clip), gap);
  }
  void waitUntilHeard(ClipEdge edge) override { recorded_.waitUntilHeard(edge); }
  void stop() override {
    check_("stop", nullptr);
    recorded_.stop();
  }

 private:
  RecordingSound& recorded_;
  Check check_;
};

class CheckedView : public RecordingReaderView {
 public:
  CheckedView(VirtualClock& clock, std::function<void()> onCall, std::function<void()> onQuit)
      : RecordingReaderView(clock), onCall_(std::move(onCall)), onQuit_(std::move(onQuit)) {}
  void setText(ControlId id, std::string_view text) override {
    onCall_();
    RecordingReaderView::setText(id, text);
  }
  void setEnabled(ControlId id, Enablement state) override {
    onCall_();
    RecordingReaderView::setEnabled(id, state);
  }
  void quitProgram() override {
    RecordingReaderView::quitProgram();
    onQuit_();
  }

 private:
  std::function<void()> onCall_;
  std::function<void()> onQuit_;
};

const std::vector<int> kCommands = {
    kStartWithMemoButton, kQuickStartButton, kCmdStartWithMemo, kCmdQuickStart, kNextButton,
    kNextButton, kNextButton, kNextButton, kExitButton, kGestureRightButton, kGestureRightButton,
    kGestureRightButton, kGestureRightDoubleClick, kGestureMiddleDoubleClick, kTitlePicture,
    kManualRadio, kAutoRadio, kCmdManualMode, kCmdAutoMode, kCmdIntervalDefault, kCmdInterval3,
    kCmdInterval5, kCmdInterval7, kCmdInterval10, kCmdTestReading, kCmdCardSelection,
    kCmdThirdGame, kCmdReader1, kCmdReader2, kCmdReader3, kCmdReader4, kCmdExportList,
    kCmdImportList, kCmdWithdraw, kCmdWithdraw, kCmdAbout, kCmdExit,
    kTimingTrackBar,  // stands for a move of the track bar
};

// One storm: a fresh program, `kCommandsPerSeed` commands, then the end.
class Storm {
 public:
  Storm(unsigned seed, Findings& findings)
      : seed_(seed),
        findings_(findings),
        random_(seed),
        sound_(recorded_, [this](const char* kind, const ClipRef& clip) { checkSound(kind, clip); }),
        view_(clock_, [this] { checkCaller("view"); }, [this] { onQuit(); }),
        clips_(view_),
        memoTimer_(random_),
        host_(selection_, order_, state_, clips_, view_, random_),
        engine_(state_, selection_, order_, {clock_, sound_, clips_, view_, threads_, memoTimer_},
                Language::Japanese),
        settings_(settingsFolder_.write("fudayomi.ini", "[Auto]\nItvl=2.5\n")),
        commands_(engine_, state_, view_, host_, settings_, Language::Japanese) {
    engine_.resetGame();
    // Some storms take an "Exit" that quits as the program does, mid-game.
    honourQuit_ = random_() % 3 == 0;
  }

  void run() {
    double at = 0.0;
    std::exponential_distribution<double> gap(1.0 / 2500.0);
    for (int i = 0; i < kCommandsPerSeed; ++i) {
      at += gap(random_);
      const int id = kCommands[random_() % kCommands.size()];
      const int trackBar = static_cast<int>(random_() % 101);
      clock_.at(at, [this, id, trackBar] { issue(id, trackBar); });
    }
    clock_.advanceTo(at + 2'000'000.0);
    // A quit taken mid-game has already ended the program.
    if (!shutDown_) checkState("after the storm");
    engine_.shutdown();
    shutDown_ = true;
    const std::size_t soundCalls = recorded_.events().size();
    clock_.advanceTo(clock_.nowMs() + 100'000.0);
    if (recorded_.events().size() != soundCalls) fail("sound after shutdown");
    if (clips_.liveClips() != 0) fail("clips held after shutdown");
  }

  int issued = 0;
  int threadsStarted() const { return threads_.started; }
  int maxDepth() const { return threads_.maxDepth; }
  double virtualMs() { return clock_.nowMs(); }
  int versesHeard() const { return static_cast<int>(recorded_.played().size()); }

 private:
  void issue(int id, int trackBar) {
    if (shutDown_) return;
    ++issued;
    checkState("before a command");
    if (id == kTimingTrackBar) {
      // As the window does: the pause does not change while a step plays.
      if (state_.busy.load() == Busy::Idle) state_.settings.timingPause = timingPauseFor(trackBar);
    } else {
      if (id == kCmdTestReading && state_.idle()) threads_.nextIsTest = true;
      std::optional<std::int16_t> voided;
      const int position = state_.position.load();
      if (id == kCmdWithdraw && state_.running.load() == 1 && position >= 1)
        voided = order_.poem[position];
      lastCommand_ = id;
      if (auto command = readerCommandFor(id)) commands_.dispatchCommand(*command);
      threads_.nextIsTest = false;
      if (voided && state_.position.load() == position - 1) readThisGame_.erase(*voided);
    }
    if (!shutDown_) checkState("after command " + std::to_string(id));
  }

  void onQuit() {
    if (!honourQuit_ || shutDown_) return;
    shutDown_ = true;
    engine_.shutdown();
  }

  void fail(const std::string& what) {
    std::ostringstream out;
    out << "seed " << seed_ << " at " << clock_.nowMs() << " ms, last command " << lastCommand_
        << ": " << what << " [running " << state_.running.load() << " busy "
        << static_cast<int>(state_.busy.load()) << " mode " << static_cast<int>(state_.mode.load())
        << " position " << state_.position.load() << " last " << state_.lastPosition.load() << "]";
    findings_.add(out.str());
  }

  // The states of the reading, as its state table lists them.
  void checkState(const std::string& when) {
    const int running = state_.running.load();
    const Busy busy = state_.busy.load();
    const int mode = static_cast<int>(state_.mode.load());
    const int position = state_.position.load();
    const int count = state_.lastPosition.load();
    const TrackedThreads::Body* body = threads_.current();
    const bool reading = body != nullptr && !body->overtaken;
    if (running < 0 || running > 1 || static_cast<int>(busy) < 0 || static_cast<int>(busy) > 2 ||
        mode < 0 || mode > 2)
      fail(when + ": flag out of range");
    const int memoState = static_cast<int>(state_.memoState.load());
    if (memoState < 0 || memoState > 2) fail(when + ": memoState");
    if (running == 0 && busy != Busy::Idle) fail(when + ": busy without a game");
    if (busy != Busy::Idle && !reading) fail(when + ": busy with no reading thread");
    if (running == 1 && busy == Busy::Idle && mode == static_cast<int>(ReadMode::AutoLoopRunning) &&
        !reading)
      fail(when + ": automatic loop flagged but no thread waits: the game is stuck");
    // A test reading reads a fixed sample and leaves the position alone.
    const bool testReading = body != nullptr && body->test;
    if (running == 1 && !testReading && (position < 0 || position > count + 1))
      fail(when + ": position outside the game");
    if (running == 0 && (position < 0 || position > kPoemCount + 1))
      fail(when + ": position outside the order");
    if (busy == Busy::Idle && clips_.liveClips() != 0) fail(when + ": clip held while idle");
    if (running == 0) readThisGame_.clear();
  }

  void checkCaller(const char* what) {
    const TrackedThreads::Body* body = threads_.current();
    if (body != nullptr && body->overtaken)
      fail(std::string(what) + " call from an overtaken reading thread");
  }

  // An upper verse placed behind a lower verse that is then stopped is never
  // heard: its card is still to be read.
  void forgetUnheardUpperVerse() {
    const auto& events = recorded_.events();
    for (auto it = events.rbegin(); it != events.rend(); ++it) {
      if (it->kind == RecordingSound::Kind::Stop) return;
      int poem = 0;
      char verse = 0;
      if (std::sscanf(it->clip.c_str(), "I-%3d%c", &poem, &verse) != 2 || verse != 'A') continue;
      if (poem != 0 && it->heardFromMs > clock_.nowMs()) readThisGame_.erase(poem);
      return;
    }
  }

  // Each verse heard is the one the order calls for at this position.
  void checkSound(const char* kind, const ClipRef& clip) {
    if (std::string(kind) == "stop") {
      forgetUnheardUpperVerse();
      return;
    }
    checkCaller("sound");
    const TrackedThreads::Body* body = threads_.current();
    if (body == nullptr) fail("sound played outside a reading thread");
    if (state_.running.load() != 1 || state_.busy.load() == Busy::Idle)
      fail("sound played while no game or test reading runs");
    const bool async = std::string(kind) == "async";
    const int position = state_.position.load();
    if (!clip) {
      // A missing clip is silence for its time; the card still counts as read.
      return;
    }
    const std::string& name = clip->name;
    int poem = -1;
    char verse = 0;
    if (std::sscanf(name.c_str(), "I-%3d%c", &poem, &verse) != 2) {
      fail("not a verse: " + name);
      return;
    }
    if (body != nullptr && body->test) {
      if (name != "I-000B" && name != "I-001A")
        fail("test reading played " + name);
      return;
    }
    if (verse == 'B') {
      if (!async) fail("lower verse played to its end: " + name);
      if (position < 1 || position > kPoemCount + 1 || order_.poem[position - 1] != poem)
        fail("lower verse " + name + " is not the card before position " +
             std::to_string(position));
      if (poem != 0 && readThisGame_.count(poem) == 0 && clips_.missedUppers.count(poem) == 0)
        fail("lower verse " + name + " of a card whose upper verse was not read");
    } else if (poem == 0) {
      if (!async || position != 1) fail("preface upper verse out of place");
    } else {
      if (poem > kPoemCount) fail("a position without a card was read: " + name);
      if (position < 1 || position > kPoemCount || order_.poem[position] != poem)
        fail("upper verse " + name + " is not the card at position " + std::to_string(position));
      if (readThisGame_.count(poem) != 0) fail("upper verse read twice in a game: " + name);
      readThisGame_.insert(poem);
    }
  }

  unsigned seed_;
  Findings& findings_;
  std::mt19937 random_;
  VirtualClock clock_;
  RecordingSound recorded_{clock_};
  CheckedSound sound_;
  CheckedView view_;
  StormClips clips_;
  TrackedThreads threads_;
  ReadingState state_;
  CardSelection selection_;
  ReadingOrder order_;
  StormMemoTimer memoTimer_;
  StormHost host_;
  GameEngine engine_;
  TempFolder settingsFolder_;
  SettingsFile settings_;
  ReaderCommands commands_;
  bool honourQuit_ = false;
  bool shutDown_ = false;
  int lastCommand_ = 0;
  std::set<int> readThisGame_;
};

TEST(CommandStorm, EveryCommandAtAnyMomentLeavesTheGameInAnAllowedState) {
  Findings findings;
  long commands = 0;
  long threads = 0;
  long verses = 0;
  double virtualHours = 0.0;
  int deepest = 0;
  for (int seed = 1; seed <= kSeeds; ++seed) {
    Storm storm(static_cast<unsigned>(seed), findings);
    storm.run();
    commands += storm.issued;
    threads += storm.threadsStarted();
    verses += storm.versesHeard();
    virtualHours += storm.virtualMs() / 3'600'000.0;
    deepest = std::max(deepest, storm.maxDepth());
  }
  std::printf("storm: %d seeds, %ld commands, %ld reading threads, %ld verses, %.0f virtual hours\n",
              kSeeds, commands, threads, verses, virtualHours);
  EXPECT_GT(commands, kSeeds * kCommandsPerSeed / 2);
  EXPECT_GT(verses, commands / 5);
  for (const auto& finding : findings.kept) ADD_FAILURE() << finding;
  EXPECT_EQ(findings.count, 0);
}

// Found while writing the storm's rules: a loaded list of fewer than 100
// cards puts a selection in force without ticking its cards, and a start then
// refused it as an empty selection; and a selection dialog's OK after the load
// can count more cards than the list holds (or the close box none). The game
// reads the list's cards and ends after its last one, never reading a
// position without a card.
class LoadedListThenSelection : public ::testing::Test {
 protected:
  LoadedListThenSelection()
      : engine(state, selection, order, {clock, sound, clips, view, threads, memoTimer},
               Language::English) {}

  void loadList(const std::vector<std::int16_t>& poems) {
    std::string text;
    for (std::int16_t poem : poems) text += std::to_string(poem) + "\r\n";
    folder.write("readlist.txt", text);
    readingOrderImport(order, selection, state, folder.path(), Language::English, view);
    ASSERT_EQ(state.orderPrepared.load(), OrderPrepared::OrderLoaded);
  }
  // Next until the game is over; the upper verses heard, in order.
  std::vector<std::string> playToTheEnd() {
    engine.startReading(Memorisation::Without);
    for (int i = 0; i < 120 && state.running.load() == 1; ++i) engine.readNext();
    EXPECT_EQ(state.running.load(), 0);
    std::vector<std::string> uppers;
    for (const auto& name : sound.played()) {
      if (name.back() == 'A' && name != "I-000A") uppers.push_back(name);
    }
    return uppers;
  }

  TempFolder folder;
  VirtualClock clock;
  RecordingSound sound{clock};
  RecordingReaderView view{clock};
  FakeClipSource clips{view};
  InlineThreads threads;
  StormMemoTimer memoTimer{random};
  std::mt19937 random{1};
  ReadingState state;
  CardSelection selection;
  ReadingOrder order;
  GameEngine engine;
};

TEST_F(LoadedListThenSelection, ALargerSelectionCountStopsAtTheListsLastCard) {
  loadList({5, 6, 7});
  for (int poem = 1; poem <= 20; ++poem) selection.selected[poem] = 1;
  selection.selectedCount = 20;  // the dialog's OK
  selection.selectionActive = 1;
  EXPECT_EQ(playToTheEnd(), (std::vector<std::string>{"I-005A", "I-006A", "I-007A"}));
  for (const auto& message : view.messages) EXPECT_EQ(message.caption, "List");
}

TEST_F(LoadedListThenSelection, APartialListIsPlayedAsLoaded) {
  loadList({42, 17, 3});
  EXPECT_EQ(playToTheEnd(), (std::vector<std::string>{"I-042A", "I-017A", "I-003A"}));
  for (const auto& message : view.messages) EXPECT_EQ(message.caption, "List");
}

TEST_F(LoadedListThenSelection, NoCountAtAllReadsTheWholeList) {
  loadList({9, 8});
  selection.selectedCount = 0;  // OK with no card, then the close box
  EXPECT_EQ(playToTheEnd(), (std::vector<std::string>{"I-009A", "I-008A"}));
}

}  // namespace
}  // namespace fuda::testing
