// SPDX-License-Identifier: GPL-3.0-or-later
// Answering each new position once its frame is shown, and the browser's commands.
#include "shell/solver_feedback.h"

#include <QPainter>
#include <QTimer>

#include "analysis/player_count.h"
#include "model/command_ids.h"
#include "model/create_mode.h"
#include "model/game.h"
#include "model/game_messages.h"
#include "model/platform.h"
#include "shell/feedback_painting.h"
#include "shell/progress_wait.h"
#include "shell/translations.h"

namespace kelvane {

namespace {

constexpr int kCreatedFigureCubes = 27;
// Also what a figure too large for the enumerator gets.
constexpr const char* kNoSolutionToBrowse =
    QT_TRANSLATE_NOOP("Kelvane", "No solution to show for this figure.");
constexpr const char* kFindingSolutions = QT_TRANSLATE_NOOP("Kelvane", "Finding solutions…");

// An answer that takes longer than this shows that it is being found.
constexpr int kSlowAnswerMs = 300;

}  // namespace

SolverFeedback::SolverFeedback(Game& game, Platform& platform, std::function<void()> repaint,
                               QObject* parent)
    : QObject(parent),
      game_(game),
      platform_(platform),
      repaint_(std::move(repaint)),
      job_(this),
      slow_(this),
      totalCount_(this) {
  slow_.setSingleShot(true);
  slow_.setInterval(kSlowAnswerMs);
  connect(&slow_, &QTimer::timeout, this, [this] {
    completable_.reset();
    if (!designCount_.isEmpty()) {
      designCount_ = CoreText(kDesignCounting);
    }
    repaint_();
  });
}

SolverFeedback::Position SolverFeedback::Current() const {
  return {game_.figure, game_.field, game_.createMode, game_.creationKind,
          game_.extras.canStillBeDone};
}

bool SolverFeedback::Same(const Position& a, const Position& b) {
  return a.createMode == b.createMode && a.creationKind == b.creationKind &&
         a.markWanted == b.markWanted && GridEquals(a.field, b.field) &&
         GridEquals(a.figure, b.figure);
}

void SolverFeedback::Answer() {
  pending_ = false;
  answered_ = Current();
  job_.Stop();
  slow_.stop();
  if (game_.createMode == 0 && game_.extras.canStillBeDone) {
    designCount_.clear();
    // The last answer stays up until the new one is ready, a moment later: no flicker.
    markShown_ = true;
    slow_.start();
    job_.Start(
        [figure = game_.figure, field = game_.field](const std::atomic<bool>& stop) {
          return CompletableForPlayer(figure, field, stop);
        },
        [this](std::optional<bool> completable) {
          slow_.stop();
          // A figure too large to answer in time gets no mark.
          markShown_ = completable.has_value();
          completable_ = completable;
          repaint_();
        });
    return;
  }
  markShown_ = false;
  completable_.reset();
  if (InCreateByCubesMode(game_) && CountCells(game_.field) == kCreatedFigureCubes) {
    CellGrid figure = game_.field;
    NormaliseGrid(figure);
    if (designCount_.isEmpty()) {
      designCount_ = CoreText(kDesignCounting);
    }
    slow_.start();
    job_.Start(
        [figure](const std::atomic<bool>& stop) {
          return CountForPlayer(figure, CellGrid{}, stop);
        },
        [this](const std::optional<PlayerCount>& count) {
          slow_.stop();
          designCount_ =
              count ? QString::fromStdString(DesignCountWording(*count, platform_)) : QString();
          repaint_();
        });
  } else {
    designCount_.clear();
  }
  repaint_();
}

void SolverFeedback::PaintOverField(QPainter& painter, const QRect& view, int panelRight) {
  if (!pending_ && !Same(Current(), answered_)) {
    pending_ = true;
    QTimer::singleShot(0, this, &SolverFeedback::Answer);
  }
  const FeedbackColours colours{game_.settings.COLOR_BACK, game_.settings.COLOR_INK};
  const QRect free(panelRight, view.top(), view.right() - panelRight, view.height());
  if (markShown_ && game_.createMode == 0) {
    DrawCompletionMark(painter, free, completable_, colours);
  }
  if (Browsing()) {
    QStringList lines{QString::fromStdString(SolutionCaption(browser_, platform_))};
    if (const std::string source = SolutionSourceLine(browser_, platform_); !source.empty()) {
      lines << QString::fromStdString(source);
    }
    DrawCaption(painter, free, lines, colours);
  }
}

void SolverFeedback::PaintOverPanelItem(QPainter& painter, const QRect& area, int item,
                                        bool selected) {
  if (item == 1 && InCreateByCubesMode(game_) && !designCount_.isEmpty()) {
    DrawPanelText(painter, area, designCount_,
                  selected ? game_.settings.COLOR_BACK : game_.settings.COLOR_INK);
  }
}

void SolverFeedback::RunBrowserCommand(int commandId, QWidget* owner) {
  if (commandId == kCmdLeaveSolutions) {
    LeaveSolutions(game_, browser_);
    platform_.Invalidate(false);
    return;
  }
  const int step = commandId == kCmdNextSolution ? 1 : -1;
  const std::optional<SolutionSearch> search = SearchForStep(game_, browser_, step);
  std::optional<SolutionsFound> found;
  if (search) {
    std::optional<std::optional<SolutionsFound>> result = RunWithProgress(
        owner, CoreText(kFindingSolutions), [search = *search](const std::atomic<bool>& stop) {
          return RunSolutionSearch(search, &stop);
        });
    if (!result || !*result) {
      return;  // cancelled: the game stays as it was
    }
    found = std::move(*result);
  }
  if (!TakeSolutionStep(game_, browser_, step, search ? &*search : nullptr,
                        found ? &*found : nullptr)) {
    ShowGameMessage(game_, platform_, kNoSolutionToBrowse, MessageStyle::Information);
    return;
  }
  if (!browser_.total && !totalCount_.Running()) {
    CountBrowsedSolutions();
  }
  platform_.Invalidate(false);
}

void SolverFeedback::CountBrowsedSolutions() {
  const CellGrid figure = game_.figure;
  const CellGrid field = browser_.keptField;
  totalCount_.Start(
      [figure, field](const std::atomic<bool>& stop) {
        return CountForPlayer(figure, field, stop);
      },
      [this, figure, field](const std::optional<PlayerCount>& count) {
        // Still the same solutions on the field: the caption can give their number.
        if (count && !count->tooMany && Browsing() && !browser_.total &&
            GridEquals(browser_.figure, figure) && GridEquals(browser_.keptField, field)) {
          browser_.total = count->counts.distinct;
          repaint_();
        }
      });
}

bool SolverFeedback::Browsing() const {
  return IsBrowsing(game_, browser_);
}

}  // namespace kelvane
