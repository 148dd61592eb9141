// SPDX-License-Identifier: GPL-3.0-or-later
// The line of counts under the New game preview: "N completions · D distinct · Tier".
#pragma once

#include <QString>

#include <optional>

#include "analysis/figure_analysis.h"
#include "model/cell_grid.h"

namespace kelvane {

// The counts of `figure` with every piece still to lay, or "no completion"; empty when the
// figure is too large to count. Each figure is counted once per run: the answers are kept by
// the figure itself, so an edited file is counted afresh.
QString FigureCountsLine(const CellGrid& figure);

// The line for `counts`, in the singular where a count is one; empty for no counts.
QString CountsWording(const std::optional<CompletionCounts>& counts);

}  // namespace kelvane
