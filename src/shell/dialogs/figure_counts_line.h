// SPDX-License-Identifier: GPL-3.0-or-later
// The line of counts under the New game preview: "N completions · D distinct · Tier", counted in
// a worker so that the dialog never waits.
#pragma once

#include <QString>

#include <optional>

#include "analysis/player_count.h"
#include "model/cell_grid.h"
#include "model/text_template.h"
#include "shell/background_job.h"

class QLabel;

namespace kelvane {

class FigureCountsLine : public QObject {
 public:
  // Worded by `words`, which outlives the line.
  FigureCountsLine(QLabel& label, const Wording& words, QObject* parent);

  // Shows the counts of `figure` with every piece still to lay, followed by `suffix`: at once
  // when counted before in this run, otherwise "counting…" until the worker has counted. The
  // answers are kept by the figure itself, so an edited file is counted afresh.
  void Show(const CellGrid& figure, const QString& suffix);
  // Empties the line and drops a count under way.
  void Clear();

 private:
  QLabel& label_;
  const Wording& words_;
  BackgroundJob job_;
};

}  // namespace kelvane
