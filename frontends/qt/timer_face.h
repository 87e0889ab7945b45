#pragma once
// The client area shared by both timer windows: the countdown display with
// the countdown font, the three clock hands drawn behind it, the 10 ms tick
// that drives the countdown, and the timer popup on a right click anywhere
// on it (the display lets clicks through, as a static text does).
#include <QTimer>
#include <QWidget>
#include <string_view>

#include "core/countdown/clock_hands.h"
#include "core/countdown/countdown_run.h"
#include "core/ports/clock.h"
#include "core/ports/timer_face_view.h"
#include "core/texts/language.h"

class QLabel;
class QMenu;

namespace fuda {

class TimerFace : public QWidget, public TimerFaceView {
  Q_OBJECT

 public:
  // `displayId` becomes the display's objectName.
  TimerFace(Language language, int displayId, ClockArea area, QWidget* parent = nullptr);

  // GUI thread, as everything here.
  QLabel* display() const { return display_; }
  void setDisplayText(std::string_view text);
  // TimerFaceView
  void showCountdownText(std::string_view text) override { setDisplayText(text); }
  void showHands(const LocalTime& time) override {
    handsTime_ = time;
    update();
  }
  const LocalTime& handsTime() const { return handsTime_; }
  // Opened at the pointer on a right button press.
  void setPopup(QMenu* popup) { popup_ = popup; }
  QMenu* popup() const { return popup_; }

  void startTicking() { ticker_.start(); }
  void stopTicking() { ticker_.stop(); }
  bool isTicking() const { return ticker_.isActive(); }

 signals:
  // About every 10 ms while ticking.
  void ticked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  ClockArea area_;
  QLabel* display_ = nullptr;
  QMenu* popup_ = nullptr;
  LocalTime handsTime_{};
  QTimer ticker_;
};

}  // namespace fuda
