// SPDX-License-Identifier: GPL-3.0-or-later
// One game at a time in the X server the test program runs under (xvfb-run), driven through real
// input (xdotool) from a scratch working folder seeded like an installed player's.
#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "support/file_content.h"

namespace kelvane::e2e {

namespace fs = std::filesystem;

using testing::ChangedFiles;
using testing::FileBytes;
using testing::FolderContent;
using testing::WriteBytes;

// The folder's files without the grade cache: New game writes it once its worker has graded the
// library, which a session does not wait for.
std::map<std::string, std::string> GameFolderContent(const std::filesystem::path& folder);

// Adds the files the game writes at exit with default options and last puzzle `puzzle`, in play
// on `figure` named `name` with nothing laid and no piece selected (the default figure when not
// given).
void AddFilesWrittenAtExit(std::map<std::string, std::string>& content,
                           const std::string& puzzle = "", const std::string& figure = "",
                           const std::string& name = "");

class XSession {
 public:
  XSession();
  // Kills a game still running; prints its output when the test failed.
  ~XSession();

  fs::path Work() const { return Root() / "work"; }
  // Games of this session may open the guide at a first start; by default they never do, so
  // that every other test sees the game as before.
  void AllowGuide() { allowGuide_ = true; }
  fs::path Home() const { return Root() / "home"; }
  // A new empty folder beside the working folder.
  fs::path NewFolder(const std::string& name) const;

  // Starts the game (or `command`, which ends in it) in `folder` (default: the working folder)
  // and waits for its window "Kelvane"; returns its id, empty when none came.
  QString Start(const QStringList& command = {}, const fs::path& folder = {},
                int timeoutMs = 30000);
  // Game > Exit by keyboard, retried while the game runs on (a slow start may swallow keys);
  // its exit status, or nothing when it did not end.
  std::optional<int> ExitThroughMenu(const QString& window);
  // Sends `signalNumber` to the game; its exit status, or nothing when it did not end normally.
  std::optional<int> Signal(int signalNumber);

  // The id of a visible window titled exactly `title`, once one appears; empty after the timeout.
  QString WaitForWindow(const QString& title, int timeoutMs = 10000);
  // The id of a visible window titled `title` other than `besides`, once one appears.
  QString WaitForOtherWindow(const QString& title, const QString& besides, int timeoutMs = 10000);
  // Waits until exactly `count` visible windows are titled `title` (none: it is gone); false
  // after the timeout.
  bool WaitForWindowCount(const QString& title, int count, int timeoutMs = 10000);
  QRect Geometry(const QString& window);
  void Focus(const QString& window);  // no window manager does it for us
  // Then a left click there, when `click`.
  void MoveMouse(int x, int y, bool click = false);
  // Key combinations in xdotool's names ("ctrl+n", "Return"), one after another.
  void Keys(const QStringList& combinations);
  void Type(const QString& text);
  QImage Capture();

 private:
  fs::path Root() const { return fs::path(root_.path().toStdString()); }
  QByteArray Xdotool(const QStringList& arguments);
  QByteArrayList VisibleWindows(const QString& title);
  // The NAME=value lines that an xdotool command prints with --shell.
  std::map<QByteArray, int> ShellValues(const QString& command, const QStringList& rest = {});

  QTemporaryDir root_;
  QProcess game_;
  bool allowGuide_ = false;
};

}  // namespace kelvane::e2e
