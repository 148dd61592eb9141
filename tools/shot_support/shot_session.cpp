// SPDX-License-Identifier: GPL-3.0-or-later
#include "shot_session.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <cstdio>

#include "model/game.h"
#include "shell/main_window.h"
#include "shell/translations.h"
#include "storage/puzzle_file.h"

namespace kelvane {

std::optional<QStringList> StartShotSession(int argc, char* argv[], QTemporaryDir& workingFolder) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s puzzle-library output-folder...\n", argv[0]);
    return std::nullopt;
  }
  const QString library = QDir(argv[1]).absolutePath();
  QStringList folders;
  for (int i = 2; i < argc; ++i) {
    folders << QDir(argv[i]).absolutePath();
  }
  // The pictures speak the system's language, as the game does: LANGUAGE=de draws the German ones.
  InstallTranslations(LanguageToSpeak(""));
  QDir::setCurrent(workingFolder.path());
  const QString puzzles = QString::fromUtf8(kPuzzleFolder);
  QDir().mkpath(puzzles);
  for (const QString& name : QDir(library).entryList({"*.kvp"}, QDir::Files)) {
    QFile::copy(library + "/" + name, puzzles + "/" + name);
  }
  return folders;
}

int RunWindowShots(
    int argc, char* argv[],
    const std::function<bool(Game&, MainWindow&, const QStringList& folders)>& draw) {
  QApplication application(argc, argv);
  QTemporaryDir workingFolder;
  const std::optional<QStringList> started = StartShotSession(argc, argv, workingFolder);
  if (!started) {
    return 2;
  }
  static Game game;
  MainWindow window(game);
  return draw(game, window, *started) ? 0 : 1;
}

bool SaveShot(QWidget& widget, const QStringList& folders, const QString& name,
              const std::function<void()>& justBefore) {
  widget.show();
  QApplication::processEvents();
  widget.grab();
  QApplication::processEvents();
  if (justBefore) {
    justBefore();
  }
  const QPixmap picture = widget.grab();
  bool saved = true;
  for (const QString& folder : folders) {
    QDir().mkpath(folder);
    saved = picture.save(folder + "/" + name) && saved;
  }
  return saved;
}

}  // namespace kelvane
