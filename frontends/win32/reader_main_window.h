#pragma once
// The reader's main window on Windows: the title picture, the four buttons,
// the poem labels, the reading-mode radio buttons, the timing track bar and
// its label, the status bar and the menu bar. Every button, menu item and
// gesture is reported through onCommand; the reading engine drives the
// window through the ReaderView port, from any thread.
#include <windows.h>

#include <functional>

#include "core/texts/language.h"
#include "core/ports/reader_view.h"
#include "frontends/win32/gui_thread.h"
#include "frontends/win32/mouse_lock.h"

namespace fuda {

class ReaderMainWindow : public ReaderView {
 public:
  // GUI thread. Builds the window with every control and its menu bar,
  // hidden; `messages` outlives the window. The callbacks all run on the GUI
  // thread:
  // - onCommand: a button, radio button, menu item or gesture, by the ids of
  //   control_ids.h;
  // - onTrackBar: the track bar moved (drag, release, keyboard), or a
  //   reading step ended and its position is to be read again;
  // - onClose, once: the window is about to go (close box, quitProgram, or
  //   destroyed from outside); it still exists while onClose runs.
  ReaderMainWindow(Language language, MessageSink& messages, std::function<void(int)> onCommand,
                   std::function<void(int)> onTrackBar, std::function<void()> onClose);
  // GUI thread. Destroys the window if it is still there, without onClose.
  ~ReaderMainWindow() override;
  ReaderMainWindow(const ReaderMainWindow&) = delete;
  ReaderMainWindow& operator=(const ReaderMainWindow&) = delete;

  // GUI thread: shows the window for the first time.
  void show(int showCommand = SW_SHOWNORMAL);
  // Null once the window is gone.
  HWND hwnd() const { return hwnd_; }

  // ReaderView; any thread. Calls from other threads are posted to the GUI
  // thread; once the window is gone they do nothing. The threads that call
  // them are joined (in onClose) before this object is destroyed.
  void setText(ControlId id, std::string_view text) override;
  void setEnabled(ControlId id, Enablement state) override;
  void setTrackBarPosition(int position) override;
  void setReadModeRadio(ReadMode mode) override;
  void releasePointer() override;
  // Runs onClose, then destroys the window; its destruction posts the quit
  // message that ends the message loop.
  void quitProgram() override;
  // Forwards to the message sink, which moves the box onto the GUI thread.
  void showMessage(std::string_view caption, std::string_view text,
                   MessageOwner owner = MessageOwner::MainWindow) override;

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  void buildControls();
  void onCommandMessage(WPARAM wParam, LPARAM lParam);
  void onMouse(UINT message);
  void reportTrackBar();
  // Closes on the user's or the program's request: onClose once, then the
  // window goes.
  void close();
  void finishClosing();
  void onDestroyed();
  void onActivate(WPARAM wParam);

  Language language_;
  MessageSink& messages_;
  std::function<void(int)> onCommand_;
  std::function<void(int)> onTrackBar_;
  std::function<void()> onClose_;
  GuiThread gui_;
  MouseLock mouseLock_;
  HWND hwnd_ = nullptr;
  HWND statusBar_ = nullptr;
  HFONT controlFont_ = nullptr;
  HBITMAP titlePicture_ = nullptr;
  // The control that had the focus when the window was last deactivated.
  HWND lastFocus_ = nullptr;
  bool closeRan_ = false;
};

}  // namespace fuda
