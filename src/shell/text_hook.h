// Text drawn into the BackBuffer ("Amount: %d") with Qt's font engine and the panel font.
#pragma once

#include <QFont>

namespace kelvane {

struct Game;

// Gives the renderer the means to draw text into its surfaces.
void InstallTextHook(Game& game);

// The panel font, "Palatino Linotype" or a look-alike, at the size the panel's text uses.
QFont PanelFont();

}  // namespace kelvane
