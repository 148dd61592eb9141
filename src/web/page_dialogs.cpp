// SPDX-License-Identifier: GPL-3.0-or-later
// The entry points of the page's own dialogs: each runs the core's logic of its dialog, and the
// page only shows what comes back.
#include <emscripten.h>

#include <string>

#include "analysis/player_count.h"
#include "analysis/search_text.h"
#include "creation/create_puzzle.h"
#include "model/about_box.h"
#include "model/command_states.h"
#include "model/play_tally.h"
#include "model/utf8_text.h"
#include "render/new_game_preview.h"
#include "storage/help_pages.h"
#include "storage/new_game_dialog.h"
#include "storage/puzzle_upload.h"
#include "storage/save_puzzle_dialog.h"
#include "web/handed_text.h"
#include "web/menu_json.h"
#include "web/web_platform.h"

namespace {

using namespace kelvane;

EM_JS(void, PageCopyPreview, (const void* pixels, int stride, int width, int height),
      { Module.kelvane.copyPreview(pixels, stride, width, height); });

// The open New game dialog's list, the figure its preview read, and the preview's picture.
NewGameList newGameList;
CellGrid LoadedFigure;
Surface preview;

std::string NewGameJson() {
  std::string entries;
  for (std::size_t i = 0; i < newGameList.entries.size(); ++i) {
    entries += std::string(i == 0 ? "" : ",") +
               "{\"name\":" + JsonQuoted(ReadableName(newGameList.entries[i])) +
               ",\"file\":" + JsonQuoted(newGameList.entries[i]) +
               ",\"solved\":" + (newGameList.solved[i] ? "true}" : "false}");
  }
  const Settings& settings = PageGame().settings;
  return "{\"entries\":[" + entries + "],\"selection\":" + std::to_string(newGameList.selection) +
         ",\"summary\":" + JsonQuoted(SolvedSummary(newGameList, PagePlatform())) +
         ",\"counting\":" + JsonQuoted(PagePlatform().Word(kCountingMessage)) +
         ",\"fileLimit\":" + std::to_string(kMaxPuzzleFileBytes) +
         ",\"back\":" + std::to_string(settings.COLOR_BACK) +
         ",\"ink\":" + std::to_string(settings.COLOR_INK) + "}";
}

}  // namespace

extern "C" {

// A page dialog opened (1) or closed (0): the play clock waits while one is open, as on the
// desktop, and the command states follow what the dialog did.
EMSCRIPTEN_KEEPALIVE void kelvane_dialog_open(int open) {
  SetClockPause(PageGame(), PagePlatform(), kPauseDialogOpen, open != 0);
  if (open == 0) {
    UpdateCommandStates(PageGame(), PagePlatform());
    PagePlatform().KeepChanges();
  }
}

// New game opens: {"entries": [{"name", "file", "solved"}], "selection", "summary", "counting",
// "fileLimit", "back", "ink"}, the colours as the settings hold them (red in the low byte).
EMSCRIPTEN_KEEPALIVE const char* kelvane_new_game_open() {
  newGameList = OpenNewGameList(PageGame());
  return Handed(NewGameJson());
}

// Selects entry `index` (-1 for none) and composes its preview, `width` × `height` device pixels;
// returns the message the preview writes over the picture, empty for a figure.
EMSCRIPTEN_KEEPALIVE const char* kelvane_new_game_select(int index, int width, int height) {
  newGameList.selection = index;
  if (preview.width != width || preview.height != height) {
    preview = MakeSurface(width, height, kBlackPixel);
  }
  const NewGamePreview shown =
      ComposeNewGamePreview(PageGame(), newGameList, preview, LoadedFigure);
  PageCopyPreview(preview.pixels.data(), preview.width, preview.width, preview.height);
  const std::string_view message = PreviewMessage(shown);
  return Handed(message.empty() ? std::string() : PagePlatform().Word(message));
}

// The count of the selected figure for the page's search worker; empty when it does not read.
EMSCRIPTEN_KEEPALIVE const char* kelvane_new_game_count_request() {
  CellGrid figure;
  return Handed(PreviewSelection(newGameList, figure) == NewGamePreview::Figure
                    ? PositionText(figure, CellGrid{})
                    : std::string());
}

// The counts line of the figure that `request` counts, from the worker's answer; empty when the
// worker failed.
EMSCRIPTEN_KEEPALIVE const char* kelvane_new_game_counted(const char* request, const char* answer) {
  const auto position = ReadPosition(request);
  const std::optional<PlayerCount> count = position ? ReadPlayerCount(answer) : std::nullopt;
  return Handed(count ? CountsWording(*count, PagePlatform()) +
                            PreviewBestSuffix(PageGame(), position->first, PagePlatform())
                      : std::string());
}

// OK: 1 when the selected puzzle started and the dialog ends, 0 when a message kept it open.
EMSCRIPTEN_KEEPALIVE int kelvane_new_game_ok() {
  return ConfirmNewGame(PageGame(), PagePlatform(), newGameList, LoadedFigure) ? 1 : 0;
}

// A file the player brings (its name and `size` bytes) joins the library, or a message says why
// not; 1 when it was written.
EMSCRIPTEN_KEEPALIVE int kelvane_add_puzzle_file(const char* name, const char* bytes, int size) {
  const bool added =
      AddPuzzleFile(PageGame(), PagePlatform(), name, {bytes, static_cast<std::size_t>(size)});
  PagePlatform().KeepChanges();
  return added ? 1 : 0;
}

// Save puzzle opens only on a figure fit to save, else the reason shows: 1 when it opens.
EMSCRIPTEN_KEEPALIVE int kelvane_save_puzzle_open() {
  return ValidateCreatedFigure(PageGame(), PagePlatform()) ? 1 : 0;
}

// Whether `typed` goes into the name field, which then holds `bytes` bytes; a refusal beeps.
EMSCRIPTEN_KEEPALIVE int kelvane_save_name_accepts(const char* typed, int bytes) {
  for (const char* c = typed; *c != '\0'; ++c) {
    if (!AcceptNameCharacter(PagePlatform(), *c)) {
      return 0;
    }
  }
  return AcceptNameLength(PagePlatform(), static_cast<std::size_t>(bytes)) ? 1 : 0;
}

// OK with the name as typed: 1 when the dialog ends.
EMSCRIPTEN_KEEPALIVE int kelvane_save_puzzle_ok(const char* name) {
  return ConfirmSavePuzzle(PageGame(), PagePlatform(), name) ? 1 : 0;
}

// The About box's three lines, as a JSON list.
EMSCRIPTEN_KEEPALIVE const char* kelvane_about() {
  return Handed("[" + JsonQuoted(AboutVersionLine(PageGame(), PagePlatform())) + "," +
                JsonQuoted(PagePlatform().Word(kAboutSecondLine)) + "," +
                JsonQuoted(kAboutThirdLine) + "]");
}

// The page of help/ that help map id `mapId` opens.
EMSCRIPTEN_KEEPALIVE const char* kelvane_help_page(int mapId) {
  return HelpPageOf(mapId).data();
}

// The home page that the shortcut file's text names, empty when it names no web address.
EMSCRIPTEN_KEEPALIVE const char* kelvane_home_page(const char* shortcutText) {
  return Handed(HomePageAddress(shortcutText).value_or(std::string()));
}

}  // extern "C"
