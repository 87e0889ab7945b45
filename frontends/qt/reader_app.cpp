#include "frontends/qt/reader_app.h"

#include <QDesktopServices>
#include <QUrl>

#include "core/screen/reader_command_ids.h"
#include "frontends/qt/card_selection_dialog.h"
#include "frontends/qt/third_game_dialog.h"
#include "frontends/qt/timer_tool_window.h"

namespace fuda {

ReaderApp::ReaderApp(Language language, ReaderPaths paths, ProgramPorts& ports,
                     InputFreePause pause)
    : pause_(std::move(pause)),
      window_(std::make_unique<MainWindow>(language, ports.messages())),
      toolWindows_(language),
      program_(language, std::move(paths), ports, *window_, *this) {
  registerCardSelectionDialog(toolWindows_, program_.selection(), program_.messages());
  registerThirdGameDialog(toolWindows_, program_.selection(), program_.messages());
  registerTimerToolWindow(toolWindows_, program_.memoTimer());
  QObject::connect(window_.get(), &MainWindow::commandIssued, window_.get(),
                   [this](int id) {
                     if (auto command = readerCommandFor(id)) program_.dispatchCommand(*command);
                   });
  QObject::connect(window_.get(), &MainWindow::trackBarMoved, window_.get(),
                   [this](int position) { program_.timingChanged(position); });
  window_->setCloseHandler([this] { shutdown(); });
}

ReaderApp::~ReaderApp() { shutdown(); }

void ReaderApp::openToolWindow(std::string_view name) {
  showToolWindow(window_.get(), name, toolWindows_);
}

void ReaderApp::openHelp(const std::filesystem::path& file) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

void ReaderApp::pauseWithoutInput(double ms) { pause_(ms); }

}  // namespace fuda
