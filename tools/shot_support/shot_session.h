// SPDX-License-Identifier: GPL-3.0-or-later
// What the programs that draw the manual's pictures share: a working folder holding a copy of the
// puzzle library, and pictures saved into every output folder.
#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <optional>

namespace kelvane {

// The output folders named by the command line "puzzle-library output-folder...", after making
// `workingFolder`, holding a copy of the library's puzzle files, the current folder. Nothing, after
// printing the usage, when the command line is short.
std::optional<QStringList> StartShotSession(int argc, char* argv[], QTemporaryDir& workingFolder);

struct Game;
class MainWindow;

// The exit code of a picture maker: `draw` runs on a main window over a Game of its own, in the
// session's working folder, and says whether every picture was saved into `folders`.
int RunWindowShots(int argc, char* argv[],
                   const std::function<bool(Game&, MainWindow&, const QStringList& folders)>& draw);

// Shows `widget`, lets the answers that follow a frame arrive, runs `justBefore` and saves its
// picture as `name` in each folder.
bool SaveShot(QWidget& widget, const QStringList& folders, const QString& name,
              const std::function<void()>& justBefore = {});

}  // namespace kelvane
