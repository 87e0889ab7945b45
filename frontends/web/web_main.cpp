// The reader in a page. main() runs on a thread of its own, the program's GUI
// thread, while the page's script calls the functions below from the page's
// main thread; each of them hands its work over and returns at once.
// Arguments: the language ("ja" or "en"), the audio context's sample rate,
// the address of the default voice's folder, and the program: "reader" (the
// default) or "memotimer".
#include <emscripten.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/countdown/memotimer_program.h"
#include "core/game/reader_program.h"
#include "frontends/web/core_thread.h"
#include "frontends/web/fetched_voice.h"
#include "frontends/web/kept_game.h"
#include "frontends/web/own_voices.h"
#include "frontends/web/page_call.h"
#include "frontends/web/page_names.h"
#include "frontends/web/page_selection.h"
#include "frontends/web/page_texts.h"
#include "frontends/web/web_memotimer.h"
#include "frontends/web/web_ports.h"
#include "frontends/web/web_reader_view.h"
#include "frontends/web/web_timer_face.h"
#include "frontends/web/web_tool_windows.h"

using namespace fuda;

namespace {

// The program's files: the settings file, the list file and the default
// voice ("data", as the settings name it) in one folder.
const std::filesystem::path kProgramFolder = "/fudayomi";
// The own voices the page had kept, written by it before the start.
const std::filesystem::path kOwnVoicesList = "/tmp/own-voices.txt";

CoreThread core;
std::atomic<WebPorts*> livePorts{nullptr};
std::atomic<WebReaderView*> liveView{nullptr};
std::atomic<ReaderProgram*> liveProgram{nullptr};
std::atomic<WebToolWindows*> liveTools{nullptr};
std::atomic<WebMemotimer*> liveMemotimer{nullptr};
std::atomic<KeptGame*> liveKeptGame{nullptr};
// The language the next start is in, when the page asked for a restart.
std::atomic<int> restartLanguage{-1};

Language languageOf(std::string_view code) {
  return code == "en" ? Language::English : Language::Japanese;
}

// `resultJson`, when given, is what the page's call resolves to.
void taskDone(int task, const std::string& resultJson = "true") {
  callPage("taskDone", "[" + std::to_string(task) + "," + resultJson + "]");
}

void soundReady(WebPorts& ports) {
  const SoundRing& ring = ports.sound().ring();
  callPage("soundReady", "[" + std::to_string(reinterpret_cast<std::uintptr_t>(&ring)) + "," +
                             std::to_string(WebSoundOut::kChannels) + "]");
}

// A copy of `text` for the page, which frees it.
char* pageString(const std::string& text) {
  char* copy = static_cast<char*>(std::malloc(text.size() + 1));
  std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

// Core thread: one run of the program, until it quits or the page asks for
// another language.
void runProgram(Language language, std::uint32_t sampleRate) {
  WebPorts ports(language, sampleRate);
  WebReaderView view(core, ports.messages(), ports.clock());
  ReaderProgram program(language,
                        {kProgramFolder / "fudayomi.ini", kProgramFolder, kProgramFolder,
                         ListPathShown::No, kProgramFolder},
                        ports, view, view);
  WebToolWindows tools(core, program.selection(), program.memoTimer());
  view.attachToolWindows(tools);
  KeptGame keptGame(program, kProgramFolder / "unfinished.txt");
  // Phases come from the reading thread too; the program is the core
  // thread's. A task left over from an earlier run finds no game kept.
  view.onPhaseShown([](GamePhase phase) {
    core.post([phase] {
      KeptGame* kept = liveKeptGame;
      if (kept != nullptr && kept->phaseShown(phase)) callPage("keptFilesChanged", "[]");
    });
  });
  livePorts = &ports;
  liveView = &view;
  liveProgram = &program;
  liveTools = &tools;
  liveKeptGame = &keptGame;
  soundReady(ports);
  program.startUp();
  callPage("started", "[]");
  core.runUntil([&] { return view.quitRequested(); });
  liveKeptGame = nullptr;
  liveTools = nullptr;
  liveProgram = nullptr;
  liveView = nullptr;
  program.shutdown();
  livePorts = nullptr;
}

// Core thread: the memotimer, until it ends.
void runMemotimer(Language language, std::uint32_t sampleRate) {
  WebPorts ports(language, sampleRate);
  MemotimerProgram program(language, kProgramFolder / "fudayomi.ini", kProgramFolder, ports);
  WebMemotimer memotimer(core, ports.clock(), program.announcer());
  livePorts = &ports;
  liveMemotimer = &memotimer;
  soundReady(ports);
  callPage("started", "[]");
  memotimer.run();
  liveMemotimer = nullptr;
  ports.shutdown();
  livePorts = nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
  Language language = languageOf(argc > 1 ? argv[1] : "ja");
  const auto sampleRate = static_cast<std::uint32_t>(argc > 2 ? std::atoi(argv[2]) : 48000);
  setFetchedVoice(kProgramFolder / "data", argc > 3 ? argv[3] : "voice/");
  std::filesystem::current_path(kProgramFolder);
  keepListedOwnVoices(kProgramFolder / "fudayomi.ini", kOwnVoicesList);
  if (argc > 4 && std::string_view(argv[4]) == "memotimer") {
    runMemotimer(language, sampleRate);
    callPage("quitProgram", "[]");
    return 0;
  }
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
  if (const auto command = commandNamed(name)) {
    core.post([command = *command, task] {
      if (ReaderProgram* program = liveProgram) program->dispatchCommand(command);
      taskDone(task);
    });
    return 1;
  }
  // The reader's timer window and the memotimer each ignore the other's.
  if (const auto id = timerCommandNamed(name)) {
    core.post([id = *id, task] {
      if (WebToolWindows* tools = liveTools) tools->timerCommand(id);
      if (WebMemotimer* memotimer = liveMemotimer) memotimer->dispatchCommand(id);
      taskDone(task);
    });
    return 1;
  }
  return 0;
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
  core.post([] {
    if (WebToolWindows* tools = liveTools) tools->closedByPlayer();
  });
}

// The selection dialogs: their state, and a click on control `id`
// (`boxChecked`: what a clicked check box now shows), answered as
// selectionStateJson gives it.
EMSCRIPTEN_KEEPALIVE void fuda_selection_state(int task) {
  core.post([task] {
    WebToolWindows* tools = liveTools;
    taskDone(task, tools ? tools->selectionState() : "null");
  });
}

EMSCRIPTEN_KEEPALIVE void fuda_selection_click(int id, int boxChecked, int task) {
  core.post([id, boxChecked, task] {
    WebToolWindows* tools = liveTools;
    taskDone(task, tools ? tools->selectionClick(id, boxChecked != 0) : "null");
  });
}

// Reader `number`'s own voice now holds the clips `names` (one a line), in
// the folder the settings name for that reader.
EMSCRIPTEN_KEEPALIVE void fuda_own_voice(int number, const char* names, int task) {
  core.post([number, clips = clipNameLines(names), task] {
    keepOwnVoice(kProgramFolder / "fudayomi.ini", number, clips);
    taskDone(task);
  });
}

// The page's answer to a "readOwnClip" request.
EMSCRIPTEN_KEEPALIVE void fuda_own_clip_read(int id, int written) { ownClipAnswered(id, written != 0); }

// Goes on with the game kept from an earlier visit; the page's call resolves
// to whether it did.
EMSCRIPTEN_KEEPALIVE void fuda_resume_game(int task) {
  core.post([task] {
    KeptGame* kept = liveKeptGame;
    const bool resumed = kept != nullptr && kept->resume();
    callPage("keptFilesChanged", "[]");
    taskDone(task, resumed ? "true" : "false");
  });
}

// A new start in `language` ("ja" or "en"), as a language switch.
EMSCRIPTEN_KEEPALIVE void fuda_restart(const char* language) {
  restartLanguage = languageOf(language) == Language::English ? 1 : 0;
  if (WebReaderView* view = liveView) view->quitProgram();
}

EMSCRIPTEN_KEEPALIVE void fuda_quit() {
  if (WebReaderView* view = liveView) view->quitProgram();
  if (WebMemotimer* memotimer = liveMemotimer) memotimer->quit();
}

// Each as JSON; the caller frees the string. The captions of `language`:
EMSCRIPTEN_KEEPALIVE char* fuda_texts(const char* language) {
  return pageString(pageTextsJson(languageOf(language)));
}

// The selection dialogs' controls in `language`:
EMSCRIPTEN_KEEPALIVE char* fuda_selection_layout(const char* language) {
  return pageString(selectionLayoutJson(languageOf(language)));
}

// The clock's hands on a canvas of `width` by `height` at the time given:
EMSCRIPTEN_KEEPALIVE char* fuda_clock_hands(int width, int height, int hour, int minute,
                                            int second) {
  LocalTime time;
  time.hour = hour;
  time.minute = minute;
  time.second = second;
  return pageString(clockHandsJson(width, height, time));
}

}  // extern "C"
