// SPDX-License-Identifier: GPL-3.0-or-later
// The Analyse commands' search off the window's thread.
#include "shell/analyse_commands.h"

#include "model/game.h"
#include "shell/progress_wait.h"
#include "shell/translations.h"

namespace kelvane {

namespace {

constexpr const char* kSearching = QT_TRANSLATE_NOOP("Kelvane", "Searching for a completion…");

}  // namespace

void RunAnalyseCommand(Game& game, Platform& platform, QWidget* owner, AnalyseMode mode) {
  if (!ConfirmAnalysis(game, platform, mode)) {
    return;
  }
  const std::shared_ptr<Game> copy = SearchCopy(game);
  const std::optional<std::optional<bool>> found = RunWithProgress(
      owner, CoreText(kSearching),
      [copy](const std::atomic<bool>& stop) { return SearchCompletion(*copy, &stop); });
  if (!found || !*found) {
    return;
  }
  game.WorkGrid = copy->WorkGrid;
  ReportAnalysis(game, platform, mode, **found);
}

}  // namespace kelvane
