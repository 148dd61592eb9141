// SPDX-License-Identifier: GPL-3.0-or-later
// Counting a previewed figure once, in the background, and wording the result.
#include "shell/dialogs/figure_counts_line.h"
#include "shell/translations.h"

#include <QLabel>
#include <map>
#include <string>

namespace kelvane {

namespace {

// Counted once per run: the same figure under another file name is not counted again.
std::map<std::string, QString>& Counted() {
  static std::map<std::string, QString> counted;
  return counted;
}

std::string KeyOf(const CellGrid& figure) {
  return {reinterpret_cast<const char*>(figure.cells.data()), figure.cells.size()};
}

}  // namespace

FigureCountsLine::FigureCountsLine(QLabel& label, const Wording& words, QObject* parent)
    : QObject(parent), label_(label), words_(words), job_(this) {}

void FigureCountsLine::Show(const CellGrid& figure, const QString& suffix) {
  job_.Stop();
  std::string key = KeyOf(figure);
  if (const auto found = Counted().find(key); found != Counted().end()) {
    label_.setText(found->second + suffix);
    return;
  }
  label_.setText(CoreText(kCountingMessage));
  job_.Start(
      [figure](const std::atomic<bool>& stop) { return CountForPlayer(figure, CellGrid{}, stop); },
      [this, key = std::move(key), suffix](const std::optional<PlayerCount>& count) {
        if (count) {
          label_.setText((Counted()[key] = QString::fromStdString(CountsWording(*count, words_))) +
                         suffix);
        }
      });
}

void FigureCountsLine::Clear() {
  job_.Stop();
  label_.clear();
}

}  // namespace kelvane
