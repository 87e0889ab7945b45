// The reader in a page. main() runs on a thread of its own, the program's GUI
// thread, while the page's script calls the functions below from the page's
// main thread; each of them hands its work over and returns at once.
// Arguments: the language ("ja" or "en"), the audio context's sample rate,
// and the address of the default voice's folder.
#include <emscripten.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/game/reader_program.h"
#include "frontends/web/core_thread.h"
#include "frontends/web/fetched_voice.h"
#include "frontends/web/page_call.h"
#include "frontends/web/page_names.h"
#include "frontends/web/page_texts.h"
#include "frontends/web/web_ports.h"
#include "frontends/web/web_reader_view.h"

using namespace fuda;

namespace {

// The program's files: the settings file, the list file and the default
// voice ("data", as the settings name it) in one folder.
const std::filesystem::path kProgramFolder = "/fudayomi";

CoreThread core;
std::atomic<WebPorts*> livePorts{nullptr};
std::atomic<WebReaderView*> liveView{nullptr};
std::atomic<ReaderProgram*> liveProgram{nullptr};
// The language the next start is in, when the page asked for a restart.
std::atomic<int> restartLanguage{-1};

Language languageOf(std::string_view code) {
  return code == "en" ? Language::English : Language::Japanese;
}

void taskDone(int task) { callPage("taskDone", "[" + std::to_string(task) + "]"); }

// Core thread: one run of the program, until it quits or the page asks for
// another language.
void runProgram(Language language, std::uint32_t sampleRate) {
  WebPorts ports(language, sampleRate);
  WebReaderView view(core, ports.messages(), ports.clock());
  ReaderProgram program(language,
                        {kProgramFolder / "fudayomi.ini", kProgramFolder, kProgramFolder,
                         ListPathShown::No, kProgramFolder},
                        ports, view, view);
  livePorts = &ports;
  liveView = &view;
  liveProgram = &program;
  const SoundRing& ring = ports.sound().ring();
  callPage("soundReady", "[" + std::to_string(reinterpret_cast<std::uintptr_t>(&ring)) + "," +
                             std::to_string(WebSoundOut::kChannels) + "]");
  program.startUp();
  callPage("started", "[]");
  core.runUntil([&] { return view.quitRequested(); });
  liveProgram = nullptr;
  liveView = nullptr;
  program.shutdown();
  livePorts = nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
  Language language = languageOf(argc > 1 ? argv[1] : "ja");
  const auto sampleRate = static_cast<std::uint32_t>(argc > 2 ? std::atoi(argv[2]) : 48000);
  setFetchedVoice(kProgramFolder / "data", argc > 3 ? argv[3] : "voice/");
  std::filesystem::current_path(kProgramFolder);
  for (;;) {
    runProgram(language, sampleRate);
    const int next = restartLanguage.exchange(-1);
    if (next < 0) break;
    language = next == 1 ? Language::English : Language::Japanese;
  }
  callPage("quitProgram", "[]");
  return 0;
}

// The page's main thread, each: the work goes to the core thread, which says
// "taskDone" with `task` once it has run. False for a name no command has.
extern "C" {

EMSCRIPTEN_KEEPALIVE int fuda_command(const char* name, int task) {
  const auto command = commandNamed(name);
  if (!command) return 0;
  core.post([command = *command, task] {
    if (ReaderProgram* program = liveProgram) program->dispatchCommand(command);
    taskDone(task);
  });
  return 1;
}

EMSCRIPTEN_KEEPALIVE void fuda_move_track_bar(int position, int task) {
  core.post([position, task] {
    if (ReaderProgram* program = liveProgram) program->timingChanged(position);
    taskDone(task);
  });
}

EMSCRIPTEN_KEEPALIVE void fuda_dismiss_message(int id) {
  if (WebPorts* ports = livePorts) ports->messages().dismissed(id);
}

EMSCRIPTEN_KEEPALIVE void fuda_tool_window_closed() {
  if (WebReaderView* view = liveView) view->toolWindowClosed();
}

// A new start in `language` ("ja" or "en"), as a language switch.
EMSCRIPTEN_KEEPALIVE void fuda_restart(const char* language) {
  restartLanguage = languageOf(language) == Language::English ? 1 : 0;
  if (WebReaderView* view = liveView) view->quitProgram();
}

EMSCRIPTEN_KEEPALIVE void fuda_quit() {
  if (WebReaderView* view = liveView) view->quitProgram();
}

// The captions of `language` as JSON; the caller frees the string.
EMSCRIPTEN_KEEPALIVE char* fuda_texts(const char* language) {
  const std::string json = pageTextsJson(languageOf(language));
  char* copy = static_cast<char*>(std::malloc(json.size() + 1));
  std::memcpy(copy, json.c_str(), json.size() + 1);
  return copy;
}

}  // extern "C"
