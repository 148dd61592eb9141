// SPDX-License-Identifier: GPL-3.0-or-later
// What every dialog and message box of the game is as a window: a close button, modal, and tied
// to the main window.
#pragma once

#include <Qt>

class QWidget;

namespace kelvane {

// The title-bar buttons a dialog shows: close only. Minimising a dialog would iconify its owner
// with it, and a maximised fixed-size dialog is a grey field.
Qt::WindowFlags DialogWindowFlags();

// Gives `dialog` those flags and makes it modal to its owner's window. When the owner is
// minimised and restored while the dialog is open, the dialog comes back in front of it.
void MakeDialogWindow(QWidget& dialog);

}  // namespace kelvane
