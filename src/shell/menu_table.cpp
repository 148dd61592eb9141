// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the main menu bar.
#include "shell/menu_table.h"

#include <QtGlobal>

#include "model/command_ids.h"

namespace kelvane {

namespace {

using enum MenuEntryKind;

constexpr MenuEntry kMainMenu[] = {
    {Menu, 0, QT_TRANSLATE_NOOP("Menu", "&Game")},
    {Command, kCmdNew, QT_TRANSLATE_NOOP("Menu", "&New...\tCTRL+N"), {"Ctrl+N"}},
    {Separator},
    {Menu, 0, QT_TRANSLATE_NOOP("Menu", "&Create puzzle")},
    {Command, kCmdCreateByCubes, QT_TRANSLATE_NOOP("Menu", "By cubes\tCTRL+C"), {"Ctrl+C"}},
    {Command, kCmdCreateByPieces, QT_TRANSLATE_NOOP("Menu", "By pieces")},
    {Command,
     kCmdImportFromHtm,
     QT_TRANSLATE_NOOP("Menu", "Import from HTM file\tCTRL+I"),
     {"Ctrl+I"}},
    {EndMenu},
    {Command, kCmdSavePuzzle, QT_TRANSLATE_NOOP("Menu", "&Save puzzle...\tCTRL+S"), {"Ctrl+S"}},
    {Separator},
    // Alt+F4 reaches the same shutdown through the window manager.
    {Command, kCmdExit, QT_TRANSLATE_NOOP("Menu", "E&xit\tALT+F4")},
    {Separator},
    {Command,
     kCmdNextPuzzle,
     QT_TRANSLATE_NOOP("Menu", "Next &puzzle\tCTRL+SHIFT+N"),
     {kNextPuzzleKey.data()}},
    {EndMenu},

    {Menu, 0, QT_TRANSLATE_NOOP("Menu", "&Field")},
    {Command, kCmdLayerUp, QT_TRANSLATE_NOOP("Menu", "Layer &up\tCTRL+Up"), {"Ctrl+Up"}},
    {Command, kCmdLayerDown, QT_TRANSLATE_NOOP("Menu", "Layer &down\tCTRL+Down"), {"Ctrl+Down"}},
    {Separator},
    {Command,
     kCmdRotatePlus90,
     QT_TRANSLATE_NOOP("Menu", "Rotate +90 degrees\tCTRL+LEFT"),
     {"Ctrl+Left"}},
    {Command,
     kCmdRotateMinus90,
     QT_TRANSLATE_NOOP("Menu", "Rotate -90 degrees\tCTRL+RIGHT"),
     {"Ctrl+Right"}},
    {Separator},
    {Menu, 0, QT_TRANSLATE_NOOP("Menu", "Hide piece")},
    {Command, kCmdHidePiece[0], QT_TRANSLATE_NOOP("Menu", "&1\tCTRL+1"), {"Ctrl+1"}, true},
    {Command, kCmdHidePiece[1], QT_TRANSLATE_NOOP("Menu", "&2\tCTRL+2"), {"Ctrl+2"}, true},
    {Command, kCmdHidePiece[2], QT_TRANSLATE_NOOP("Menu", "&3\tCTRL+3"), {"Ctrl+3"}, true},
    {Command, kCmdHidePiece[3], QT_TRANSLATE_NOOP("Menu", "&4\tCTRL+4"), {"Ctrl+4"}, true},
    {Command, kCmdHidePiece[4], QT_TRANSLATE_NOOP("Menu", "&5\tCTRL+5"), {"Ctrl+5"}, true},
    {Command, kCmdHidePiece[5], QT_TRANSLATE_NOOP("Menu", "&6\tCTRL+6"), {"Ctrl+6"}, true},
    {Command, kCmdHidePiece[6], QT_TRANSLATE_NOOP("Menu", "&7\tCTRL+7"), {"Ctrl+7"}, true},
    {EndMenu},
    {Separator},
    {Command,
     kCmdRemovePiece,
     QT_TRANSLATE_NOOP("Menu", "&Remove piece\tCTRL+Delete"),
     {"Ctrl+Del"}},
    {Separator},
    {Command, kCmdUndo, QT_TRANSLATE_NOOP("Menu", "U&ndo\tCTRL+Z"), {"Ctrl+Z"}},
    {Command, kCmdRedo, QT_TRANSLATE_NOOP("Menu", "Red&o\tCTRL+Y"), {"Ctrl+Y", "Ctrl+Shift+Z"}},
    {Command, kCmdRestartPuzzle, QT_TRANSLATE_NOOP("Menu", "Res&tart puzzle\tCTRL+R"), {"Ctrl+R"}},
    {Separator},
    {Command, kCmdFullScreen, QT_TRANSLATE_NOOP("Menu", "&Full screen\tF11"), {"F11"}, true},
    {EndMenu},

    {Menu, 0, QT_TRANSLATE_NOOP("Menu", "&Puzzle")},
    {Command,
     kCmdShowUpLayer,
     QT_TRANSLATE_NOOP("Menu", "&Show up layer\tCTRL+Home"),
     {"Ctrl+Home"}},
    {Command,
     kCmdHideDownLayer,
     QT_TRANSLATE_NOOP("Menu", "&Hide down layer\tCTRL+End"),
     {"Ctrl+End"}},
    {EndMenu},

    {BarCommand, kCmdOptions, QT_TRANSLATE_NOOP("Menu", "&Options..."), {"Ctrl+O"}},

    {Menu, 0, QT_TRANSLATE_NOOP("Menu", "&Analyse")},
    {Command, kCmdTestPuzzle, QT_TRANSLATE_NOOP("Menu", "&Test puzzle\tCTRL+T"), {"Ctrl+T"}},
    {Command, kCmdHintOnePiece, QT_TRANSLATE_NOOP("Menu", "&Hint by show one piece")},
    {Command, kCmdShowAllPieces, QT_TRANSLATE_NOOP("Menu", "&Show all pieces")},
    {Separator},
    {Command, kCmdNextSolution, QT_TRANSLATE_NOOP("Menu", "&Next solution\tF3"), {"F3"}},
    {Command,
     kCmdPreviousSolution,
     QT_TRANSLATE_NOOP("Menu", "&Previous solution\tShift+F3"),
     {"Shift+F3"}},
    {Command, kCmdLeaveSolutions, QT_TRANSLATE_NOOP("Menu", "&Back to my pieces")},
    {EndMenu},

    {Menu, 0, QT_TRANSLATE_NOOP("Menu", "&Help")},
    {Command, kCmdUserManual, QT_TRANSLATE_NOOP("Menu", "&User manual\tF1"), {"F1"}},
    {Command, kCmdTutorial, QT_TRANSLATE_NOOP("Menu", "&Tutorial")},
    {Command, kCmdGuidedFirstPuzzle, QT_TRANSLATE_NOOP("Menu", "&Guided first puzzle")},
    {Separator},
    {Command, kCmdAbout, QT_TRANSLATE_NOOP("Menu", "&About ..."), {"Alt+/", "Alt+?"}},
    {Command, kCmdHomePage, QT_TRANSLATE_NOOP("Menu", "&Home page")},
    {EndMenu},
};

}  // namespace

std::span<const MenuEntry> MainMenuTable() {
  return kMainMenu;
}

}  // namespace kelvane
