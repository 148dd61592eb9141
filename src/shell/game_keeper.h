// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the game's files up to date while it runs, so that an end without a normal close (a
// signal, a lost display) loses at most the last moment.
#pragma once

#include <QObject>
#include <QTimer>
#include <map>
#include <string>

namespace kelvane {

struct Game;
class Platform;

class GameKeeper : public QObject {
  Q_OBJECT

 public:
  // How long after a first unsaved change the files are written: changes in quick succession
  // are written together.
  static constexpr int kSaveDelayMs = 500;

  GameKeeper(Game& game, Platform& platform, QObject* parent = nullptr);

  // Something the files may hold has changed: a save follows shortly. The shell calls this on
  // every repaint, as everything kept is shown.
  void Changed();

  // Writes each kept file whose text differs from what this session last wrote to it. The first
  // file that cannot be written is told to the player; later ones are not.
  void SaveChanges();
  // On the way out: every kept file written anew, even one removed meanwhile; nothing is told.
  void SaveEverything();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // False when a file could not be written.
  bool Save();

  Game& game_;
  Platform& platform_;
  QTimer timer_;
  std::map<std::string, std::string> written_;
  bool told_ = false;
};

}  // namespace kelvane
