#include "tests/fakes/fake_ports.h"

#include <algorithm>
#include <chrono>

namespace fuda::testing {

// ---- VirtualClock

LocalTime VirtualClock::localTime() {
  // Calendar arithmetic alone, with no time zone: the same on every platform.
  using namespace std::chrono;
  const sys_days startDate = year{startYear_} / startMonth_ / startDay_;
  const auto wholeMs = static_cast<long long>(now_);
  const sys_time<milliseconds> at = startDate + hours{startHour_} + minutes{startMinute_} +
                                    seconds{startSecond_} + milliseconds{wholeMs};
  const sys_days date = floor<days>(at);
  const year_month_day ymd{date};
  const hh_mm_ss time{at - date};
  LocalTime result;
  result.year = static_cast<int>(ymd.year());
  result.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  result.dayOfWeek = static_cast<int>(weekday{date}.c_encoding());
  result.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  result.hour = static_cast<int>(time.hours().count());
  result.minute = static_cast<int>(time.minutes().count());
  result.second = static_cast<int>(time.seconds().count());
  result.millisecond = static_cast<int>(time.subseconds().count());
  return result;
}

SleepResult VirtualClock::sleepMs(double ms) {
  if (shutDown_) return SleepResult::Interrupted;
  advanceTo(now_ + std::max(0.0, ms));
  return shutDown_ ? SleepResult::Interrupted : SleepResult::Completed;
}

void VirtualClock::at(double atMs, std::function<void()> action) {
  actions_.push_back({atMs, nextOrder_++, std::move(action)});
}

void VirtualClock::advanceTo(double atMs) {
  for (;;) {
    auto due = actions_.end();
    for (auto it = actions_.begin(); it != actions_.end(); ++it) {
      if (it->atMs > atMs) continue;
      if (due == actions_.end() || it->atMs < due->atMs ||
          (it->atMs == due->atMs && it->order < due->order)) {
        due = it;
      }
    }
    if (due == actions_.end()) break;
    auto run = std::move(due->run);
    now_ = std::max(now_, due->atMs);
    actions_.erase(due);
    run();  // may sleep, and so move time further on
  }
  now_ = std::max(now_, atMs);
}

void VirtualClock::setLocalStart(int hour, int minute, int second, int year,
                                 int month, int day) {
  startHour_ = hour;
  startMinute_ = minute;
  startSecond_ = second;
  startYear_ = year;
  startMonth_ = month;
  startDay_ = day;
}

// ---- RecordingSound

namespace {

// One frame a microsecond: every time the tests use lies on a frame.
constexpr PcmFormat kMicrosecondFrames{1, 1, 1'000'000, 16};

}  // namespace

RecordingSound::RecordingSound(VirtualClock& clock)
    : clock_(clock), out_(clock, kMicrosecondFrames) {}

std::optional<SoundTimeline::Placed> RecordingSound::start(Kind kind, ClipRef clip,
                                                           std::optional<double> gap) {
  const double now = clock_.nowMs();
  Event event{kind, clip ? clip->name : std::string(), now, now, now, gap};
  const auto placed = out_.place(std::move(clip), gap);
  if (placed) {
    event.heardFromMs = out_.msAt(placed->placement.firstFrame);
    event.heardUntilMs = out_.msAt(placed->placement.endFrame);
    event.serial = placed->serial;
  }
  followCuts();
  events_.push_back(event);
  if (placed) live_.push_back(events_.size() - 1);
  return placed;
}

void RecordingSound::followCuts() {
  const double now = clock_.nowMs();
  const auto placements = out_.timeline().placements();
  std::vector<std::size_t> stillPlaced;
  for (std::size_t index : live_) {
    Event& event = events_[index];
    const auto found = std::find_if(placements.begin(), placements.end(),
                                    [&](const auto& entry) { return entry.first == event.serial; });
    if (found != placements.end()) {
      event.heardUntilMs = out_.msAt(found->second.endFrame);
      stillPlaced.push_back(index);
    } else if (event.heardUntilMs > now) {
      // Dropped before its end; a clip that had not begun is never heard.
      event.heardFromMs = std::min(event.heardFromMs, now);
      event.heardUntilMs = std::min(event.heardUntilMs, now);
    }
  }
  live_ = std::move(stillPlaced);
}

void RecordingSound::playAsync(ClipRef clip, std::optional<double> gap) {
  start(Kind::Async, std::move(clip), gap);
}

void RecordingSound::playSync(ClipRef clip, std::optional<double> gap) {
  if (const auto placed = start(Kind::Sync, std::move(clip), gap))
    out_.waitFor(*placed, ClipEdge::LastSample);
}

void RecordingSound::waitUntilHeard(ClipEdge edge) { out_.waitUntilHeard(edge); }

void RecordingSound::stop() {
  const double now = clock_.nowMs();
  out_.stop();
  followCuts();
  events_.push_back({Kind::Stop, {}, now, now, now, {}});
}

std::vector<std::string> RecordingSound::played() const {
  std::vector<std::string> names;
  for (const auto& event : events_) {
    if (event.kind != Kind::Stop && !event.clip.empty()) names.push_back(event.clip);
  }
  return names;
}

std::vector<std::string> RecordingSound::heard() const {
  std::vector<std::string> names;
  for (const auto& event : events_) {
    if (event.kind != Kind::Stop && !event.clip.empty() && event.heardUntilMs > event.heardFromMs)
      names.push_back(event.clip);
  }
  return names;
}

// ---- FakeClipSource

ClipRef FakeClipSource::load(ClipFolder folder, std::string_view name) {
  const std::string key(name);
  loads_.push_back(key);
  if (std::find(missing_.begin(), missing_.end(), key) != missing_.end()) {
    const std::string path =
        (folder == ClipFolder::Verses ? "./data/" : "./data/Mesg/") + key + ".WAV";
    messages_.showMessage(path, "File not Found!");
    return nullptr;
  }
  auto clip = std::make_shared<SoundClip>();
  clip->name = key;
  auto length = lengths_.find(key);
  if (length != lengths_.end()) {
    clip->playingMs = length->second;
  } else if (folder == ClipFolder::Announcements) {
    clip->playingMs = 2000.0;
  } else {
    clip->playingMs = !key.empty() && key.back() == 'A' ? 4000.0 : 3000.0;
  }
  return clip;
}

// ---- RecordingMessages

void RecordingMessages::showMessage(std::string_view caption, std::string_view text,
                                    MessageOwner owner) {
  messages.push_back({std::string(caption), std::string(text), owner});
}

// ---- RecordingReaderView

void RecordingReaderView::setText(ControlId id, std::string_view text) {
  texts[id] = std::string(text);
  textChanges.push_back({clock_.nowMs(), id, std::string(text)});
}

void RecordingReaderView::setEnabled(ControlId id, Enablement state) {
  enabled[id] = state;
  enabledChanges.push_back({clock_.nowMs(), id, state});
}

void RecordingReaderView::showMessage(std::string_view caption, std::string_view text,
                                      MessageOwner owner) {
  messages.push_back({std::string(caption), std::string(text), owner});
}

bool RecordingReaderView::isEnabled(ControlId id) const {
  auto it = enabled.find(id);
  return it == enabled.end() || it->second == Enablement::Enabled;
}

std::string RecordingReaderView::text(ControlId id) const {
  auto it = texts.find(id);
  return it == texts.end() ? std::string() : it->second;
}

}  // namespace fuda::testing
