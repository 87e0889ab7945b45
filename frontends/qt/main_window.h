#pragma once
// The reader's main window: the title picture, the four buttons, the poem
// labels, the reading-mode radio buttons, the timing track bar and its label,
// the status bar and the menu bar. Every button, menu item and gesture is
// reported through commandIssued(id); the reading engine drives the window
// through the ReaderView port, from any thread.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>

#include "core/texts/language.h"
#include "core/ports/message_sink.h"
#include "core/ports/reader_view.h"
#include "core/screen/main_window_layout.h"
#include "frontends/qt/mouse_lock.h"

class QLabel;
class QSlider;
class QMenu;
class QMouseEvent;

namespace fuda {

class MainWindow : public QMainWindow, public ReaderView {
  Q_OBJECT

 public:
  // Message boxes go to `messages`.
  MainWindow(Language language, MessageSink& messages);
  ~MainWindow() override;

  // ReaderView; any thread. Calls from other threads are queued onto the GUI
  // thread.
  void setText(ControlId id, std::string_view text) override;
  void setEnabled(ControlId id, Enablement state) override;
  void setTrackBarPosition(int position) override;
  void setReadModeRadio(ReadMode mode) override;
  void releasePointer() override;
  void quitProgram() override;
  void showMessage(std::string_view caption, std::string_view text,
                   MessageOwner owner = MessageOwner::MainWindow) override;

  // GUI thread.
  QWidget* control(int id) const;
  QSlider* trackBar() const { return trackBar_; }
  MouseLock& mouseLock() { return mouseLock_; }
  Language language() const { return language_; }
  // The client area holding the controls (below the menu bar).
  QWidget* client() const { return centralWidget(); }
  // Called once when the window is closed or the program quits, before the
  // window goes away.
  void setCloseHandler(std::function<void()> handler) { closeHandler_ = std::move(handler); }

 signals:
  // GUI thread: a button, radio button, menu item or gesture.
  void commandIssued(int id);
  // GUI thread: the track bar moved (dragging, release, keyboard).
  void trackBarMoved(int position);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  // One control of the screen model, placed and connected.
  QWidget* addControl(const ControlLayout& layout);
  // Whether a press in the client area is on its background rather than on
  // an enabled control.
  bool onBackground(const QMouseEvent& mouse) const;

  Language language_;
  MessageSink& messages_;
  MouseLock mouseLock_;
  std::map<int, QPointer<QWidget>> controls_;
  QSlider* trackBar_ = nullptr;
  std::function<void()> closeHandler_;
  bool closing_ = false;
};

}  // namespace fuda
