// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry point: one copy per user, one window, one event loop.
#include <QApplication>

#include "model/game.h"
#include "shell/command_line.h"
#include "shell/dialogs/install_dialogs.h"
#include "shell/main_window.h"
#include "shell/single_instance.h"

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
  kelvane::MainWindow window(game);
  kelvane::InstallDialogs(window, game);
  QObject::connect(&instance, &kelvane::SingleInstance::ActivationRequested, &window,
                   &kelvane::MainWindow::BringToFront);
  window.show();
  return QApplication::exec();
}
