#include "voicegen/voice_folder.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/fakes/temp_folder.h"

namespace fuda {
namespace {

namespace fs = std::filesystem;

VoiceLine line(const char* name, ClipFolder folder, const char* kana, SpeechPace pace) {
  VoiceLine made;
  made.name = name;
  made.folder = folder;
  made.kana = kana;
  made.pace = pace;
  return made;
}

// Three clips stand for a whole voice: the rules do not depend on the count.
const std::vector<VoiceLine> kLines = {
    line("I-000A", ClipFolder::Verses, "なにわずに", SpeechPace::Recitation),
    line("I-000B", ClipFolder::Verses, "いまわ", SpeechPace::Recitation),
    line("nifun", ClipFolder::Announcements, "にふん", SpeechPace::Announcement),
};

class VoiceFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(dir_ / "Mesg"); }

  void touch(const fs::path& relative) { std::ofstream(dir_ / relative) << "x"; }
  FolderInspection inspect() { return inspectVoiceFolder(dir_, kLines); }
  void makeOwnVoice(ClipFormat format, VoiceState state) {
    for (const VoiceLine& line : kLines) {
      std::ofstream(clipPath(dir_, line, format)) << "x";
    }
    ASSERT_TRUE(writeVoiceMarker(dir_, format, state));
  }

  testing::TempFolder folder_;
  const fs::path dir_ = folder_.path();
};

TEST_F(VoiceFolderTest, AFolderWithoutClipsIsEmptyWhateverElseItHolds) {
  touch("notes.txt");
  touch("I-101A.wav");  // no clip of a voice
  touch("Mesg/other.wav");
  EXPECT_EQ(inspect().state, FolderState::Empty);
}

TEST_F(VoiceFolderTest, ClipsWithoutTheMarkerAreAnotherVoice) {
  touch("i-000b.WAV");  // names match without regard to case
  const FolderInspection found = inspect();
  EXPECT_EQ(found.state, FolderState::OtherVoice);
  ASSERT_EQ(found.clips.size(), 1u);
  EXPECT_EQ(found.clips.front().filename(), "i-000b.WAV");
}

TEST_F(VoiceFolderTest, AnnouncementsAloneAreAnotherVoiceToo) {
  touch("Mesg/NIFUN.mp3");
  EXPECT_EQ(inspect().state, FolderState::OtherVoice);
}

TEST_F(VoiceFolderTest, OwnVoiceIsCompleteOnlyWithEveryClipAndTheCompleteMark) {
  makeOwnVoice(ClipFormat::Ogg, VoiceState::Complete);
  FolderInspection found = inspect();
  EXPECT_EQ(found.state, FolderState::OwnComplete);
  EXPECT_EQ(found.markedFormat, ClipFormat::Ogg);

  fs::remove(dir_ / "Mesg" / "nifun.ogg");
  EXPECT_EQ(inspect().state, FolderState::OwnIncomplete);

  makeOwnVoice(ClipFormat::Ogg, VoiceState::Incomplete);
  EXPECT_EQ(inspect().state, FolderState::OwnIncomplete);
}

TEST_F(VoiceFolderTest, ClipsInAFormatTheMarkerDoesNotNameAreAnotherVoice) {
  makeOwnVoice(ClipFormat::Mp3, VoiceState::Complete);
  touch("I-000A.wav");
  EXPECT_EQ(inspect().state, FolderState::OtherVoice);
}

TEST_F(VoiceFolderTest, HalfWrittenClipsAreLeftoversNotClips) {
  touch("I-000A.wav.part");
  const FolderInspection found = inspect();
  EXPECT_EQ(found.state, FolderState::Empty);
  ASSERT_EQ(found.leftovers.size(), 1u);
}

TEST_F(VoiceFolderTest, AMarkerThatIsNotOursCountsAsNone) {
  std::ofstream(dir_ / kVoiceMarkerName) << "something else\nformat=wav\n";
  touch("I-000A.wav");
  EXPECT_EQ(inspect().state, FolderState::OtherVoice);
}

TEST(PlanVoiceRun, AnotherVoiceIsRefusedUnlessOverwritten) {
  FolderInspection folder;
  folder.state = FolderState::OtherVoice;
  folder.clips = {"d/I-000A.wav", "d/Mesg/nifun.wav"};
  folder.leftovers = {"d/I-000B.wav.part"};
  RunPlan plan = planVoiceRun(folder, ClipFormat::Wav, Existing::Rebuild,
                              OtherClips::Refuse, Coverage::WholeVoice);
  EXPECT_EQ(plan.action, RunAction::Refuse);
  EXPECT_TRUE(plan.remove.empty());

  plan = planVoiceRun(folder, ClipFormat::Wav, Existing::Keep,
                      OtherClips::Overwrite, Coverage::WholeVoice);
  EXPECT_EQ(plan.action, RunAction::Make);
  EXPECT_EQ(plan.remove.size(), 3u);
  EXPECT_EQ(plan.stateAfter, VoiceState::Complete);
}

TEST(PlanVoiceRun, ACompleteVoiceIsKeptUnlessRebuiltOrAnotherFormatIsWanted) {
  FolderInspection folder;
  folder.state = FolderState::OwnComplete;
  folder.markedFormat = ClipFormat::Wav;
  folder.clips = {"d/I-000A.wav"};
  EXPECT_EQ(planVoiceRun(folder, ClipFormat::Wav, Existing::Keep,
                         OtherClips::Refuse, Coverage::WholeVoice)
                .action,
            RunAction::KeepComplete);

  RunPlan plan = planVoiceRun(folder, ClipFormat::Wav, Existing::Rebuild,
                              OtherClips::Refuse, Coverage::WholeVoice);
  EXPECT_EQ(plan.action, RunAction::Make);
  EXPECT_EQ(plan.remove, folder.clips);

  // The reader would go on reading the WAV clips left beside new MP3 ones.
  plan = planVoiceRun(folder, ClipFormat::Mp3, Existing::Keep,
                      OtherClips::Refuse, Coverage::WholeVoice);
  EXPECT_EQ(plan.action, RunAction::Make);
  EXPECT_EQ(plan.remove, folder.clips);
}

TEST(PlanVoiceRun, AnIncompleteVoiceIsReplaced) {
  FolderInspection folder;
  folder.state = FolderState::OwnIncomplete;
  folder.markedFormat = ClipFormat::Ogg;
  folder.clips = {"d/I-000A.ogg"};
  folder.leftovers = {"d/I-000B.ogg.part"};
  const RunPlan plan = planVoiceRun(folder, ClipFormat::Ogg, Existing::Keep,
                                    OtherClips::Refuse, Coverage::WholeVoice);
  EXPECT_EQ(plan.action, RunAction::Make);
  EXPECT_EQ(plan.remove.size(), 2u);
  EXPECT_EQ(plan.stateAfter, VoiceState::Complete);
}

TEST(PlanVoiceRun, ChosenClipsKeepTheRestAndTheVoiceState) {
  FolderInspection folder;
  folder.state = FolderState::OwnComplete;
  folder.markedFormat = ClipFormat::Wav;
  folder.clips = {"d/I-000A.wav"};
  RunPlan plan = planVoiceRun(folder, ClipFormat::Wav, Existing::Keep,
                              OtherClips::Refuse, Coverage::ChosenClips);
  EXPECT_EQ(plan.action, RunAction::Make);
  EXPECT_TRUE(plan.remove.empty());
  EXPECT_EQ(plan.stateAfter, VoiceState::Complete);

  folder.state = FolderState::Empty;
  folder.markedFormat.reset();
  folder.clips.clear();
  plan = planVoiceRun(folder, ClipFormat::Wav, Existing::Keep,
                      OtherClips::Refuse, Coverage::ChosenClips);
  EXPECT_EQ(plan.stateAfter, VoiceState::Incomplete);
}

}  // namespace
}  // namespace fuda
