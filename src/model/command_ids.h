// SPDX-License-Identifier: GPL-3.0-or-later
// The command ids of the main menu, its accelerators, the piece panel and the orientation menus.
#pragma once

#include <array>
#include <string_view>

namespace kelvane {

// Main menu resource and the three orientation menu resources.
inline constexpr int kMainMenuId = 109;
inline constexpr int kOrientationMenu8 = 130;
inline constexpr int kOrientationMenu12 = 131;
inline constexpr int kOrientationMenu24 = 132;

// Game menu.
inline constexpr int kCmdNew = 32865;
inline constexpr int kCmdCreateByCubes = 32867;
inline constexpr int kCmdCreateByPieces = 32868;
inline constexpr int kCmdImportFromHtm = 32905;
inline constexpr int kCmdSavePuzzle = 32869;
inline constexpr int kCmdExit = 105;
// The next unsolved library puzzle, a group of its own at the end of the Game menu.
inline constexpr int kCmdNextPuzzle = 32930;
inline constexpr std::string_view kNextPuzzleKey = "Ctrl+Shift+N";

// Field menu.
inline constexpr int kCmdLayerUp = 32872;
inline constexpr int kCmdLayerDown = 32873;
inline constexpr int kCmdRotatePlus90 = 32850;
inline constexpr int kCmdRotateMinus90 = 32848;
// Hide piece 1…7, in piece order.
inline constexpr std::array<int, 7> kCmdHidePiece{32852, 32859, 32860, 32861, 32862, 32863, 32864};
inline constexpr int kCmdRemovePiece = 32887;
// The move history, a group of its own at the end of the Field menu.
inline constexpr int kCmdUndo = 32910;
inline constexpr int kCmdRedo = 32911;
inline constexpr int kCmdRestartPuzzle = 32912;

// Puzzle menu.
inline constexpr int kCmdShowUpLayer = 32842;
inline constexpr int kCmdHideDownLayer = 32841;

// Full screen and back, a group of its own at the end of the Field menu.
inline constexpr int kCmdFullScreen = 32940;

// Options, a command on the menu bar itself.
inline constexpr int kCmdOptions = 32871;

// Analyse menu.
inline constexpr int kCmdTestPuzzle = 32884;
inline constexpr int kCmdHintOnePiece = 32885;
inline constexpr int kCmdShowAllPieces = 32886;
// The solution browser, a group of its own below them.
inline constexpr int kCmdNextSolution = 32920;
inline constexpr int kCmdPreviousSolution = 32921;
inline constexpr int kCmdLeaveSolutions = 32922;

// Help menu.
inline constexpr int kCmdUserManual = 32877;
inline constexpr int kCmdTutorial = 32878;
inline constexpr int kCmdAbout = 104;
inline constexpr int kCmdHomePage = 32879;
// The guide over a first puzzle, beside the manual's items.
inline constexpr int kCmdGuidedFirstPuzzle = 32941;

// The piece panel's control id; its notifications arrive as this command.
inline constexpr int kPiecePanelId = 32771;
// Panel notification code of a double click.
inline constexpr int kPanelDoubleClick = 2;

// Orientation menu items: entry i is the id of orientation index i (item "i+1").
inline constexpr std::array<int, 24> kOrientationCommandIds{
    32772, 32774, 32776, 32778, 32780, 32782, 32784, 32786,                // 0 … 7
    32796, 32798, 32800, 32802,                                            // 8 … 11
    32816, 32818, 32820, 32822, 32824, 32826, 32828, 32830, 32832, 32834,  // 12 … 21
    32836, 32838,                                                          // 22, 23
};
inline constexpr int kFirstOrientationCommand = 32772;
inline constexpr int kLastOrientationCommand = 32838;

}  // namespace kelvane
