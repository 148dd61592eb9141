// SPDX-License-Identifier: GPL-3.0-or-later
// Counting a previewed figure once, in the background, and wording the result.
#include "shell/dialogs/figure_counts_line.h"
#include "shell/translations.h"

#include <QLabel>
#include <QLocale>
#include <map>
#include <string>

namespace kelvane {

namespace {

constexpr const char* kCounting = QT_TRANSLATE_NOOP("Kelvane", "counting…");
// Worded by the number of completions, which the locale writes.
constexpr const char* kCompletions =
    QT_TRANSLATE_N_NOOP("Kelvane", "%1 completion(s) · %2 distinct · %3");

// Counted once per run: the same figure under another file name is not counted again.
std::map<std::string, QString>& Counted() {
  static std::map<std::string, QString> counted;
  return counted;
}

std::string KeyOf(const CellGrid& figure) {
  return {reinterpret_cast<const char*>(figure.cells.data()), figure.cells.size()};
}

}  // namespace

FigureCountsLine::FigureCountsLine(QLabel& label, QObject* parent)
    : QObject(parent), label_(label), job_(this) {}

void FigureCountsLine::Show(const CellGrid& figure, const QString& suffix) {
  job_.Stop();
  std::string key = KeyOf(figure);
  if (const auto found = Counted().find(key); found != Counted().end()) {
    label_.setText(found->second + suffix);
    return;
  }
  label_.setText(CoreText(kCounting));
  job_.Start(
      [figure](const std::atomic<bool>& stop) { return CountForPlayer(figure, CellGrid{}, stop); },
      [this, key = std::move(key), suffix](const std::optional<PlayerCount>& count) {
        if (count) {
          label_.setText((Counted()[key] = CountsWording(*count)) + suffix);
        }
      });
}

void FigureCountsLine::Clear() {
  job_.Stop();
  label_.clear();
}

QString CountsWording(const PlayerCount& count) {
  if (count.tooMany) {
    return CoreText(kTooManyToCount);
  }
  const Tier tier = TierOf(count.counts.distinct);
  if (tier == Tier::None) {
    return CoreText(TierName(tier));
  }
  const QLocale numbers = InterfaceLocale();
  return Worded(
      kCompletions,
      {numbers.toString(static_cast<qulonglong>(count.counts.completions)),
       numbers.toString(static_cast<qulonglong>(count.counts.distinct)), CoreText(TierName(tier))},
      static_cast<long>(count.counts.completions));
}

}  // namespace kelvane
