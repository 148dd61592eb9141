// SPDX-License-Identifier: GPL-3.0-or-later
// The debounced saving of the kept files and the one message when they cannot be written.
#include "shell/game_keeper.h"

#include <QEvent>
#include <filesystem>

#include "model/game.h"
#include "model/game_messages.h"
#include "model/platform.h"
#include "storage/kept_files.h"

namespace kelvane {
namespace {

constexpr const char* kCannotKeepFiles = QT_TRANSLATE_NOOP(
    "Kelvane",
    "The game cannot save its files in the folder \"%1\": it may be read-only, full or gone.\n\n"
    "The game in progress and the options of this session will be lost when it ends.");

}  // namespace

GameKeeper::GameKeeper(Game& game, Platform& platform, QObject* parent)
    : QObject(parent), game_(game), platform_(platform) {
  timer_.setSingleShot(true);
  timer_.setInterval(kSaveDelayMs);
  connect(&timer_, &QTimer::timeout, this, [this] { SaveChanges(); });
}

void GameKeeper::Changed() {
  // Not restarted by later changes: a stream of them still saves every half second.
  if (!timer_.isActive()) {
    timer_.start();
  }
}

bool GameKeeper::Save() {
  timer_.stop();
  return !WriteChangedKeptFiles(game_, platform_, written_).failed;
}

void GameKeeper::SaveEverything() {
  written_.clear();
  Save();
}

void GameKeeper::SaveChanges() {
  if (!Save() && !told_) {
    told_ = true;
    std::error_code error;
    const std::string folder = std::filesystem::current_path(error).string();
    ShowGameMessage(game_, platform_, kCannotKeepFiles, MessageStyle::Stop, {folder});
  }
}

bool GameKeeper::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::Paint) {
    Changed();
  }
  return false;
}

}  // namespace kelvane
