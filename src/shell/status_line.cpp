// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the status bar's line and the figure's tier up to date.
#include "shell/status_line.h"

#include <QLabel>
#include <QStatusBar>

#include "model/game.h"
#include "model/platform.h"
#include "model/play_tally.h"
#include "model/solved_puzzles.h"
#include "model/status_line.h"
#include "shell/library_grading.h"
#include "storage/new_game_dialog.h"
#include "storage/next_puzzle.h"

namespace kelvane {

namespace {

constexpr int kTickMs = 250;
// A figure that takes longer than this (a large one drawn by the player) shows no tier.
constexpr std::chrono::seconds kCountTimeLimit{20};

}  // namespace

StatusLine::StatusLine(Game& game, Platform& platform, LibraryGrading& grading, QStatusBar& bar)
    : QObject(&bar), game_(game), platform_(platform), grading_(grading), label_(new QLabel) {
  bar.setSizeGripEnabled(false);
  // The line starts where the piece panel's frame does, not at the window's edge.
  label_->setContentsMargins(12, 0, 12, 0);
  bar.addWidget(label_, 1);
  tick_.setInterval(kTickMs);
  connect(&tick_, &QTimer::timeout, this, &StatusLine::Refresh);
}

StatusLine::~StatusLine() {
  cancel_ = true;
  if (worker_.joinable()) {
    worker_.join();
  }
}

void StatusLine::Refresh() {
  SettleClock(game_, platform_);
  if (!GridEquals(game_.figure, seenFigure_)) {
    seenFigure_ = game_.figure;
    seenKey_ = FigureKey(seenFigure_);
    cancel_ = counting_;
  }
  if (game_.play.won != wonSeen_) {
    wonSeen_ = game_.play.won;
    next_.reset();
    if (wonSeen_) {
      FindNextPuzzle();
    }
  }
  const bool known = seenKey_ == answeredKey_;
  if (!known && !counting_ && game_.createMode == 0) {
    CountTier();
  }
  const FigureTier tier{!known, known && tier_ ? TierName(*tier_) : std::string_view{}};
  const QString text =
      QString::fromStdString(StatusLineText(game_, tier, platform_.Milliseconds(), next_));
  if (label_->text() != text) {
    label_->setText(text);
  }
  const bool running = game_.play.clock.runningSince.has_value() && game_.extras.clockAndMoves;
  if (running != tick_.isActive()) {
    running ? tick_.start() : tick_.stop();
  }
}

QString StatusLine::Text() const {
  return label_->text();
}

void StatusLine::FindNextPuzzle() {
  grading_.Complete(OpenNewGameList(game_), [this] {
    if (game_.play.won) {
      next_ = NextPuzzleName(game_, grading_.Grades());
      Refresh();
    }
  });
}

void StatusLine::CountTier() {
  if (worker_.joinable()) {
    worker_.join();
  }
  counting_ = true;
  cancel_ = false;
  worker_ = std::thread([this, figure = seenFigure_, key = seenKey_] {
    CountLimits limits;
    limits.cancel = &cancel_;
    limits.timeLimit = kCountTimeLimit;
    const CountOutcome outcome = CountCompletions(figure, CellGrid{}, limits);
    const bool left = cancel_;
    const std::optional<Tier> tier =
        outcome.finished ? std::optional(TierOf(outcome.counts.distinct)) : std::nullopt;
    // Taken on the window's thread; the figure now in play, if another, is counted next.
    QMetaObject::invokeMethod(
        this,
        [this, key, tier, left] {
          counting_ = false;
          if (!left) {
            answeredKey_ = key;
            tier_ = tier;
          }
          Refresh();
        },
        Qt::QueuedConnection);
  });
}

}  // namespace kelvane
