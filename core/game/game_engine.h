#pragma once
// Reading a game: the opening with the preface poem, one step per card (the
// lower verse of the card read last, the pause, the upper verse of the next),
// the automatic loop, the test reading and the end of a game. Commands come
// from the GUI thread; the reading itself runs on one worker thread at a time.
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string_view>

#include "core/clips/clip_source.h"
#include "core/ports/clock.h"
#include "core/texts/language.h"
#include "core/ports/sound_out.h"
#include "core/ports/worker_threads.h"
#include "core/cards/card_selection.h"
#include "core/countdown/memo_timer_host.h"
#include "core/ports/reader_view.h"
#include "core/order/reading_order.h"
#include "core/game/game_phase.h"
#include "core/game/pause_slider.h"
#include "core/game/reading_state.h"

namespace fuda {

enum class Memorisation { Without, With };

// The world the engine talks to. Each object outlives the engine.
struct GameEnginePorts {
  Clock& clock;
  SoundOut& sound;
  ClipSource& clips;
  ReaderView& view;
  WorkerThreads& threads;
  MemoTimerHost& memoTimer;
};

class GameEngine {
 public:
  GameEngine(ReadingState& state, CardSelection& selection, ReadingOrder& order,
             GameEnginePorts ports, Language language);
  // The reading thread must have been joined (by the ports' owner).
  ~GameEngine();
  GameEngine(const GameEngine&) = delete;
  GameEngine& operator=(const GameEngine&) = delete;

  // Commands: GUI thread. Each ignores itself when it cannot act.
  void startReading(Memorisation memorisation);
  void readNext();
  // Between steps: reads the current card's lower verse and ends the game.
  // With no game waiting: quits the program.
  void finishReading();
  // Right mouse button: skip the interval wait, ask the playing step to stop
  // (a second press withdraws the request), or read the next step.
  void rightButtonCommand();
  void testReading();
  // Voids the last upper verse read and reshuffles the unread rest. Refused
  // while a step plays, so it never moves the order under the reading thread.
  void withdrawLastReading();

  // GUI thread at start-up; the reading thread at the end of a game.
  void resetGame();
  // The pause's track bar; its moves come on the GUI thread.
  PauseSlider& pauseSlider() { return pauseSlider_; }
  // The preface poem's texts with its decisive syllables in full, as at
  // start-up and after the last card.
  void showPrefacePoem();

  // GUI thread, at program end, before the ports shut down: silences the
  // sound, and the reading thread ends at its next sleep or sound call
  // without touching the view again. The ports' owner then wakes the sleeps
  // and joins the thread.
  void shutdown();

 private:
  enum class WaitResult { Played, Stopped };
  enum class StepResult { Read, Stopped, GameEnded };
  struct Prepared {
    ClipRef clip;
    double playingMs = 0.0;
  };

  // Starts a reading thread; each start makes every older automatic loop
  // stale, so a loop left waiting never reads alongside a newer thread.
  void startThread(void (GameEngine::*body)(int generation));
  void openingThread(int generation);
  void stepThread(int generation);
  void autoLoopThread(int generation);
  void testThread(int generation);

  void autoLoop(int generation);
  StepResult readingStep(int generation);
  void abortOpening(int generation);
  void endOfGame();

  bool loopGoesOn(int generation) const;
  bool claimBusy();
  Prepared prepare(std::string_view name);
  WaitResult waitClip(double ms);
  void waitInterval();
  void skipInterval();
  // Sleeps; a shutdown unwinds the reading thread from here.
  void pause(double ms);
  // Sound calls that unwind the reading thread once shutdown has begun.
  void goOn() const;
  void play(const ClipRef& clip);
  // Places `clip` to begin exactly `gapMs` after the clip placed last ends.
  void follow(const ClipRef& clip, double gapMs);
  void waitHeard(ClipEdge edge);
  // Whether the upper verse was placed behind the lower verse on the sound
  // timeline, or is to be played after a timed pause (a clip is missing).
  enum class UpperVerse { Placed, NotPlaced };
  // Every reading's core: the lower verse just begun, the pause, and the
  // upper verse (`upper` null after the last card: the pause, then the
  // texts). Stopped, with nothing of the upper verse heard, when the lower
  // verse is stopped; otherwise returns once the upper verse has been heard.
  WaitResult lowerPauseUpper(const Prepared& lower, const ClipRef* upper, double pauseMs,
                             const std::function<void()>& showTexts);
  // The upper verse after the pause. The texts change as it begins; returns
  // when it has been heard.
  void readUpperVerse(const ClipRef& upper, UpperVerse placement, double pauseMs,
                      const std::function<void()>& showTexts);

  void showCard(std::int16_t poem, std::int16_t decisiveLength);
  // Publishes the phase; the window enables its controls from it.
  void enterPhase(GamePhase phase);
  // A reading thread is done: `busy` clears, and a track bar move made
  // while it was set counts now.
  void becomeIdle(int generation);
  std::uint32_t tickCount();

  ReadingState& state_;
  CardSelection& selection_;
  ReadingOrder& order_;
  GameEnginePorts ports_;
  Language language_;
  PauseSlider pauseSlider_;

  // Held by withdraw while it moves the order, and by a step while it reads
  // its cards and moves `position`.
  std::mutex orderMutex_;
  std::atomic<int> generation_{0};
  std::atomic<bool> shuttingDown_{false};
  // Playing time of the clip loaded last: a clip that cannot be loaded is
  // waited for as long as the one before it. Reading thread only.
  double lastPlayingMs_ = 0.0;
};

}  // namespace fuda
