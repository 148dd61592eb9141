// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the main menu bar.
#include "model/menu_table.h"

#include "model/command_ids.h"

namespace kelvane {

namespace {

using enum MenuEntryKind;

constexpr MenuEntry kMainMenu[] = {
    {Menu, 0, MENU_TEXT("&Game")},
    {Command, kCmdNew, MENU_TEXT("&New...\tCTRL+N"), {"Ctrl+N"}},
    {Separator},
    {Menu, 0, MENU_TEXT("&Create puzzle")},
    {Command, kCmdCreateByCubes, MENU_TEXT("By cubes\tCTRL+C"), {"Ctrl+C"}},
    {Command, kCmdCreateByPieces, MENU_TEXT("By pieces")},
    {Command, kCmdImportFromHtm, MENU_TEXT("Import from HTM file\tCTRL+I"), {"Ctrl+I"}},
    {EndMenu},
    {Command, kCmdSavePuzzle, MENU_TEXT("&Save puzzle...\tCTRL+S"), {"Ctrl+S"}},
    {Separator},
    // Alt+F4 reaches the same shutdown through the window manager.
    {Command, kCmdExit, MENU_TEXT("E&xit\tALT+F4")},
    {Separator},
    {Command, kCmdNextPuzzle, MENU_TEXT("Next &puzzle\tCTRL+SHIFT+N"), {kNextPuzzleKey.data()}},
    {EndMenu},

    {Menu, 0, MENU_TEXT("&Field")},
    {Command, kCmdLayerUp, MENU_TEXT("Layer &up\tCTRL+Up"), {"Ctrl+Up"}},
    {Command, kCmdLayerDown, MENU_TEXT("Layer &down\tCTRL+Down"), {"Ctrl+Down"}},
    {Separator},
    {Command, kCmdRotatePlus90, MENU_TEXT("Rotate +90 degrees\tCTRL+LEFT"), {"Ctrl+Left"}},
    {Command, kCmdRotateMinus90, MENU_TEXT("Rotate -90 degrees\tCTRL+RIGHT"), {"Ctrl+Right"}},
    {Separator},
    {Menu, 0, MENU_TEXT("Hide piece")},
    {Command, kCmdHidePiece[0], MENU_TEXT("&1\tCTRL+1"), {"Ctrl+1"}, true},
    {Command, kCmdHidePiece[1], MENU_TEXT("&2\tCTRL+2"), {"Ctrl+2"}, true},
    {Command, kCmdHidePiece[2], MENU_TEXT("&3\tCTRL+3"), {"Ctrl+3"}, true},
    {Command, kCmdHidePiece[3], MENU_TEXT("&4\tCTRL+4"), {"Ctrl+4"}, true},
    {Command, kCmdHidePiece[4], MENU_TEXT("&5\tCTRL+5"), {"Ctrl+5"}, true},
    {Command, kCmdHidePiece[5], MENU_TEXT("&6\tCTRL+6"), {"Ctrl+6"}, true},
    {Command, kCmdHidePiece[6], MENU_TEXT("&7\tCTRL+7"), {"Ctrl+7"}, true},
    {EndMenu},
    {Separator},
    {Command, kCmdRemovePiece, MENU_TEXT("&Remove piece\tCTRL+Delete"), {"Ctrl+Del"}},
    {Separator},
    {Command, kCmdUndo, MENU_TEXT("U&ndo\tCTRL+Z"), {"Ctrl+Z"}},
    {Command, kCmdRedo, MENU_TEXT("Red&o\tCTRL+Y"), {"Ctrl+Y", "Ctrl+Shift+Z"}},
    {Command, kCmdRestartPuzzle, MENU_TEXT("Res&tart puzzle\tCTRL+R"), {"Ctrl+R"}},
    {Separator},
    {Command, kCmdFullScreen, MENU_TEXT("&Full screen\tF11"), {"F11"}, true},
    {EndMenu},

    {Menu, 0, MENU_TEXT("&Puzzle")},
    {Command, kCmdShowUpLayer, MENU_TEXT("&Show up layer\tCTRL+Home"), {"Ctrl+Home"}},
    {Command, kCmdHideDownLayer, MENU_TEXT("&Hide down layer\tCTRL+End"), {"Ctrl+End"}},
    {EndMenu},

    {BarCommand, kCmdOptions, MENU_TEXT("&Options..."), {"Ctrl+O"}},

    {Menu, 0, MENU_TEXT("&Analyse")},
    {Command, kCmdTestPuzzle, MENU_TEXT("&Test puzzle\tCTRL+T"), {"Ctrl+T"}},
    {Command, kCmdHintOnePiece, MENU_TEXT("&Hint by show one piece")},
    {Command, kCmdShowAllPieces, MENU_TEXT("&Show all pieces")},
    {Separator},
    {Command, kCmdNextSolution, MENU_TEXT("&Next solution\tF3"), {"F3"}},
    {Command, kCmdPreviousSolution, MENU_TEXT("&Previous solution\tShift+F3"), {"Shift+F3"}},
    {Command, kCmdLeaveSolutions, MENU_TEXT("&Back to my pieces")},
    {EndMenu},

    {Menu, 0, MENU_TEXT("&Help")},
    {Command, kCmdUserManual, MENU_TEXT("&User manual\tF1"), {"F1"}},
    {Command, kCmdTutorial, MENU_TEXT("&Tutorial")},
    {Command, kCmdGuidedFirstPuzzle, MENU_TEXT("&Guided first puzzle")},
    {Separator},
    {Command, kCmdAbout, MENU_TEXT("&About ..."), {"Alt+/", "Alt+?"}},
    {Command, kCmdHomePage, MENU_TEXT("&Home page")},
    {EndMenu},
};

}  // namespace

std::span<const MenuEntry> MainMenuTable() {
  return kMainMenu;
}

}  // namespace kelvane
