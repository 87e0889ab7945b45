#pragma once
// Every port of a program as a fake, for whole programs run in virtual time:
// the reading thread runs inline, sleeps advance the virtual clock, the
// sound and the message boxes are recorded, decoder scripts run at once.
#include "core/ports/program_ports.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/fake_shell.h"
#include "tests/fakes/temp_folder.h"

namespace fuda::testing {

class FakeProgramPorts : public ProgramPorts {
 public:
  MessageSink& messages() override { return messageBoxes; }
  Clock& clock() override { return virtualClock; }
  Shell& shell() override { return scripts; }
  SoundOut& sound() override { return recordedSound; }
  WorkerThreads& threads() override { return inlineThreads; }
  const std::filesystem::path& tempDir() const override { return temp.path(); }
  void shutdown() override {
    ++shutdowns;
    ProgramPorts::shutdown();
  }

  // A pause without input, as the timer windows take it: virtual time runs on.
  void pause(double ms) { virtualClock.advanceTo(virtualClock.nowMs() + ms); }

  RecordingMessages messageBoxes;
  VirtualClock virtualClock;
  RecordingShell scripts;
  RecordingSound recordedSound{virtualClock};
  InlineThreads inlineThreads;
  TempFolder temp;
  int shutdowns = 0;
};

}  // namespace fuda::testing
