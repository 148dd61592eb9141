// SPDX-License-Identifier: GPL-3.0-or-later
// The Analyse search as plain text, so that another instance of the core can run it (the web
// page's worker): the request carries what SearchCopy takes of the game, the answer what the
// search left in WorkGrid.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

struct Game;

// A "figure" and a "field" line, each one digit per cell in the grid's own order. The orientation
// tables do not travel: every game builds the same ones from the base pieces at start.
std::string SearchRequestText(const Game& game);

// Runs SearchCompletion on the game a request describes and answers "found" or "none" with the
// WorkGrid it left; an empty text for a request that is no such text.
std::string AnswerSearchRequest(std::string_view request);

// Takes an answer for `game`'s Field into WorkGrid, as the search on a SearchCopy leaves it, and
// gives whether it found a completion. Nothing, and the game untouched, for a text that is no
// answer or whose grid changes the Field, lays anything but a piece off it, or claims a
// completion that leaves a cube of the figure empty.
std::optional<bool> TakeSearchAnswer(Game& game, std::string_view answer);

}  // namespace kelvane
