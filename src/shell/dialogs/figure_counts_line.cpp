// SPDX-License-Identifier: GPL-3.0-or-later
// Counting a previewed figure once and wording the result.
#include "shell/dialogs/figure_counts_line.h"

#include <QLocale>
#include <map>
#include <string>

#include "analysis/figure_analysis.h"

namespace kelvane {

QString FigureCountsLine(const CellGrid& figure) {
  static std::map<std::string, QString> counted;
  std::string key(reinterpret_cast<const char*>(figure.cells.data()), figure.cells.size());
  const auto found = counted.find(key);
  if (found != counted.end()) {
    return found->second;
  }
  return counted[std::move(key)] = CountsWording(CountCompletions(figure));
}

QString CountsWording(const std::optional<CompletionCounts>& counts) {
  if (!counts) {
    return {};
  }
  const Tier tier = TierOf(counts->distinct);
  if (tier == Tier::None) {
    return QString::fromUtf8(TierName(tier));
  }
  const QLocale numbers(QLocale::English);
  return QString(counts->completions == 1 ? "%1 completion · %2 distinct · %3"
                                          : "%1 completions · %2 distinct · %3")
      .arg(numbers.toString(static_cast<qulonglong>(counts->completions)),
           numbers.toString(static_cast<qulonglong>(counts->distinct)),
           QString::fromUtf8(TierName(tier)));
}

}  // namespace kelvane
