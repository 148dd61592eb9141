// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the main menu bar.
#include "shell/menu_table.h"

#include "model/command_ids.h"

namespace kelvane {

namespace {

using enum MenuEntryKind;

constexpr MenuEntry kMainMenu[] = {
    {Menu, 0, "&Game"},
    {Command, kCmdNew, "&New...\tCTRL+N", {"Ctrl+N"}},
    {Separator},
    {Menu, 0, "&Create puzzle"},
    {Command, kCmdCreateByCubes, "By cubes\tCTRL+C", {"Ctrl+C"}},
    {Command, kCmdCreateByPieces, "By pieces"},
    {Command, kCmdImportFromHtm, "Import from HTM file\tCTRL+I", {"Ctrl+I"}},
    {EndMenu},
    {Command, kCmdSavePuzzle, "&Save puzzle...\tCTRL+S", {"Ctrl+S"}},
    {Separator},
    // Alt+F4 reaches the same shutdown through the window manager.
    {Command, kCmdExit, "E&xit\tALT+F4"},
    {Separator},
    {Command, kCmdNextPuzzle, "Next &puzzle\tCTRL+SHIFT+N", {kNextPuzzleKey.data()}},
    {EndMenu},

    {Menu, 0, "&Field"},
    {Command, kCmdLayerUp, "Layer &up\tCTRL+Up", {"Ctrl+Up"}},
    {Command, kCmdLayerDown, "Layer &down\tCTRL+Down", {"Ctrl+Down"}},
    {Separator},
    {Command, kCmdRotatePlus90, "Rotate +90 degrees\tCTRL+LEFT", {"Ctrl+Left"}},
    {Command, kCmdRotateMinus90, "Rotate -90 degrees\tCTRL+RIGHT", {"Ctrl+Right"}},
    {Separator},
    {Menu, 0, "Hide piece"},
    {Command, kCmdHidePiece[0], "&1\tCTRL+1", {"Ctrl+1"}, true},
    {Command, kCmdHidePiece[1], "&2\tCTRL+2", {"Ctrl+2"}, true},
    {Command, kCmdHidePiece[2], "&3\tCTRL+3", {"Ctrl+3"}, true},
    {Command, kCmdHidePiece[3], "&4\tCTRL+4", {"Ctrl+4"}, true},
    {Command, kCmdHidePiece[4], "&5\tCTRL+5", {"Ctrl+5"}, true},
    {Command, kCmdHidePiece[5], "&6\tCTRL+6", {"Ctrl+6"}, true},
    {Command, kCmdHidePiece[6], "&7\tCTRL+7", {"Ctrl+7"}, true},
    {EndMenu},
    {Separator},
    {Command, kCmdRemovePiece, "&Remove piece\tCTRL+Delete", {"Ctrl+Del"}},
    {Separator},
    {Command, kCmdUndo, "U&ndo\tCTRL+Z", {"Ctrl+Z"}},
    {Command, kCmdRedo, "Red&o\tCTRL+Y", {"Ctrl+Y", "Ctrl+Shift+Z"}},
    {Command, kCmdRestartPuzzle, "Res&tart puzzle\tCTRL+R", {"Ctrl+R"}},
    {Separator},
    {Command, kCmdFullScreen, "&Full screen\tF11", {"F11"}, true},
    {EndMenu},

    {Menu, 0, "&Puzzle"},
    {Command, kCmdShowUpLayer, "&Show up layer\tCTRL+Home", {"Ctrl+Home"}},
    {Command, kCmdHideDownLayer, "&Hide down layer\tCTRL+End", {"Ctrl+End"}},
    {EndMenu},

    {BarCommand, kCmdOptions, "&Options...", {"Ctrl+O"}},

    {Menu, 0, "&Analyse"},
    {Command, kCmdTestPuzzle, "&Test puzzle\tCTRL+T", {"Ctrl+T"}},
    {Command, kCmdHintOnePiece, "&Hint by show one piece"},
    {Command, kCmdShowAllPieces, "&Show all pieces"},
    {Separator},
    {Command, kCmdNextSolution, "&Next solution\tF3", {"F3"}},
    {Command, kCmdPreviousSolution, "&Previous solution\tShift+F3", {"Shift+F3"}},
    {Command, kCmdLeaveSolutions, "&Back to my pieces"},
    {EndMenu},

    {Menu, 0, "&Help"},
    {Command, kCmdUserManual, "&User manual\tF1", {"F1"}},
    {Command, kCmdTutorial, "&Tutorial"},
    {Command, kCmdGuidedFirstPuzzle, "&Guided first puzzle"},
    {Separator},
    {Command, kCmdAbout, "&About ...", {"Alt+/", "Alt+?"}},
    {Command, kCmdHomePage, "&Home page"},
    {EndMenu},
};

}  // namespace

std::span<const MenuEntry> MainMenuTable() {
  return kMainMenu;
}

}  // namespace kelvane
