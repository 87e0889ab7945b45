#include "frontends/qt/input_free_wait.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/ui/ui_test_environment.h"

namespace fuda {
namespace {

TEST(InputBlocker, DropsClicksAndKeysWhileItLivesButNotPainting) {
  QPushButton button(QStringLiteral("Anki and Start"));
  button.show();
  QSignalSpy clicks(&button, &QPushButton::clicked);
  {
    InputBlocker blocker;
    QTest::mouseClick(&button, Qt::LeftButton);
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 0);
    // Painting goes on.
    const QImage image = button.grab().toImage();
    EXPECT_FALSE(image.isNull());
  }
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 1);
}

TEST(InputBlocker, RefusesClosingUntilItEnds) {
  QLabel window(QStringLiteral("Anki Timer"));
  window.show();
  {
    InputBlocker blocker;
    window.close();
    EXPECT_TRUE(window.isVisible());
  }
  window.close();
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace fuda
