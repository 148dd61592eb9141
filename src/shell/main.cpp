// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry point: one copy per user, one window, one event loop.
#include <QApplication>
#include <QListWidget>

#include "model/game.h"
#include "shell/command_line.h"
#include "shell/dialogs/install_dialogs.h"
#include "shell/game_keeper.h"
#include "shell/main_window.h"
#include "shell/single_instance.h"
#include "shell/stop_signals.h"
#include "shell/translations.h"
#include "storage/guide_mark_file.h"
#include "storage/language_choice_file.h"
#include "storage/text_file.h"

namespace {
// The one game, alive for the whole run.
kelvane::Game game;
}  // namespace

int main(int argc, char* argv[]) {
  QApplication::setApplicationVersion(KELVANE_VERSION);
  kelvane::AnswerInformationOptions(argc, argv);
  QApplication application(argc, argv);
  if (const std::optional<int> error = kelvane::RejectUnknownOptions(QApplication::arguments())) {
    return *error;
  }
  kelvane::SingleInstance instance;
  if (instance.AnotherIsRunning()) {
    return 0;
  }
  // Only now is this the one copy on the folder: what a crashed run left half-written can go.
  kelvane::RemoveStaleTemporaries(".");
  kelvane::RemoveStaleTemporaries("Puzzles");
  // Looked at before the window reads its files; tests and picture tools opt out.
  const bool firstStart =
      !qEnvironmentVariableIsSet("KELVANE_NO_GUIDE") && kelvane::IsFirstStart(game);
  // Every menu and dialog is made in the one language chosen here.
  kelvane::InstallTranslations(kelvane::LanguageToSpeak(kelvane::ChosenLanguage()));
  kelvane::MainWindow window(game);
  kelvane::GameKeeper keeper(game, window.GamePlatform());
  window.Field().installEventFilter(&keeper);
  window.Panel().viewport()->installEventFilter(&keeper);
  // A logout, a shutdown or Ctrl+C in a terminal: the game is written, then the program ends.
  kelvane::StopSignals stopSignals;
  QObject::connect(&stopSignals, &kelvane::StopSignals::StopRequested, &keeper, [&keeper] {
    keeper.SaveEverything();
    QCoreApplication::exit(0);
  });
  kelvane::InstallDialogs(window, game);
  QObject::connect(&instance, &kelvane::SingleInstance::ActivationRequested, &window,
                   &kelvane::MainWindow::BringToFront);
  window.show();
  if (firstStart) {
    window.ShowGuide();
  }
  return QApplication::exec();
}
