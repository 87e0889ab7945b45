#pragma once
// Fakes of the ports for tests in virtual time: nothing sleeps for real and
// every call is recorded with the virtual moment it happened.
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/clips/clip_source.h"
#include "core/ports/clock.h"
#include "core/sound/clocked_sound_out.h"
#include "core/ports/message_sink.h"
#include "core/ports/sound_out.h"
#include "core/ports/worker_threads.h"
#include "core/ports/reader_view.h"

namespace fuda::testing {

// A clock whose sleep advances virtual time at once, running the actions
// scheduled for the moments it passes (a player's clicks, say).
class VirtualClock : public Clock {
 public:
  double nowMs() override { return now_; }
  LocalTime localTime() override;
  SleepResult sleepMs(double ms) override;
  void shutdown() override { shutDown_ = true; }

  // Runs `action` when virtual time reaches `atMs` (inside whatever sleep
  // passes that moment, or in advanceTo).
  void at(double atMs, std::function<void()> action);
  // Moves time forward to `atMs`, running the actions due on the way.
  void advanceTo(double atMs);
  // The local time of day at virtual time 0.
  void setLocalStart(int hour, int minute, int second, int year = 2026,
                     int month = 12, int day = 8);
  bool isShutDown() const { return shutDown_; }
  std::size_t pendingActions() const { return actions_.size(); }

 private:
  struct Action {
    double atMs;
    long order;
    std::function<void()> run;
  };
  double now_ = 0.0;
  long nextOrder_ = 0;
  bool shutDown_ = false;
  std::vector<Action> actions_;
  int startHour_ = 10, startMinute_ = 0, startSecond_ = 0;
  int startYear_ = 2026, startMonth_ = 12, startDay_ = 8;
};

// Plays through the program's own silent output on the virtual clock, so
// clips are placed exactly as the real output places them, and records every
// call with what a listener hears: when each clip really starts and ends.
class RecordingSound : public SoundOut {
 public:
  enum class Kind { Async, Sync, Stop };
  struct Event {
    Kind kind;
    std::string clip;           // empty for Stop or a null clip
    double calledAtMs;          // virtual time of the call
    double heardFromMs = 0.0;   // first sample heard
    double heardUntilMs = 0.0;  // last sample heard (cut short by a stop)
    std::optional<double> gap;
    std::uint64_t serial = 0;  // on the timeline; 0 for none
  };

  explicit RecordingSound(VirtualClock& clock);
  void playAsync(ClipRef clip, std::optional<double> gap = {}) override;
  void playSync(ClipRef clip, std::optional<double> gap = {}) override;
  void waitUntilHeard(ClipEdge edge) override;
  void stop() override;

  const std::vector<Event>& events() const { return events_; }
  // The clip names played (async or sync), in order.
  std::vector<std::string> played() const;
  // The clip names a listener heard, at least in part, in order: clips
  // dropped by a stop before they began are left out.
  std::vector<std::string> heard() const;
  void clear() { events_.clear(); }

 private:
  std::optional<SoundTimeline::Placed> start(Kind kind, ClipRef clip, std::optional<double> gap);
  // Brings the recorded ends up to date after a cut.
  void followCuts();
  VirtualClock& clock_;
  ClockedSoundOut out_;
  std::vector<Event> events_;
  std::vector<std::size_t> live_;  // events whose clips are still on the timeline
};

// Clips of chosen lengths by name; unknown names are missing files.
class FakeClipSource : public ClipSource {
 public:
  FakeClipSource(MessageSink& messages) : messages_(messages) {}
  ClipRef load(ClipFolder folder, std::string_view name) override;

  // Default lengths: upper verses 4000 ms, lower verses 3000 ms,
  // announcements 2000 ms.
  void setLength(const std::string& name, double ms) { lengths_[name] = ms; }
  void setMissing(const std::string& name) { missing_.push_back(name); }
  const std::vector<std::string>& loads() const { return loads_; }

 private:
  MessageSink& messages_;
  std::map<std::string, double> lengths_;
  std::vector<std::string> missing_;
  std::vector<std::string> loads_;
};

struct Message {
  std::string caption;
  std::string text;
  MessageOwner owner;
};

class RecordingMessages : public MessageSink {
 public:
  void showMessage(std::string_view caption, std::string_view text,
                   MessageOwner owner = MessageOwner::MainWindow) override;
  std::vector<Message> messages;
};

// Runs each body at once on the calling thread.
class InlineThreads : public WorkerThreads {
 public:
  void start(std::function<void()> body) override {
    ++started;
    body();
  }
  void joinAll() override {}
  int started = 0;
};

// The main window as the engine sees it: texts, enabled states, radio
// buttons and messages, each change recorded with its virtual time.
class RecordingReaderView : public ReaderView {
 public:
  explicit RecordingReaderView(VirtualClock& clock) : clock_(clock) {}

  void setText(ControlId id, std::string_view text) override;
  void setEnabled(ControlId id, Enablement state) override;
  void setTrackBarPosition(int position) override { trackBarPosition = position; }
  void setReadModeRadio(ReadMode mode) override { radio = mode; }
  void releasePointer() override { ++pointerReleases; }
  void quitProgram() override { ++quitRequests; }
  void showMessage(std::string_view caption, std::string_view text,
                   MessageOwner owner = MessageOwner::MainWindow) override;

  bool isEnabled(ControlId id) const;
  std::string text(ControlId id) const;

  struct TextChange {
    double atMs;
    ControlId id;
    std::string text;
  };
  std::vector<TextChange> textChanges;
  struct EnabledChange {
    double atMs;
    ControlId id;
    Enablement state;
  };
  std::vector<EnabledChange> enabledChanges;
  std::vector<Message> messages;
  std::map<int, Enablement> enabled;  // never set: enabled
  std::map<int, std::string> texts;
  ReadMode radio = ReadMode::Manual;
  int trackBarPosition = -1;
  int pointerReleases = 0;
  int quitRequests = 0;

 private:
  VirtualClock& clock_;
};

}  // namespace fuda::testing
