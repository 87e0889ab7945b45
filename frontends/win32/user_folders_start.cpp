#include "frontends/win32/user_folders_start.h"

#include <system_error>

#include "adapters/user_folders.h"
#include "core/texts/first_start_texts.h"

namespace fuda {

namespace fs = std::filesystem;

namespace {

// Copied under a new name and renamed into place, so a copy cut short is
// never taken for the voice; it is tried again at the next start.
bool copyFirstVoice(const fs::path& installed, const fs::path& voiceDir) {
  std::error_code error;
  if (fs::exists(voiceDir, error) || !fs::is_directory(installed, error)) return true;
  fs::path partial = voiceDir;
  partial += ".new";
  fs::remove_all(partial, error);
  fs::copy(installed, partial, fs::copy_options::recursive, error);
  if (!error) fs::rename(partial, voiceDir, error);
  if (!error) return true;
  fs::remove_all(partial, error);
  return false;
}

}  // namespace

ProgramFolders prepareUserFolders(Language language, MessageSink& messages) {
  const FolderEnvironment environment = currentFolderEnvironment();
  const ProgramFolders folders = chooseProgramFolders(environment);
  if (folders.layout != Layout::Installed) return folders;

  const std::string caption(pick(language, texts::kFirstStartCaption));
  if (const std::string problem = makeUserFolders(folders, language); !problem.empty()) {
    messages.showMessage(caption,
                         std::string(pick(language, texts::kFoldersFailed)) + "\n\n" + problem,
                         MessageOwner::None);
  }
  std::error_code error;
  if (folders.dataDir.empty() || !fs::is_directory(folders.dataDir, error)) return folders;
  // Relative paths in the settings (".\data") start from the data folder.
  fs::current_path(folders.workingDir, error);
  if (!copyFirstVoice(environment.programDir / "data", folders.defaultVoiceDir)) {
    messages.showMessage(caption, pick(language, texts::kVoiceFailed), MessageOwner::None);
  }
  return folders;
}

}  // namespace fuda
