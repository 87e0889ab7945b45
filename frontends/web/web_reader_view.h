#pragma once
// The reader's main window and tool windows as the page draws them: every
// call is passed to the page's view by name; what must wait for the player
// (a box, a modal tool window) waits on the core thread.
#include <atomic>
#include <functional>

#include "core/ports/clock.h"
#include "core/ports/reader_front_end.h"
#include "core/ports/reader_view.h"
#include "frontends/web/core_thread.h"
#include "frontends/web/web_message_sink.h"
#include "frontends/web/web_tool_windows.h"

namespace fuda {

class WebReaderView : public ReaderView, public ReaderFrontEnd {
 public:
  WebReaderView(CoreThread& core, WebMessageSink& messages, Clock& clock)
      : core_(core), messages_(messages), clock_(clock) {}
  // ReaderView: core thread or a reading thread.
  void showMessage(std::string_view caption, std::string_view text,
                   MessageOwner owner = MessageOwner::MainWindow) override {
    messages_.showMessage(caption, text, owner);
  }
  void setText(ControlId id, std::string_view text) override;
  void setEnabled(ControlId id, Enablement state) override;
  // The controls as the phase sets them, and the phase itself for the page.
  void showPhase(GamePhase phase) override;
  void setTrackBarPosition(int position) override;
  void setReadModeRadio(ReadMode mode) override;
  void releasePointer() override;
  void quitProgram() override;

  // ReaderFrontEnd: core thread.
  void openToolWindow(std::string_view name) override;
  void openHelp(const std::filesystem::path& file) override;
  void pauseWithoutInput(double ms) override;

  // Core thread, once the program that the tool windows work on is built.
  void attachToolWindows(WebToolWindows& tools) { tools_ = &tools; }
  // Core thread, before the program starts: `shown` hears of each phase
  // shown, on the thread that shows it (the core thread or a reading thread).
  void onPhaseShown(std::function<void(GamePhase)> shown) { phaseShown_ = std::move(shown); }
  // Any thread.
  bool quitRequested() const { return quit_; }

 private:
  CoreThread& core_;
  WebMessageSink& messages_;
  Clock& clock_;
  WebToolWindows* tools_ = nullptr;
  std::function<void(GamePhase)> phaseShown_;
  std::atomic<bool> quit_{false};
};

}  // namespace fuda
