// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the status bar's line and the figure's tier up to date.
#include "shell/status_line.h"

#include <QLabel>
#include <QStatusBar>

#include "analysis/player_count.h"
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

}  // namespace

StatusLine::StatusLine(Game& game, Platform& platform, LibraryGrading& grading, QStatusBar& bar)
    : QObject(&bar),
      game_(game),
      platform_(platform),
      grading_(grading),
      label_(new QLabel),
      count_(this) {
  bar.setSizeGripEnabled(false);
  // The line starts where the piece panel's frame does, not at the window's edge.
  label_->setContentsMargins(12, 0, 12, 0);
  bar.addWidget(label_, 1);
  tick_.setInterval(kTickMs);
  connect(&tick_, &QTimer::timeout, this, &StatusLine::Refresh);
}

void StatusLine::Refresh() {
  SettleClock(game_, platform_);
  if (!GridEquals(game_.figure, seenFigure_)) {
    seenFigure_ = game_.figure;
    seenKey_ = FigureKey(seenFigure_);
    count_.Stop();
  }
  if (game_.play.won != wonSeen_) {
    wonSeen_ = game_.play.won;
    next_.reset();
    if (wonSeen_) {
      FindNextPuzzle();
    }
  }
  const bool known = seenKey_ == answeredKey_;
  if (!known && !count_.Running() && game_.createMode == 0) {
    CountTier();
  }
  const FigureTier tier{!known, known && tier_ ? TierName(*tier_) : std::string_view{}};
  const QString text = QString::fromStdString(
      StatusLineText(game_, tier, platform_.Milliseconds(), next_, platform_));
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
  count_.Start(
      [figure = seenFigure_](const std::atomic<bool>& stop) {
        const std::optional<PlayerCount> count = CountForPlayer(figure, CellGrid{}, stop);
        // A figure too large to count in time (a large one drawn by the player) shows no tier.
        return count && !count->tooMany ? std::optional(TierOf(count->counts.distinct))
                                        : std::nullopt;
      },
      [this, key = seenKey_](std::optional<Tier> tier) {
        answeredKey_ = key;
        tier_ = tier;
        Refresh();
      });
}

}  // namespace kelvane
