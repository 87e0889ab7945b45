#pragma once
// A game engine wired to the fakes, in virtual time, for the engine, withdraw
// and dispatch tests.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/game/game_engine.h"
#include "tests/fakes/fake_memo_timer.h"
#include "tests/fakes/fake_ports.h"

namespace fuda::testing {

enum class Preface { Read, Skipped };

class GameFixture : public ::testing::Test {
 protected:
  using Kind = RecordingSound::Kind;
  using Event = RecordingSound::Event;

  explicit GameFixture(Language language = Language::Japanese)
      : engine(state, selection, order, {clock, sound, clips, view, threads, memoTimer},
               language) {}

  // Plays a game over exactly these cards, as a loaded list would: the start
  // keeps the order. Decisive lengths are 2 everywhere unless given.
  void useOrder(const std::vector<std::int16_t>& poems, Preface preface = Preface::Read) {
    order.poem.fill(kNoCard);
    order.poem[0] = 0;
    order.poem[101] = 0;
    order.decisiveLength.fill(0);
    int position = 1;
    for (std::int16_t poem : poems) {
      order.poem[position] = poem;
      order.decisiveLength[position] = 2;
      ++position;
    }
    const int count = static_cast<int>(poems.size());
    state.orderPrepared = OrderPrepared::OrderLoaded;
    if (count < 100 || preface == Preface::Skipped) {
      selection.selected.fill(0);
      for (std::int16_t poem : poems) selection.selected[poem] = 1;
      selection.selected[0] = preface == Preface::Read ? 1 : 0;
      selection.selectionActive = 1;
    }
    selection.selectedCount = static_cast<std::int16_t>(count);
  }

  // Every sound event of one kind, or with one clip name.
  const Event& played(const std::string& clip, int occurrence = 0) const {
    int seen = 0;
    for (const auto& event : sound.events()) {
      if (event.clip == clip && seen++ == occurrence) return event;
    }
    ADD_FAILURE() << "never played: " << clip;
    static const Event none{};
    return none;
  }
  int stops() const {
    int count = 0;
    for (const auto& event : sound.events()) count += event.kind == Kind::Stop ? 1 : 0;
    return count;
  }
  // Enabled-state changes at one virtual moment, in call order.
  std::vector<std::pair<ControlId, Enablement>> enabledAt(double atMs) const {
    std::vector<std::pair<ControlId, Enablement>> changes;
    for (const auto& change : view.enabledChanges) {
      if (change.atMs == atMs) changes.emplace_back(change.id, change.state);
    }
    return changes;
  }
  std::vector<RecordingReaderView::TextChange> textsAt(double atMs) const {
    std::vector<RecordingReaderView::TextChange> changes;
    for (const auto& change : view.textChanges) {
      if (change.atMs == atMs) changes.push_back(change);
    }
    return changes;
  }
  // Runs a command as the player would at virtual time `atMs`.
  void at(double atMs, std::function<void()> action) { clock.at(atMs, std::move(action)); }
  void advanceTo(double atMs) { clock.advanceTo(atMs); }

  VirtualClock clock;
  RecordingSound sound{clock};
  RecordingReaderView view{clock};
  FakeClipSource clips{view};
  InlineThreads threads;
  FakeMemoTimer memoTimer;
  ReadingState state;
  CardSelection selection;
  ReadingOrder order;
  GameEngine engine;
};

inline constexpr auto kOn = Enablement::Enabled;
inline constexpr auto kOff = Enablement::Disabled;

}  // namespace fuda::testing
