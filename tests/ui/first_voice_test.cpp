#include "frontends/qt/first_voice.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "tests/fakes/temp_folder.h"

namespace fuda {
namespace {

namespace fs = std::filesystem;

// Runs makeFirstVoice with a stand-in voice maker and keeps the texts of the
// message boxes it raises (each dismissed at once).
QStringList messagesAfterMaker(const std::string& script) {
  testing::TempFolder folder;
  fs::path maker = folder / "maker";
  if (!script.empty()) {
    maker = folder.write("maker", "#!/bin/sh\n" + script);
    fs::permissions(maker, fs::perms::owner_all);
  }
  QStringList texts;
  QTimer catcher;
  QObject::connect(&catcher, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      texts << box->text();
      box->accept();
    }
  });
  catcher.start(10);
  makeFirstVoice(maker, folder / "data", Language::English);
  return texts;
}

TEST(FirstVoice, AVoiceMakerThatFailsIsReportedWithItsReason) {
  QStringList texts =
      messagesAfterMaker("echo 'cannot write I-001A.wav: No space left on device' >&2\nexit 1\n");
  ASSERT_EQ(texts.size(), 1);
  EXPECT_TRUE(texts[0].startsWith("The default voice could not be made. It is made again"));
  EXPECT_TRUE(texts[0].contains("No space left on device")) << texts[0].toStdString();

  texts = messagesAfterMaker("");  // no voice maker installed
  ASSERT_EQ(texts.size(), 1);
  EXPECT_TRUE(texts[0].startsWith("The default voice could not be made."));
}

TEST(FirstVoice, AMadeOrRecordedVoiceRaisesNothing) {
  EXPECT_TRUE(messagesAfterMaker("exit 0\n").isEmpty());
  // Status 3: the folder holds a recorded voice, used as it is.
  EXPECT_TRUE(messagesAfterMaker("exit 3\n").isEmpty());
}

}  // namespace
}  // namespace fuda
