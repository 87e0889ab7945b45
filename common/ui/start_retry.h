#pragma once
// An X server may drop a new connection when another client's connection
// ends at the same moment (seen with Xvfb while tools poll it for windows),
// and Qt gives up at once with an abort. Around the application's
// construction, this starts the program afresh instead, a few times, before
// letting the failure stand.
//
//   StartRetry retry(argv);
//   QApplication application(argc, argv);
//   retry.started();
namespace fuda {

class StartRetry {
 public:
  // Before the application object; `argv` is main's.
  explicit StartRetry(char** argv);
  // Once the application object exists: later failures take their usual course.
  void started();
  ~StartRetry() { started(); }
  StartRetry(const StartRetry&) = delete;
  StartRetry& operator=(const StartRetry&) = delete;

 private:
  bool active_ = false;
};

}  // namespace fuda
