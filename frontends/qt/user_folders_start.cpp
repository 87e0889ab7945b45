#include "frontends/qt/user_folders_start.h"

#include <QMessageBox>

#include "frontends/qt/first_voice.h"
#include "frontends/qt/qt_text.h"
#include "core/texts/first_start_texts.h"

namespace fuda {

ProgramFolders prepareUserFolders(Language language) {
  const FolderEnvironment environment = currentFolderEnvironment();
  const ProgramFolders folders = chooseProgramFolders(environment);
  if (folders.layout != Layout::Installed) return folders;

  if (const std::string problem = makeUserFolders(folders, language); !problem.empty()) {
    QMessageBox::warning(nullptr, toQString(pick(language, texts::kFirstStartCaption)),
                         toQString(pick(language, texts::kFoldersFailed)) + "\n\n" +
                             toQString(problem));
  }
  std::error_code error;
  if (folders.dataDir.empty() || !std::filesystem::is_directory(folders.dataDir, error)) {
    return folders;
  }
  // Relative paths in the settings (".\data") start from the data folder.
  std::filesystem::current_path(folders.workingDir, error);
  makeFirstVoice(environment.programDir / kInstalledVoiceMaker, folders.defaultVoiceDir,
                 language);
  return folders;
}

}  // namespace fuda
