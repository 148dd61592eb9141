// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's searches as plain text, so that another instance of the core can run them (the
// web page's worker): the Analyse search, whose request carries what SearchCopy takes of the
// game and whose answer what the search left in WorkGrid, and the solution browser's search.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "model/cell_grid.h"

namespace kelvane {

struct Game;
struct PlayerCount;
struct SolutionSearch;
struct SolutionsFound;

// A position as a "figure" and a "field" line, each one digit per cell in the grid's own order;
// read back, nothing for any other text or for a field with anything but pieces on the figure.
std::string PositionText(const CellGrid& figure, const CellGrid& field);
std::optional<std::pair<CellGrid, CellGrid>> ReadPosition(std::string_view text);

// A count for the player (CountForPlayer) as a "count" line of its completions and distinct
// completions, or "count too many"; read back, nothing for any other text.
std::string PlayerCountText(const PlayerCount& count);
std::optional<PlayerCount> ReadPlayerCount(std::string_view text);

// The position of the game's Figure and Field. The orientation tables do not travel: every game
// builds the same ones from the base pieces at start.
std::string SearchRequestText(const Game& game);

// Runs SearchCompletion on the game a request describes and answers "found" or "none" with the
// WorkGrid it left; an empty text for a request that is no such text.
std::string AnswerSearchRequest(std::string_view request);

// Takes an answer for `game`'s Field into WorkGrid, as the search on a SearchCopy leaves it, and
// gives whether it found a completion. Nothing, and the game untouched, for a text that is no
// answer or whose grid changes the Field, lays anything but a piece off it, or claims a
// completion that leaves a cube of the figure empty.
std::optional<bool> TakeSearchAnswer(Game& game, std::string_view answer);

// The solution browser's search: a "solutions" line of its flags, the figure, the field and the
// solution to go on from (an "after" line of its 28 cell indices), if any. Nothing for a text
// that is no such search.
std::string SolutionSearchText(const SolutionSearch& search);
std::optional<SolutionSearch> ReadSolutionSearch(std::string_view text);

// What it found: a "solutions" line of its flags and total ("-" when not known), the field, and
// a "solution" line per solution. Nothing for a text that is no such answer, or that lays a
// cube off `figure`.
std::string SolutionsFoundText(const SolutionsFound& found);
std::optional<SolutionsFound> ReadSolutionsFound(std::string_view text, const CellGrid& figure);

}  // namespace kelvane
