// SPDX-License-Identifier: GPL-3.0-or-later
// The line of counts under the New game preview: "N completions · D distinct · Tier", counted in
// a worker so that the dialog never waits.
#pragma once

#include <QString>

#include <optional>

#include "analysis/player_count.h"
#include "model/cell_grid.h"
#include "shell/background_job.h"

class QLabel;

namespace kelvane {

class FigureCountsLine : public QObject {
 public:
  FigureCountsLine(QLabel& label, QObject* parent);

  // Shows the counts of `figure` with every piece still to lay, followed by `suffix`: at once
  // when counted before in this run, otherwise "counting…" until the worker has counted. The
  // answers are kept by the figure itself, so an edited file is counted afresh.
  void Show(const CellGrid& figure, const QString& suffix);
  // Empties the line and drops a count under way.
  void Clear();

 private:
  QLabel& label_;
  BackgroundJob job_;
};

// The line for `count`, in the singular where a count is one; "too many to count" for a figure
// too large to count in the time a player waits.
QString CountsWording(const PlayerCount& count);

}  // namespace kelvane
