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

namespace kelvane {

namespace {

constexpr int kTickMs = 250;

}  // namespace

StatusLine::StatusLine(Game& game, Platform& platform, QStatusBar& bar)
    : QObject(&bar), game_(game), platform_(platform), label_(new QLabel) {
  bar.setSizeGripEnabled(false);
  // The line starts where the piece panel's frame does, not at the window's edge.
  label_->setContentsMargins(12, 0, 12, 0);
  bar.addWidget(label_, 1);
  tick_.setInterval(kTickMs);
  connect(&tick_, &QTimer::timeout, this, &StatusLine::Refresh);
}

StatusLine::~StatusLine() {
  if (worker_.joinable()) {
    worker_.join();
  }
}

void StatusLine::Refresh() {
  SettleClock(game_, platform_);
  if (!GridEquals(game_.figure, seenFigure_)) {
    seenFigure_ = game_.figure;
    seenKey_ = FigureKey(seenFigure_);
  }
  const bool known = seenKey_ == answeredKey_;
  if (!known && !counting_ && game_.createMode == 0) {
    CountTier();
  }
  const FigureTier tier{!known, known && tier_ ? TierName(*tier_) : std::string_view{}};
  const QString text =
      QString::fromStdString(StatusLineText(game_, tier, platform_.Milliseconds()));
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

void StatusLine::CountTier() {
  if (worker_.joinable()) {
    worker_.join();
  }
  counting_ = true;
  worker_ = std::thread([this, figure = seenFigure_, key = seenKey_] {
    const std::optional<CompletionCounts> counts = CountCompletions(figure);
    const std::optional<Tier> tier =
        counts ? std::optional(TierOf(counts->distinct)) : std::nullopt;
    // Taken on the window's thread; an answer for a figure since left is kept but not shown,
    // and the figure now in play is counted next.
    QMetaObject::invokeMethod(
        this,
        [this, key, tier] {
          counting_ = false;
          answeredKey_ = key;
          tier_ = tier;
          Refresh();
        },
        Qt::QueuedConnection);
  });
}

}  // namespace kelvane
