#include "frontends/qt/timer_face.h"

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "core/screen/timer_window_layout.h"
#include "frontends/qt/fonts.h"

namespace fuda {

TimerFace::TimerFace(Language language, int displayId, ClockArea area, QWidget* parent)
    : QWidget(parent), area_(area) {
  display_ = new QLabel(this);
  display_->setObjectName(QString::number(displayId));
  display_->setFont(countdownFont(language));
  display_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  display_->setGeometry(kCountdownDisplayBox.x, kCountdownDisplayBox.y, kCountdownDisplayBox.width,
                        kCountdownDisplayBox.height);
  display_->setAttribute(Qt::WA_TransparentForMouseEvents);

  ticker_.setInterval(kCountdownTickMs);
  // A coarse timer would let the display lag the new second by up to 5% of
  // the period; the precise one keeps it within a few milliseconds.
  ticker_.setTimerType(Qt::PreciseTimer);
  connect(&ticker_, &QTimer::timeout, this, &TimerFace::ticked);
}

void TimerFace::setDisplayText(std::string_view text) {
  display_->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void TimerFace::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const ClockHand& hand : clockHands(width(), height(), handsTime_, area_)) {
    QPen pen(QColor(hand.pen.red, hand.pen.green, hand.pen.blue), hand.pen.width,
             Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawLine(hand.from.x, hand.from.y, hand.to.x, hand.to.y);
  }
}

void TimerFace::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton && popup_) {
    popup_->popup(event->globalPosition().toPoint());
    event->accept();
    return;
  }
  QWidget::mousePressEvent(event);
}

}  // namespace fuda
