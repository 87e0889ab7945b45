#include "core/game/game_engine.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "core/encoding/text_encoding.h"
#include "core/cards/poem_table.h"
#include "core/order/withdraw.h"
#include "core/texts/reading_texts.h"

namespace fuda {
namespace {

// Thrown from the reading thread's sleeps once shutdown() has begun, so the
// thread unwinds at once from any depth without touching the view again.
struct ShutdownUnwind {};

constexpr double kTickMs = 500.0;
constexpr double kLeadInMs = 1000.0;          // before the preface and each lower verse
constexpr double kMatchAnnouncementMs = 7000.0;  // after a countdown that ran out
constexpr double kPrefacePauseMs = 2000.0;    // between the preface's two verses

enum class Verse : char { Upper = 'A', Lower = 'B' };

// "I-001A": the poem number as three digits, then the verse.
std::string clipName(int poem, Verse verse) {
  char name[16];
  std::snprintf(name, sizeof name, "I-%03d%c", poem % 1000, static_cast<char>(verse));
  return name;
}

bool isCard(std::int16_t poem) { return poem >= 1 && poem <= kPoemCount; }

}  // namespace

GameEngine::GameEngine(ReadingState& state, CardSelection& selection, ReadingOrder& order,
                       GameEnginePorts ports, Language language)
    : state_(state),
      selection_(selection),
      order_(order),
      ports_(ports),
      language_(language),
      pauseSlider_(state, ports.view, language) {}

GameEngine::~GameEngine() { shutdown(); }

// ---- Commands (GUI thread)

void GameEngine::startReading(Memorisation memorisation) {
  if (state_.running.load() || state_.busy.load() != Busy::Idle) return;
  // A loaded list plays its own cards; the flags of the selection matter only
  // to a new shuffle.
  if (state_.orderPrepared.load() == OrderPrepared::ShuffleAtStart &&
      selection_.selectionActive.load() && selection_.countSelected() == 0) {
    // Only the selection dialog's close box leaves an empty selection in force.
    ports_.view.showMessage(pick(language_, texts::kNoCardsCaption),
                            pick(language_, texts::kNoCardsText),
                            MessageOwner::None);
    return;
  }
  state_.memoState =
      memorisation == Memorisation::With ? MemoState::StartWithMemo : MemoState::StartWithoutMemo;
  if (state_.orderPrepared.load() == OrderPrepared::ShuffleAtStart) {
    // The game ends after the last card the new order holds, whatever count
    // a closed-by-the-box selection dialog left behind.
    state_.lastPosition = static_cast<std::int16_t>(
        selection_.selectionActive.load() ? selection_.countSelected()
                                                               : kPoemCount);
    std::lock_guard lock(orderMutex_);
    buildReadingOrder(order_, selection_, state_.orderVariant.load(), tickCount());
  } else {
    // A selection made after the list was loaded may count more cards than
    // the list holds, or none; the game reads the list's cards and no
    // position without one.
    int listed = 0;
    while (listed < kPoemCount && isCard(order_.poem[listed + 1])) ++listed;
    const int count = selection_.selectedCount.load();
    state_.lastPosition = static_cast<std::int16_t>(count < 1 || count > listed ? listed : count);
  }
  if (state_.memoState.load() == MemoState::StartWithMemo &&
      ports_.memoTimer.openMemoTimer() == MemoOutcome::RanOut) {
    state_.memoState = MemoState::MemoRanOut;
  }
  if (shuttingDown_.load()) return;
  state_.busy = Busy::Playing;
  startThread(&GameEngine::openingThread);
}

void GameEngine::readNext() {
  if (!state_.running.load()) return;
  const ReadMode mode = state_.mode.load();
  if (mode == ReadMode::AutoLoopRunning) {
    if (state_.busy.load() == Busy::Idle) skipInterval();
    return;
  }
  if (!claimBusy()) return;
  startThread(mode == ReadMode::Automatic ? &GameEngine::autoLoopThread : &GameEngine::stepThread);
}

void GameEngine::finishReading() {
  if (state_.busy.load() != Busy::Idle || !state_.running.load()) {
    ports_.view.quitProgram();
    return;
  }
  state_.lastPosition = state_.position.load();
  readNext();
}

void GameEngine::rightButtonCommand() {
  if (!state_.running.load()) return;
  if (state_.mode.load() != ReadMode::Manual && state_.busy.load() == Busy::Idle) {
    skipInterval();
    return;
  }
  // Exchanges, not stores: the step may clear `busy` between our look and
  // our write, and a stale stop request would then block the game.
  Busy expected = Busy::Playing;
  if (state_.busy.compare_exchange_strong(expected, Busy::StopRequested)) return;
  expected = Busy::StopRequested;
  if (state_.busy.compare_exchange_strong(expected, Busy::Playing)) return;
  readNext();
}

void GameEngine::testReading() {
  if (state_.running.load() || state_.busy.load() != Busy::Idle) return;
  state_.running = true;
  state_.busy = Busy::Playing;
  startThread(&GameEngine::testThread);
}

void GameEngine::withdrawLastReading() {
  if (state_.busy.load() != Busy::Idle) return;
  std::optional<std::int16_t> voided;
  {
    std::lock_guard lock(orderMutex_);
    // A loop step claims `busy` before it takes the lock, so once we hold the
    // lock with `busy` clear, no step reads the order until we are done.
    if (state_.busy.load() != Busy::Idle) return;
    voided = withdrawFromOrder(state_, order_, tickCount());
  }
  if (!voided) return;
  const WithdrawMessage message = withdrawMessage(language_, *voided);
  ports_.view.showMessage(message.caption, message.text, MessageOwner::MainWindow);
}

void GameEngine::resetGame() {
  state_.memoState = MemoState::StartWithoutMemo;
  state_.orderVariant = OrderVariant::PlainShuffle;
  state_.orderPrepared = OrderPrepared::ShuffleAtStart;
  selection_.reset();
  ports_.view.releasePointer();
  // The flags last: until they clear, the GUI thread treats the game as on
  // and leaves the selection alone.
  state_.running = false;
  state_.busy = Busy::Idle;
}

void GameEngine::showPrefacePoem() {
  const Poem& preface = PoemTable::forLanguage(language_)[0];
  ports_.view.setText(kKimarijiLabel, preface.kimariji);
  ports_.view.setText(kUpperVerseLabel, preface.upperVerse);
  ports_.view.setText(kLowerVerseLabel, preface.lowerVerse);
  ports_.view.setText(kPoetLabel, preface.poet);
}

void GameEngine::shutdown() {
  if (shuttingDown_.exchange(true)) return;
  ports_.sound.stop();
}

// ---- Reading threads

void GameEngine::startThread(void (GameEngine::*body)(int generation)) {
  const int generation = ++generation_;
  ports_.threads.start([this, body, generation] {
    try {
      (this->*body)(generation);
    } catch (const ShutdownUnwind&) {
      // The program is ending; nothing of the game is worth finishing.
    }
  });
}

void GameEngine::openingThread(int generation) {
  state_.position = 0;
  state_.running = true;
  enterPhase(GamePhase::Opening);
  if (state_.memoState.load() == MemoState::MemoRanOut) pause(kMatchAnnouncementMs);
  pause(kLeadInMs);
  enterPhase(GamePhase::Reading);

  Prepared prefaceUpper = prepare(clipName(0, Verse::Upper));
  Prepared prefaceLower = prepare(clipName(0, Verse::Lower));
  std::int16_t firstPoem = 0;
  std::int16_t firstLength = 0;
  {
    std::lock_guard lock(orderMutex_);
    const std::int16_t first = state_.openingPosition.exchange(1);
    state_.position = first;
    firstPoem = order_.poem[first];
    firstLength = order_.decisiveLength[first];
  }
  Prepared firstUpper = prepare(clipName(firstPoem, Verse::Upper));

  // The track bar is off while the opening plays, so the pause read now is
  // the one in force when the first upper verse comes.
  const double pauseMs = state_.settings.timingPause.load();
  const bool withPrefaceUpper =
      !selection_.selectionActive.load() || selection_.selected[0];
  if (withPrefaceUpper) {
    play(prefaceUpper.clip);
    const bool lowerFollows = prefaceUpper.clip && prefaceLower.clip;
    if (lowerFollows) follow(prefaceLower.clip, kPrefacePauseMs);
    if (waitClip(prefaceUpper.playingMs) == WaitResult::Stopped) return abortOpening(generation);
    if (lowerFollows) {
      waitHeard(ClipEdge::FirstSample);
    } else {
      pause(kPrefacePauseMs);
      play(prefaceLower.clip);
    }
  } else {
    play(prefaceLower.clip);
  }
  if (lowerPauseUpper(prefaceLower, &firstUpper.clip, pauseMs,
                      [&] { showCard(firstPoem, firstLength); }) == WaitResult::Stopped) {
    return abortOpening(generation);
  }
  prefaceUpper = prefaceLower = firstUpper = {};

  // Automatic mode takes the loop over before `busy` clears, so a "Next"
  // during the first wait skips it rather than starting a second loop.
  ReadMode mode = state_.mode.load();
  while (mode != ReadMode::Manual &&
         !state_.mode.compare_exchange_weak(mode, ReadMode::AutoLoopRunning)) {
  }
  enterPhase(GamePhase::BetweenCards);
  becomeIdle(generation);
  if (mode == ReadMode::Manual) return;
  waitInterval();
  if (!loopGoesOn(generation) || !claimBusy()) return;
  autoLoop(generation);
}

void GameEngine::stepThread(int generation) { readingStep(generation); }

void GameEngine::autoLoopThread(int generation) {
  ReadMode mode = ReadMode::Automatic;
  if (!state_.mode.compare_exchange_strong(mode, ReadMode::AutoLoopRunning)) {
    // Manual was chosen between the command and this thread.
    if (mode == ReadMode::Manual) {
      becomeIdle(generation);
      return;
    }
  }
  autoLoop(generation);
}

// Entered with `busy` held; reads a step, waits the interval, and goes on
// while the game runs in automatic mode and no newer thread took over.
void GameEngine::autoLoop(int generation) {
  for (;;) {
    if (!loopGoesOn(generation)) {
      becomeIdle(generation);
      return;
    }
    if (readingStep(generation) == StepResult::GameEnded) return;
    if (!loopGoesOn(generation)) return;
    waitInterval();
    if (!loopGoesOn(generation) || !claimBusy()) return;
  }
}

GameEngine::StepResult GameEngine::readingStep(int generation) {
  enterPhase(GamePhase::Reading);
  std::int16_t lowerPoem = 0;
  std::int16_t nextPoem = kNoCard;
  std::int16_t nextLength = 0;
  bool lastCardRead = false;
  {
    std::lock_guard lock(orderMutex_);
    const int position = state_.position.load();
    lowerPoem = order_.poem[position];
    state_.position = static_cast<std::int16_t>(position + 1);
    lastCardRead = position + 1 > state_.lastPosition.load() || position + 1 > kPoemCount;
    if (!lastCardRead) {
      nextPoem = order_.poem[position + 1];
      nextLength = order_.decisiveLength[position + 1];
    }
  }
  Prepared lower = prepare(clipName(lowerPoem, Verse::Lower));
  Prepared upper;
  if (!lastCardRead) upper = prepare(clipName(nextPoem, Verse::Upper));

  // The track bar is off while a step plays: this is the pause in force
  // after the lower verse.
  const double pauseMs = state_.settings.timingPause.load();
  pause(kLeadInMs);
  play(lower.clip);
  // After the last card the pause ends with the preface poem's texts.
  const WaitResult read =
      lastCardRead ? lowerPauseUpper(lower, nullptr, pauseMs, [this] { showPrefacePoem(); })
                   : lowerPauseUpper(lower, &upper.clip, pauseMs,
                                     [&] { showCard(nextPoem, nextLength); });
  if (read == WaitResult::Stopped) {
    // The step is undone: the same lower verse can be read again. The stop
    // also drops the upper verse waiting behind it.
    ports_.sound.stop();
    {
      std::lock_guard lock(orderMutex_);
      state_.position = static_cast<std::int16_t>(state_.position.load() - 1);
    }
    enterPhase(GamePhase::BetweenCards);
    becomeIdle(generation);
    return StepResult::Stopped;
  }
  lower = upper = {};

  if (lastCardRead) {
    endOfGame();
    return StepResult::GameEnded;
  }
  enterPhase(GamePhase::BetweenCards);
  becomeIdle(generation);
  return StepResult::Read;
}

void GameEngine::testThread(int generation) {
  enterPhase(GamePhase::TestReading);
  Prepared lower = prepare(clipName(0, Verse::Lower));
  Prepared upper = prepare(clipName(1, Verse::Upper));
  const double pauseMs = state_.settings.timingPause.load();
  pause(kLeadInMs);
  play(lower.clip);
  // The texts are those of the position the game stands at.
  const auto showCurrentCard = [this] {
    std::int16_t poem = 0;
    std::int16_t length = 0;
    {
      std::lock_guard lock(orderMutex_);
      const int position = state_.position.load();
      if (position >= 0 && position <= kPoemCount + 1) {
        poem = order_.poem[position];
        length = order_.decisiveLength[position];
      }
    }
    showCard(poem, length);
  };
  if (lowerPauseUpper(lower, &upper.clip, pauseMs, showCurrentCard) == WaitResult::Stopped) {
    ports_.sound.stop();
  }
  lower = upper = {};
  enterPhase(GamePhase::NoGame);
  // `running` first: running with `busy` clear would look like a game
  // waiting for "Next".
  state_.running = false;
  becomeIdle(generation);
}

void GameEngine::abortOpening(int generation) {
  ports_.sound.stop();
  {
    std::lock_guard lock(orderMutex_);
    state_.position = static_cast<std::int16_t>(state_.position.load() - 1);
  }
  enterPhase(GamePhase::BetweenCards);
  enterPhase(GamePhase::OpeningStopped);
  state_.memoState = MemoState::StartWithoutMemo;
  state_.running = false;
  becomeIdle(generation);
}

void GameEngine::endOfGame() {
  enterPhase(GamePhase::NoGame);
  resetGame();
  pauseSlider_.readingDone();
}

// ---- Helpers

bool GameEngine::loopGoesOn(int generation) const {
  return state_.running.load() && state_.mode.load() == ReadMode::AutoLoopRunning &&
         generation_.load() == generation && !shuttingDown_.load();
}

bool GameEngine::claimBusy() {
  Busy idle = Busy::Idle;
  return state_.busy.compare_exchange_strong(idle, Busy::Playing);
}

GameEngine::Prepared GameEngine::prepare(std::string_view name) {
  // Once the program ends, no further clip is loaded, decoded or reported
  // missing: a load the shutdown cut short ends the thread here.
  if (shuttingDown_.load()) throw ShutdownUnwind{};
  ClipRef clip = ports_.clips.load(ClipFolder::Verses, name);
  if (shuttingDown_.load()) throw ShutdownUnwind{};
  if (clip) lastPlayingMs_ = clip->playingMs;
  return {std::move(clip), lastPlayingMs_};
}

GameEngine::WaitResult GameEngine::waitClip(double ms) {
  const double ticks = std::floor(ms / kTickMs);
  for (double i = 0; i < ticks; ++i) {
    pause(kTickMs);
    if (state_.busy.load() == Busy::StopRequested) return WaitResult::Stopped;
  }
  pause(ms - kTickMs * ticks);
  return WaitResult::Played;
}

void GameEngine::waitInterval() {
  const double total = std::max(0.0, state_.settings.interval.load() * 1000.0);
  const double ticks = std::floor(total / kTickMs);
  state_.waitStep = kTickMs;
  state_.waitRest = total - kTickMs * ticks;
  // Both values are read anew before each sleep, so a skip ends the wait.
  for (double i = 0; i < ticks; ++i) {
    if (state_.waitStep.load() == 0.0 && state_.waitRest.load() == 0.0) return;
    pause(state_.waitStep.load());
  }
  pause(state_.waitRest.load());
}

void GameEngine::skipInterval() {
  state_.waitStep = 0.0;
  state_.waitRest = 0.0;
}

void GameEngine::pause(double ms) {
  const double whole = std::max(0.0, std::trunc(ms));
  if (ports_.clock.sleepMs(whole) == SleepResult::Interrupted || shuttingDown_.load()) {
    throw ShutdownUnwind{};
  }
}

void GameEngine::goOn() const {
  if (shuttingDown_.load()) throw ShutdownUnwind{};
}

// Each sound call is followed by a look at the shutdown flag: a shutdown that
// came before the call is seen here, one that came after has stopped the
// sound, which wakes every wait.
void GameEngine::play(const ClipRef& clip) {
  ports_.sound.playAsync(clip);
  goOn();
}

void GameEngine::follow(const ClipRef& clip, double gapMs) {
  ports_.sound.playAsync(clip, gapMs);
  goOn();
}

void GameEngine::waitHeard(ClipEdge edge) {
  ports_.sound.waitUntilHeard(edge);
  goOn();
}

GameEngine::WaitResult GameEngine::lowerPauseUpper(const Prepared& lower, const ClipRef* upper,
                                                   double pauseMs,
                                                   const std::function<void()>& showTexts) {
  // Placed while the lower verse plays, the upper verse begins exactly the
  // pause after its last sample.
  const UpperVerse placement =
      upper != nullptr && lower.clip && *upper ? UpperVerse::Placed : UpperVerse::NotPlaced;
  if (placement == UpperVerse::Placed) follow(*upper, pauseMs);
  if (waitClip(lower.playingMs) == WaitResult::Stopped) return WaitResult::Stopped;
  if (upper == nullptr) {
    pause(pauseMs);
    showTexts();
  } else {
    readUpperVerse(*upper, placement, pauseMs, showTexts);
  }
  return WaitResult::Played;
}

void GameEngine::readUpperVerse(const ClipRef& upper, UpperVerse placement, double pauseMs,
                                const std::function<void()>& showTexts) {
  if (placement == UpperVerse::Placed) {
    // Placed while the lower verse still played: the texts change as the
    // upper verse begins.
    waitHeard(ClipEdge::FirstSample);
    showTexts();
  } else {
    // A verse without its clip: the pause is timed here, from the playing
    // time the wait used.
    pause(pauseMs);
    showTexts();
    play(upper);
  }
  waitHeard(ClipEdge::LastSample);
}

void GameEngine::showCard(std::int16_t poem, std::int16_t decisiveLength) {
  if (!isCard(poem)) {
    // Before any game, or after one with fewer than 100 cards, the position
    // holds the preface poem or no card at all.
    showPrefacePoem();
    return;
  }
  const Poem& card = PoemTable::forLanguage(language_)[poem];
  ports_.view.setText(kKimarijiLabel, firstMorae(card.kimariji, decisiveLength));
  ports_.view.setText(kUpperVerseLabel, card.upperVerse);
  ports_.view.setText(kLowerVerseLabel, card.lowerVerse);
  ports_.view.setText(kPoetLabel, card.poet);
}

void GameEngine::enterPhase(GamePhase phase) {
  state_.phase = phase;
  ports_.view.showPhase(phase);
}

void GameEngine::becomeIdle(int generation) {
  state_.busy = Busy::Idle;
  // A thread that a newer one overtook leaves the window alone: the newer
  // one clears `busy` in its turn and brings the move in then.
  if (generation == generation_.load()) pauseSlider_.readingDone();
}

std::uint32_t GameEngine::tickCount() {
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ports_.clock.nowMs()));
}

}  // namespace fuda
