#include "core/game/game_engine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "core/encoding/text_encoding.h"
#include "core/cards/poem_table.h"
#include "core/game/timing_adjustment.h"
#include "tests/unit/game_fixture.h"

namespace fuda::testing {
namespace {

using ::testing::ElementsAre;

std::string clipOf(int poem, char verse) {
  char name[16];
  std::snprintf(name, sizeof name, "I-%03d%c", poem, verse);
  return name;
}

const std::vector<ControlId> kReadingControls = {kManualRadio, kAutoRadio, kNextButton,
                                                 kExitButton, kTimingLabel, kTimingTrackBar};

std::vector<std::pair<ControlId, Enablement>> all(const std::vector<ControlId>& ids,
                                                  Enablement state) {
  std::vector<std::pair<ControlId, Enablement>> changes;
  for (ControlId id : ids) changes.emplace_back(id, state);
  return changes;
}

std::vector<std::pair<ControlId, Enablement>> concat(
    std::vector<std::pair<ControlId, Enablement>> a,
    const std::vector<std::pair<ControlId, Enablement>>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Enabled states at a game's end and after a test reading.
const auto kGameOverStates = concat(
    concat(all({kManualRadio, kAutoRadio, kStartWithMemoButton, kQuickStartButton}, kOn),
           all({kNextButton}, kOff)),
    all({kExitButton, kTimingLabel, kTimingTrackBar}, kOn));

class GameEngineTest : public GameFixture {
 protected:
  const Poem& poem(int n) const { return PoemTable::forLanguage(Language::Japanese)[n]; }

  void expectCardShownAt(double atMs, int n, int decisiveLength) {
    const auto texts = textsAt(atMs);
    ASSERT_EQ(texts.size(), 4u) << "at " << atMs;
    EXPECT_EQ(texts[0].id, kKimarijiLabel);
    EXPECT_EQ(texts[0].text, firstMorae(poem(n).kimariji, decisiveLength));
    EXPECT_EQ(texts[1].id, kUpperVerseLabel);
    EXPECT_EQ(texts[1].text, poem(n).upperVerse);
    EXPECT_EQ(texts[2].id, kLowerVerseLabel);
    EXPECT_EQ(texts[3].id, kPoetLabel);
  }
  void expectPrefaceShownAt(double atMs) {
    const auto texts = textsAt(atMs);
    ASSERT_EQ(texts.size(), 4u) << "at " << atMs;
    EXPECT_EQ(texts[0].text, poem(0).kimariji);  // in full
    EXPECT_EQ(texts[1].text, poem(0).upperVerse);
  }
  void expectGameReset() {
    EXPECT_EQ(state.running, 0);
    EXPECT_EQ(state.busy, Busy::Idle);
    EXPECT_EQ(state.memoState, MemoState::StartWithoutMemo);
    EXPECT_EQ(state.orderVariant, OrderVariant::PlainShuffle);
    EXPECT_EQ(state.orderPrepared, OrderPrepared::ShuffleAtStart);
    EXPECT_EQ(selection.selectionActive, 0);
    EXPECT_EQ(selection.selectedCount, 100);
    EXPECT_EQ(selection.countSelected(), 0);
    EXPECT_EQ(selection.selected[0], 1);
    EXPECT_GE(view.pointerReleases, 1);
  }
};

// ---- The opening

TEST_F(GameEngineTest, OpeningReadsThePrefaceThenTheFirstUpperVerse) {
  useOrder({17, 42, 8});
  engine.startReading(Memorisation::Without);

  // Sounds with the moments they were asked for and heard. Each verse is
  // placed behind the one before it while that one still plays, so no wait
  // of the reading thread can lengthen the silence between them.
  const auto& events = sound.events();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].clip, "I-000A");
  EXPECT_EQ(events[0].kind, Kind::Async);
  EXPECT_EQ(events[0].calledAtMs, 1000);
  EXPECT_EQ(events[1].clip, "I-000B");
  EXPECT_EQ(events[1].calledAtMs, 1000);
  EXPECT_EQ(events[1].gap, 2000.0);
  EXPECT_EQ(events[1].heardFromMs, 1000 + 4000 + 2000);
  EXPECT_EQ(events[2].clip, "I-017A");
  EXPECT_EQ(events[2].calledAtMs, 7000);
  EXPECT_EQ(events[2].gap, 1000.0);
  EXPECT_EQ(events[2].heardFromMs, 7000 + 3000 + 1000);
  EXPECT_EQ(clock.nowMs(), 15000);

  // Controls: the start buttons and radios at once, the reading controls
  // after the lead-in, all of them back when the first card has been read.
  EXPECT_EQ(enabledAt(0),
            all({kStartWithMemoButton, kQuickStartButton, kManualRadio, kAutoRadio}, kOff));
  EXPECT_EQ(enabledAt(1000), all(kReadingControls, kOff));
  EXPECT_EQ(enabledAt(15000), all(kReadingControls, kOn));
  EXPECT_FALSE(view.isEnabled(kQuickStartButton));

  ASSERT_EQ(view.textChanges.size(), 4u);
  expectCardShownAt(11000, 17, 2);

  EXPECT_EQ(state.running, 1);
  EXPECT_EQ(state.busy, Busy::Idle);
  EXPECT_EQ(state.position, 1);
  EXPECT_EQ(view.pointerReleases, 0);  // only a game's end releases the lock
  EXPECT_EQ(memoTimer.opened, 0);
}

TEST_F(GameEngineTest, GameCutShortOpensAtItsKeptPosition) {
  useOrder({17, 42, 8});
  state.openingPosition = 2;
  engine.startReading(Memorisation::Without);
  EXPECT_THAT(sound.played(), ElementsAre("I-000A", "I-000B", "I-042A"));
  EXPECT_EQ(state.position, 2);
  EXPECT_EQ(state.openingPosition, 1);
}

TEST_F(GameEngineTest, SelectionWithoutThePrefaceFlagReadsOnlyItsLowerVerse) {
  useOrder({5, 6}, Preface::Skipped);
  engine.startReading(Memorisation::Without);
  EXPECT_THAT(sound.played(), ElementsAre("I-000B", "I-005A"));
  EXPECT_EQ(played("I-000B").calledAtMs, 1000);
  EXPECT_FALSE(played("I-000B").gap.has_value());
  EXPECT_EQ(played("I-005A").heardFromMs, 1000 + 3000 + 1000);
}

TEST_F(GameEngineTest, WithoutSelectionTheStartDrawsAFullOrder) {
  selection.selectedCount = 0;  // left by a selection dialog closed with its box
  engine.startReading(Memorisation::Without);
  std::vector<int> poems(order.poem.begin() + 1, order.poem.begin() + 101);
  std::sort(poems.begin(), poems.end());
  std::vector<int> expected(100);
  std::iota(expected.begin(), expected.end(), 1);
  EXPECT_EQ(poems, expected);
  EXPECT_EQ(state.lastPosition, kPoemCount);
  EXPECT_EQ(sound.played()[2], clipOf(order.poem[1], 'A'));
}

TEST_F(GameEngineTest, EmptySelectionInForceRefusesTheStart) {
  selection.selected.fill(0);
  selection.selected[0] = 1;
  selection.selectionActive = 1;
  selection.selectedCount = 0;
  engine.startReading(Memorisation::With);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].caption, "未選択エラー");
  EXPECT_EQ(view.messages[0].text, "一首以上選択してください。");
  EXPECT_EQ(state.running, 0);
  EXPECT_EQ(state.memoState, MemoState::StartWithoutMemo);
  EXPECT_EQ(memoTimer.opened, 0);
  EXPECT_EQ(threads.started, 0);
  EXPECT_TRUE(sound.events().empty());
}

TEST_F(GameEngineTest, SelectionCountFollowsTheSelectedCards) {
  // A selection dialog closed with its box keeps the old count while the
  // flags changed; the game must read exactly the flagged cards.
  selection.selected.fill(0);
  selection.selected[0] = 1;
  selection.selected[3] = selection.selected[30] = 1;
  selection.selectionActive = 1;
  selection.selectedCount = 5;
  engine.startReading(Memorisation::Without);
  engine.readNext();
  engine.readNext();
  EXPECT_EQ(state.running, 0);  // over after two cards
  EXPECT_EQ(clips.loads().end(),
            std::find(clips.loads().begin(), clips.loads().end(), "I-999B"));
}

TEST_F(GameEngineTest, MemorisationCountdownDecidesTheLeadIn) {
  useOrder({1, 2});
  memoTimer.countdown = [this] {
    EXPECT_EQ(state.memoState, MemoState::StartWithMemo);
    EXPECT_EQ(state.busy, Busy::Idle);  // no reading thread yet
    clock.advanceTo(clock.nowMs() + 15 * 60 * 1000.0);
    return MemoOutcome::RanOut;
  };
  engine.startReading(Memorisation::With);
  EXPECT_EQ(memoTimer.opened, 1);
  EXPECT_EQ(played("I-000A").calledAtMs, 900000 + 7000 + 1000);
}

TEST_F(GameEngineTest, CountdownClosedEarlyWaitsOnlyTheLeadIn) {
  useOrder({1, 2});
  memoTimer.countdown = [this] {
    clock.advanceTo(60000);
    return MemoOutcome::ClosedEarly;
  };
  engine.startReading(Memorisation::With);
  EXPECT_EQ(state.memoState, MemoState::StartWithMemo);
  EXPECT_EQ(played("I-000A").calledAtMs, 61000);
}

TEST_F(GameEngineTest, StartIsRefusedWhileAGameRunsOrAStepPlays) {
  useOrder({1, 2, 3});
  engine.startReading(Memorisation::Without);
  const auto before = sound.events().size();
  engine.startReading(Memorisation::Without);
  engine.testReading();
  EXPECT_EQ(sound.events().size(), before);
  EXPECT_EQ(threads.started, 1);
}

// ---- Manual steps

TEST_F(GameEngineTest, ManualStepReadsLowerVersePauseAndNextUpperVerse) {
  useOrder({17, 42, 8});
  engine.startReading(Memorisation::Without);
  advanceTo(20000);
  view.enabledChanges.clear();
  engine.readNext();

  EXPECT_EQ(enabledAt(20000), all(kReadingControls, kOff));
  const Event& lower = played("I-017B");
  EXPECT_EQ(lower.calledAtMs, 21000);
  EXPECT_FALSE(lower.gap.has_value());
  const Event& upper = played("I-042A");
  EXPECT_EQ(upper.calledAtMs, 21000);
  EXPECT_EQ(upper.gap, 1000.0);
  EXPECT_EQ(upper.heardFromMs, 25000);
  expectCardShownAt(25000, 42, 2);
  EXPECT_EQ(enabledAt(29000), all(kReadingControls, kOn));
  EXPECT_EQ(state.position, 2);
  EXPECT_EQ(state.busy, Busy::Idle);
  EXPECT_EQ(clock.nowMs(), 29000);
}

TEST_F(GameEngineTest, ATrackBarMoveDuringAStepCountsWhenTheStepEnds) {
  useOrder({17, 42, 8});
  engine.startReading(Memorisation::Without);  // the opening ends at 15000
  at(20000, [this] { engine.pauseSlider().moved(75); });
  engine.readNext();  // a step, 15000..24000
  EXPECT_EQ(played("I-042A").gap, 1000.0);
  EXPECT_EQ(state.settings.timingPause, 1500);
  const auto texts = textsAt(24000);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].id, kTimingLabel);
  EXPECT_EQ(texts[0].text, timingLabel(Language::Japanese, 1500));
}

TEST_F(GameEngineTest, PauseHeardIsExactWhateverTheClipLengths) {
  // Clip lengths that are no whole number of milliseconds: the waits round,
  // the silence heard does not.
  useOrder({11, 12, 13});
  clips.setLength("I-000A", 4321.7);
  clips.setLength("I-000B", 2999.9);
  clips.setLength("I-011B", 3333.3);
  clips.setLength("I-012B", 3100.45);
  state.settings.timingPause = 1180;
  engine.startReading(Memorisation::Without);
  engine.readNext();
  state.settings.timingPause = 0;
  engine.readNext();

  EXPECT_NEAR(played("I-000B").heardFromMs - played("I-000A").heardUntilMs, 2000, 1e-9);
  EXPECT_NEAR(played("I-011A").heardFromMs - played("I-000B").heardUntilMs, 1180, 1e-9);
  EXPECT_NEAR(played("I-012A").heardFromMs - played("I-011B").heardUntilMs, 1180, 1e-9);
  EXPECT_NEAR(played("I-013A").heardFromMs - played("I-012B").heardUntilMs, 0, 1e-9);
  EXPECT_EQ(played("I-012A").gap, 1180.0);
  EXPECT_EQ(played("I-013A").gap, 0.0);
}

TEST_F(GameEngineTest, RightButtonStopsTheLowerVerseWithinATickAndTheStepRepeats) {
  useOrder({17, 42, 8});
  engine.startReading(Memorisation::Without);
  // The step starts at 15000; its lower verse sounds from 16000.
  at(16700, [this] { engine.rightButtonCommand(); });
  engine.readNext();

  EXPECT_EQ(state.busy, Busy::Idle);
  const auto& events = sound.events();
  ASSERT_EQ(events.back().kind, Kind::Stop);
  EXPECT_EQ(events.back().calledAtMs, 17000);
  EXPECT_EQ(played("I-017B").heardUntilMs, 17000);
  EXPECT_EQ(state.position, 1);
  EXPECT_EQ(enabledAt(17000), all(kReadingControls, kOn));
  EXPECT_TRUE(textsAt(17000).empty());
  EXPECT_EQ(state.running, 1);

  engine.readNext();
  EXPECT_THAT(sound.heard(),
              ElementsAre("I-000A", "I-000B", "I-017A", "I-017B", "I-017B", "I-042A"));
  EXPECT_EQ(state.position, 2);
}

TEST_F(GameEngineTest, SecondRightPressBeforeTheTickWithdrawsTheStop) {
  useOrder({17, 42, 8});
  engine.startReading(Memorisation::Without);
  at(16600, [this] {
    engine.rightButtonCommand();
    EXPECT_EQ(state.busy, Busy::StopRequested);
  });
  at(16800, [this] { engine.rightButtonCommand(); });
  engine.readNext();
  EXPECT_EQ(stops(), 0);
  EXPECT_THAT(sound.played(), ElementsAre("I-000A", "I-000B", "I-017A", "I-017B", "I-042A"));
  EXPECT_EQ(state.position, 2);
}

TEST_F(GameEngineTest, StopAskedDuringTheUpperVerseIsNotLookedAt) {
  useOrder({17, 42, 8});
  engine.startReading(Memorisation::Without);
  at(21000, [this] { engine.rightButtonCommand(); });  // upper verse 20000..24000
  engine.readNext();
  EXPECT_EQ(stops(), 0);
  EXPECT_EQ(state.busy, Busy::Idle);
  EXPECT_EQ(state.position, 2);
}

TEST_F(GameEngineTest, NextAndStartAreIgnoredWhileAStepPlays) {
  useOrder({1, 2, 3});
  engine.startReading(Memorisation::Without);
  at(17000, [this] {
    engine.readNext();
    engine.startReading(Memorisation::Without);
    engine.testReading();
  });
  engine.readNext();
  EXPECT_EQ(threads.started, 2);
  EXPECT_EQ(state.position, 2);
}

TEST_F(GameEngineTest, MissingClipIsWaitedForAsLongAsTheOneBefore) {
  useOrder({1, 2, 3});
  clips.setMissing("I-001B");
  clips.setLength("I-002A", 5000);
  engine.startReading(Memorisation::Without);
  view.messages.clear();
  engine.readNext();  // starts at 15000
  ASSERT_EQ(view.messages.size(), 1u);
  // The lower verse plays nothing; its wait is as long as the clip loaded
  // before it, the first card's upper verse (4000 ms), not the next one.
  EXPECT_EQ(textsAt(15000 + 1000 + 4000 + 1000).size(), 4u);
  EXPECT_EQ(played("I-002A").heardFromMs, 21000);
  EXPECT_EQ(state.position, 2);
}

TEST_F(GameEngineTest, MissingVersesKeepTheRhythmWithoutCuttingTheOthers) {
  useOrder({1, 2, 3});
  clips.setMissing("I-000A");
  clips.setMissing("I-002A");
  engine.startReading(Memorisation::Without);
  // Nothing was loaded before the preface's upper verse: no wait, the two
  // seconds, then the lower verse, and the first card's upper verse behind it.
  EXPECT_EQ(played("I-000B").heardFromMs, 1000 + 2000);
  EXPECT_EQ(played("I-000B").heardUntilMs, 1000 + 2000 + 3000);
  EXPECT_EQ(played("I-001A").heardFromMs, 6000 + 1000);
  engine.readNext();  // from 11000: lower verse 12000..15000, no upper clip
  EXPECT_EQ(played("I-001B").heardUntilMs, 15000);
  expectCardShownAt(15000 + 1000, 2, 2);
  EXPECT_EQ(state.position, 2);
  EXPECT_EQ(state.busy, Busy::Idle);
  EXPECT_EQ(stops(), 0);
}

// ---- Finishing and the end of a game

TEST_F(GameEngineTest, FinishBetweenStepsReadsTheLastLowerVerseAndEndsTheGame) {
  useOrder({17, 42, 8});
  engine.startReading(Memorisation::Without);
  engine.readNext();  // 15000..24000, position 2
  view.enabledChanges.clear();
  engine.finishReading();  // at 24000

  EXPECT_THAT(sound.played(), ElementsAre("I-000A", "I-000B", "I-017A", "I-017B", "I-042A",
                                          "I-042B"));
  EXPECT_EQ(played("I-042B").calledAtMs, 25000);
  expectPrefaceShownAt(25000 + 3000 + 1000);
  EXPECT_EQ(enabledAt(24000), all(kReadingControls, kOff));
  EXPECT_EQ(enabledAt(29000), kGameOverStates);
  EXPECT_EQ(view.quitRequests, 0);
  EXPECT_EQ(state.position, 3);
  expectGameReset();
}

TEST_F(GameEngineTest, FinishQuitsWhenNoGameWaits) {
  engine.finishReading();
  EXPECT_EQ(view.quitRequests, 1);

  useOrder({1, 2, 3});
  engine.startReading(Memorisation::Without);
  at(17000, [this] { engine.finishReading(); });  // a step is playing
  engine.readNext();
  EXPECT_EQ(view.quitRequests, 2);
}

TEST_F(GameEngineTest, PartialGameEndsAfterItsLastCard) {
  useOrder({9, 96, 70});
  state.orderVariant = OrderVariant::SecondPairOrder;
  memoTimer.countdown = [] { return MemoOutcome::RanOut; };
  engine.startReading(Memorisation::With);
  engine.readNext();
  engine.readNext();
  view.enabledChanges.clear();
  view.textChanges.clear();
  const double start = clock.nowMs();
  engine.readNext();

  EXPECT_THAT(sound.played(), ElementsAre("I-000A", "I-000B", "I-009A", "I-009B", "I-096A",
                                          "I-096B", "I-070A", "I-070B"));
  EXPECT_EQ(view.textChanges.size(), 4u);
  expectPrefaceShownAt(start + 5000);
  EXPECT_EQ(clock.nowMs(), start + 5000);
  EXPECT_EQ(enabledAt(start + 5000), kGameOverStates);
  EXPECT_EQ(state.position, 4);
  expectGameReset();

  // The order stays for the test reading and the list file.
  EXPECT_EQ(order.poem[3], 70);
  engine.readNext();
  EXPECT_EQ(sound.played().size(), 8u);
}

// ---- Automatic reading

TEST_F(GameEngineTest, AutomaticGameWaitsTheIntervalBetweenSteps) {
  useOrder({17, 42, 8});
  state.mode = ReadMode::Automatic;
  state.settings.interval = 2.5;
  engine.startReading(Memorisation::Without);

  // Opening until 15000, 2500 ms wait, then each step: 1000 ms lead-in,
  // 3000 ms lower verse, 1000 ms pause, 4000 ms upper verse.
  EXPECT_EQ(played("I-017B").calledAtMs, 15000 + 2500 + 1000);
  EXPECT_EQ(played("I-042A").heardFromMs, 18500 + 3000 + 1000);
  EXPECT_EQ(played("I-042B").calledAtMs, 26500 + 2500 + 1000);
  EXPECT_EQ(played("I-008B").calledAtMs, 38000 + 2500 + 1000);
  expectPrefaceShownAt(41500 + 3000 + 1000);
  EXPECT_EQ(threads.started, 1);
  expectGameReset();
}

TEST_F(GameEngineTest, RightButtonOrNextSkipTheIntervalWait) {
  useOrder({17, 42, 8});
  state.mode = ReadMode::Automatic;
  state.settings.interval = 10;
  at(16000, [this] { engine.rightButtonCommand(); });  // wait 15000..25000
  at(30000, [this] { engine.readNext(); });             // wait 25000..35000
  engine.startReading(Memorisation::Without);
  EXPECT_EQ(played("I-017B").calledAtMs, 17000);
  EXPECT_EQ(played("I-042B").calledAtMs, 31000);
  EXPECT_EQ(threads.started, 1);
}

TEST_F(GameEngineTest, ManualChosenDuringTheWaitEndsTheLoopAfterTheWait) {
  useOrder({17, 42, 8});
  state.mode = ReadMode::Automatic;
  state.settings.interval = 3;
  at(16000, [this] { state.mode = ReadMode::Manual; });
  engine.startReading(Memorisation::Without);
  EXPECT_EQ(clock.nowMs(), 18000);
  EXPECT_EQ(sound.played().size(), 3u);
  EXPECT_EQ(state.busy, Busy::Idle);
  EXPECT_EQ(state.running, 1);

  engine.readNext();  // one manual step, no loop
  EXPECT_EQ(sound.played().size(), 5u);
  EXPECT_EQ(clock.nowMs(), 18000 + 9000);
}

TEST_F(GameEngineTest, NextDuringTheFirstWaitSkipsItRatherThanStartingASecondLoop) {
  useOrder({17, 42, 8});
  state.mode = ReadMode::Automatic;
  state.settings.interval = 10;
  at(16000, [this] { engine.readNext(); });
  engine.startReading(Memorisation::Without);
  EXPECT_EQ(threads.started, 1);
  EXPECT_EQ(played("I-017B").calledAtMs, 17000);
  EXPECT_THAT(sound.played(), ElementsAre("I-000A", "I-000B", "I-017A", "I-017B", "I-042A",
                                          "I-042B", "I-008A", "I-008B"));
}

TEST_F(GameEngineTest, FinishDuringTheAutomaticWaitEndsAfterTheCurrentCard) {
  useOrder({17, 42, 8});
  state.mode = ReadMode::Automatic;
  state.settings.interval = 10;
  at(16000, [this] { engine.finishReading(); });
  engine.startReading(Memorisation::Without);
  EXPECT_THAT(sound.played(), ElementsAre("I-000A", "I-000B", "I-017A", "I-017B"));
  EXPECT_EQ(played("I-017B").calledAtMs, 17000);
  EXPECT_EQ(view.quitRequests, 0);
  expectGameReset();
}

TEST_F(GameEngineTest, AutomaticChosenBetweenManualStepsWaitsForNext) {
  useOrder({17, 42, 8});
  engine.startReading(Memorisation::Without);
  state.mode = ReadMode::Automatic;
  state.waitStep = 500;
  state.waitRest = 100;
  engine.rightButtonCommand();  // only clears the interval values
  EXPECT_EQ(state.waitStep, 0.0);
  EXPECT_EQ(state.waitRest, 0.0);
  EXPECT_EQ(threads.started, 1);
  EXPECT_EQ(sound.played().size(), 3u);

  state.settings.interval = 3;
  advanceTo(20000);
  engine.readNext();  // the loop, whose first step follows at once
  EXPECT_EQ(threads.started, 2);
  EXPECT_EQ(played("I-017B").calledAtMs, 21000);
  EXPECT_EQ(played("I-042B").calledAtMs, 29000 + 3000 + 1000);
  expectGameReset();
}

TEST_F(GameEngineTest, AutoChosenAndNextDuringTheWaitStartANewLoopAtOnce) {
  // "Auto" during the loop's wait ends that loop after the wait; "Next" then
  // starts a new loop at once, and the old one reads nothing more.
  useOrder({17, 42, 8, 9});
  state.mode = ReadMode::Automatic;
  state.settings.interval = 10;
  at(16000, [this] {
    state.mode = ReadMode::Automatic;
    engine.readNext();
  });
  engine.startReading(Memorisation::Without);
  EXPECT_EQ(threads.started, 2);
  EXPECT_THAT(sound.played(), ElementsAre("I-000A", "I-000B", "I-017A", "I-017B", "I-042A",
                                          "I-042B", "I-008A", "I-008B", "I-009A", "I-009B"));
  expectGameReset();
}

TEST_F(GameEngineTest, StoppedAutomaticStepIsReadAgainAfterTheNextWait) {
  useOrder({17, 42});
  state.mode = ReadMode::Automatic;
  state.settings.interval = 3;
  at(19700, [this] { engine.rightButtonCommand(); });  // lower verse from 19000
  engine.startReading(Memorisation::Without);
  EXPECT_EQ(played("I-017B", 0).heardUntilMs, 20000);
  EXPECT_EQ(played("I-017B", 1).calledAtMs, 20000 + 3000 + 1000);
  EXPECT_EQ(state.running, 0);
}

TEST_F(GameEngineTest, WholeAutomaticGameOfAHundredCards) {
  std::vector<std::int16_t> poems(100);
  std::iota(poems.begin(), poems.end(), 1);
  std::shuffle(poems.begin(), poems.end(), std::mt19937(7));
  useOrder(poems);
  for (int n = 1; n <= 100; ++n) {
    // Lengths with fractions of a millisecond, as real recordings have.
    clips.setLength(clipOf(n, 'B'), 2800 + n * 7.37);
  }
  state.mode = ReadMode::Automatic;
  state.settings.interval = 3;
  state.settings.timingPause = 1340;
  engine.startReading(Memorisation::Without);

  const auto& events = sound.events();
  ASSERT_EQ(events.size(), 2u + 200u);
  EXPECT_EQ(stops(), 0);
  EXPECT_NEAR(events[1].heardFromMs - events[0].heardUntilMs, 2000, 1e-6);
  for (int i = 0; i < 100; ++i) {
    const Event& upper = events[2 + 2 * i];
    const Event& lower = events[3 + 2 * i];
    const Event& before = events[1 + 2 * i];  // the previous lower verse
    ASSERT_EQ(upper.clip, clipOf(poems[i], 'A')) << i;
    ASSERT_EQ(lower.clip, clipOf(poems[i], 'B')) << i;
    EXPECT_NEAR(upper.heardFromMs - before.heardUntilMs, 1340, 1e-6) << i;
    // The texts appear as the verse's first sample is heard.
    expectCardShownAt(upper.heardFromMs, poems[i], 2);
    EXPECT_NEAR(lower.calledAtMs, upper.heardUntilMs + 3000 + 1000, 1e-6) << i;
  }
  expectPrefaceShownAt(events.back().calledAtMs + std::trunc(events.back().heardUntilMs -
                                                             events.back().heardFromMs) +
                       1340);
  expectGameReset();
  EXPECT_EQ(threads.started, 1);
}

// ---- Abort during the opening

TEST_F(GameEngineTest, RightButtonDuringThePrefaceAbortsTheGame) {
  useOrder({1, 2});
  memoTimer.countdown = [] { return MemoOutcome::ClosedEarly; };
  at(2200, [this] { engine.rightButtonCommand(); });  // preface upper from 1000
  engine.startReading(Memorisation::With);

  EXPECT_EQ(sound.events().back().kind, Kind::Stop);
  EXPECT_EQ(sound.events().back().calledAtMs, 2500);
  EXPECT_THAT(sound.heard(), ElementsAre("I-000A"));
  EXPECT_EQ(state.position, 0);
  EXPECT_EQ(state.running, 0);
  EXPECT_EQ(state.busy, Busy::Idle);
  EXPECT_EQ(state.memoState, MemoState::StartWithoutMemo);
  EXPECT_EQ(enabledAt(2500),
            concat(concat(all(kReadingControls, kOn),
                          all({kManualRadio, kAutoRadio, kQuickStartButton}, kOn)),
                   all({kStartWithMemoButton, kNextButton}, kOff)));
  EXPECT_TRUE(view.textChanges.empty());
  // The selection stays for the next start, unlike at a game's end.
  EXPECT_EQ(selection.selectionActive, 1);
}

TEST_F(GameEngineTest, StopDuringThePrefaceLowerVerseAbortsToo) {
  useOrder({1, 2});
  at(7100, [this] { engine.rightButtonCommand(); });  // I-000B from 7000
  engine.startReading(Memorisation::Without);
  EXPECT_EQ(sound.events().back().calledAtMs, 7500);
  EXPECT_EQ(state.running, 0);
  EXPECT_EQ(state.position, 0);
}

// ---- Test reading

TEST_F(GameEngineTest, TestReadingBeforeAnyGameShowsThePreface) {
  state.settings.timingPause = 800;
  engine.testReading();
  EXPECT_THAT(sound.played(), ElementsAre("I-000B", "I-001A"));
  EXPECT_EQ(played("I-000B").calledAtMs, 1000);
  EXPECT_EQ(played("I-001A").heardFromMs - played("I-000B").heardUntilMs, 800);
  expectPrefaceShownAt(1000 + 3000 + 800);
  EXPECT_EQ(enabledAt(0), all({kManualRadio, kAutoRadio, kStartWithMemoButton, kQuickStartButton,
                               kNextButton, kExitButton, kTimingLabel, kTimingTrackBar},
                              kOff));
  EXPECT_EQ(enabledAt(1000 + 3000 + 800 + 4000), kGameOverStates);
  EXPECT_EQ(state.running, 0);
  EXPECT_EQ(state.busy, Busy::Idle);
  EXPECT_EQ(state.position, 0);
}

TEST_F(GameEngineTest, TestReadingAfterAPartialGameShowsThePreface) {
  useOrder({33});
  engine.startReading(Memorisation::Without);
  engine.readNext();  // the game ends, position 2 holds no card
  view.textChanges.clear();
  const double start = clock.nowMs();
  engine.testReading();
  expectPrefaceShownAt(start + 5000);
}

TEST_F(GameEngineTest, TestReadingShowsTheCardAtThePosition) {
  useOrder({33, 44});
  state.position = 2;
  engine.testReading();
  expectCardShownAt(5000, 44, 2);
}

TEST_F(GameEngineTest, TestReadingCanBeStopped) {
  at(1600, [this] { engine.rightButtonCommand(); });
  engine.testReading();
  EXPECT_THAT(sound.heard(), ElementsAre("I-000B"));
  EXPECT_EQ(sound.events().back().kind, Kind::Stop);
  EXPECT_EQ(sound.events().back().calledAtMs, 2000);
  EXPECT_TRUE(view.textChanges.empty());
  EXPECT_EQ(enabledAt(2000), kGameOverStates);
  EXPECT_EQ(state.running, 0);
}

// ---- Shutdown

TEST_F(GameEngineTest, ShutdownDuringAVerseEndsTheThreadAtOnce) {
  useOrder({17, 42, 8});
  engine.startReading(Memorisation::Without);
  const auto textCount = view.textChanges.size();
  const auto enabledCount = view.enabledChanges.size();
  at(17200, [this] { engine.shutdown(); });  // lower verse from 16000
  engine.readNext();

  ASSERT_EQ(sound.events().back().kind, Kind::Stop);
  EXPECT_EQ(sound.events().back().calledAtMs, 17200);
  EXPECT_EQ(played("I-017B").heardUntilMs, 17200);
  EXPECT_THAT(sound.heard(), ElementsAre("I-000A", "I-000B", "I-017A", "I-017B"));
  EXPECT_EQ(played("I-042A").heardUntilMs, played("I-042A").heardFromMs);
  EXPECT_EQ(view.textChanges.size(), textCount);
  EXPECT_EQ(view.enabledChanges.size(), enabledCount + kReadingControls.size());
  EXPECT_FALSE(clock.isShutDown());  // the clock is its owner's to stop
}

TEST_F(GameEngineTest, ShutdownDuringTheIntervalWaitOrThePause) {
  useOrder({17, 42, 8});
  state.mode = ReadMode::Automatic;
  state.settings.interval = 10;
  at(20000, [this] { engine.shutdown(); });
  engine.startReading(Memorisation::Without);
  EXPECT_EQ(sound.events().back().kind, Kind::Stop);
  EXPECT_EQ(sound.events().back().calledAtMs, 20000);
  EXPECT_EQ(sound.played().size(), 3u);
  EXPECT_EQ(view.textChanges.back().atMs, 11000);
}

TEST_F(GameEngineTest, ShutdownDuringTheUpperVerse) {
  useOrder({17, 42, 8});
  at(12000, [this] { engine.shutdown(); });
  engine.startReading(Memorisation::Without);
  EXPECT_EQ(played("I-017A").heardUntilMs, 12000);
  EXPECT_EQ(state.busy, Busy::Playing);  // nothing was tidied up: the program ends
  EXPECT_EQ(view.enabledChanges.size(), 10u);
}

class GameEngineEnglishTest : public GameFixture {
 protected:
  GameEngineEnglishTest() : GameFixture(Language::English) {}
};

TEST_F(GameEngineEnglishTest, DecisiveSyllablesAreCutInTwoLetterUnits) {
  useOrder({1, 87});
  order.decisiveLength[2] = 1;
  engine.startReading(Memorisation::Without);
  engine.readNext();
  const Poem& first = PoemTable::forLanguage(Language::English)[1];
  ASSERT_EQ(first.kimariji.substr(0, 4), "A_Ki");
  EXPECT_EQ(view.textChanges[0].text, "A_Ki");
  EXPECT_EQ(view.textChanges[1].text, first.upperVerse);
  EXPECT_EQ(view.textChanges[4].text,
            PoemTable::forLanguage(Language::English)[87].kimariji.substr(0, 2));
}

}  // namespace
}  // namespace fuda::testing
