// SPDX-License-Identifier: GPL-3.0-or-later
// Text drawn into the BackBuffer ("Amount: %d") with Qt's font engine and the panel font.
#pragma once

#include <QFont>
#include <QPainter>

namespace kelvane {

struct Game;

// Gives the renderer the means to draw text into its surfaces.
void InstallTextHook(Game& game);

// The panel font, "Palatino Linotype" or a look-alike, at the size the panel's text uses.
QFont PanelFont();

// Sets the panel font on `painter`, made smaller (down to a legible least) until `text` drawn
// with `flags` fits in `box`; sizes count `pixelRatio` device pixels to each of the font's.
void FitPanelFont(QPainter& painter, const QRect& box, int flags, const QString& text,
                  int pixelRatio = 1);

}  // namespace kelvane
