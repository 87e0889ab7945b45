#include "core/countdown/announcer.h"

#include <gtest/gtest.h>

#include "tests/fakes/deferred_threads.h"
#include "tests/fakes/fake_ports.h"

namespace fuda {
namespace {

using testing::DeferredThreads;
using testing::FakeClipSource;
using testing::RecordingMessages;
using testing::RecordingSound;
using testing::VirtualClock;

struct AnnouncerTest : ::testing::Test {
  VirtualClock clock;
  RecordingSound sound{clock};
  RecordingMessages messages;
  FakeClipSource clips{messages};
  DeferredThreads threads;
  Announcer announcer{threads, clips, sound};
};

TEST_F(AnnouncerTest, LoadsAndPlaysOnAThreadOfItsOwn) {
  announcer.announce("anki_s");
  EXPECT_TRUE(clips.loads().empty());  // nothing on the calling thread
  ASSERT_EQ(threads.pending(), 1u);
  threads.runAll();
  EXPECT_EQ(clips.loads(), (std::vector<std::string>{"anki_s"}));
  ASSERT_EQ(sound.events().size(), 1u);
  EXPECT_EQ(sound.events()[0].kind, RecordingSound::Kind::Async);
  EXPECT_EQ(sound.events()[0].clip, "anki_s");
}

TEST_F(AnnouncerTest, MissingClipIsReportedAndSilencesNothing) {
  clips.setLength("anki_s", 5000);
  clips.setMissing("nifun");
  announcer.announce("anki_s");
  threads.runAll();
  announcer.announce("nifun");
  threads.runAll();
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, "./data/Mesg/nifun.WAV");
  // The start announcement is not cut by the missing one.
  ASSERT_EQ(sound.events().size(), 1u);
  EXPECT_DOUBLE_EQ(sound.events()[0].heardUntilMs, 5000);
}

TEST_F(AnnouncerTest, NewerAnnouncementCutsTheOlder) {
  announcer.announce("nifun");
  announcer.announce("shiai_s");
  threads.runAll();
  EXPECT_EQ(sound.played(), (std::vector<std::string>{"nifun", "shiai_s"}));
  EXPECT_DOUBLE_EQ(sound.events()[0].heardUntilMs, 0);     // cut at once
  EXPECT_DOUBLE_EQ(sound.events()[1].heardUntilMs, 2000);  // heard whole
}

TEST_F(AnnouncerTest, OlderAnnouncementLoadedLateIsDropped) {
  announcer.announce("nifun");
  announcer.announce("shiai_s");
  threads.run(1);  // "shiai_s" is ready first
  threads.run(0);
  EXPECT_EQ(sound.played(), (std::vector<std::string>{"shiai_s"}));
  EXPECT_DOUBLE_EQ(sound.events()[0].heardUntilMs, 2000);
}

TEST_F(AnnouncerTest, WaitingAnnouncementPlaysOnTheCallerToItsEnd) {
  clips.setLength("shiai_s", 3500);
  announcer.announce("nifun");  // still loading when the end comes
  announcer.announceAndWait("shiai_s");
  EXPECT_DOUBLE_EQ(clock.nowMs(), 3500);
  ASSERT_EQ(sound.events().size(), 1u);
  EXPECT_EQ(sound.events()[0].kind, RecordingSound::Kind::Sync);
  threads.runAll();
  EXPECT_EQ(sound.played(), (std::vector<std::string>{"shiai_s"}));
}

}  // namespace
}  // namespace fuda
