#include "frontends/web/web_reader_view.h"

#include <string>

#include "frontends/web/page_call.h"
#include "frontends/web/page_names.h"

namespace fuda {

namespace {

std::string quoted(std::string_view name) { return jsonText(name); }

}  // namespace

void WebReaderView::setText(ControlId id, std::string_view text) {
  callPage("setText", "[" + quoted(controlName(id)) + "," + jsonText(text) + "]");
}

void WebReaderView::setEnabled(ControlId id, Enablement state) {
  callPage("setEnabled", "[" + quoted(controlName(id)) + "," +
                             (state == Enablement::Enabled ? "true" : "false") + "]");
}

void WebReaderView::showPhase(GamePhase phase) {
  ReaderView::showPhase(phase);
  callPage("showPhase", "[" + quoted(phaseName(phase)) + "]");
  if (phaseShown_) phaseShown_(phase);
}

void WebReaderView::setTrackBarPosition(int position) {
  callPage("setTrackBarPosition", "[" + std::to_string(position) + "]");
}

void WebReaderView::setReadModeRadio(ReadMode mode) {
  callPage("setReadModeRadio", mode == ReadMode::Manual ? "[\"Manual\"]" : "[\"Automatic\"]");
}

void WebReaderView::releasePointer() { callPage("releasePointer", "[]"); }

void WebReaderView::quitProgram() {
  // The main loop ends once it sees this, and shuts the program down there.
  quit_ = true;
  core_.wake();
}

void WebReaderView::openToolWindow(std::string_view name) {
  if (tools_ != nullptr) tools_->open(name, [this] { return quit_.load(); });
}

void WebReaderView::openHelp(const std::filesystem::path&) { callPage("openHelp", "[]"); }

void WebReaderView::pauseWithoutInput(double ms) {
  callPage("pauseWithoutInput", "[" + std::to_string(ms) + "]");
  clock_.sleepMs(ms);
}

}  // namespace fuda
