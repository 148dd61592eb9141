// Text drawn into the BackBuffer ("Amount: %d") with Qt's font engine and the panel font.
#pragma once

namespace kelvane {

struct Game;

// Gives the renderer the means to draw text into its surfaces.
void InstallTextHook(Game& game);

}  // namespace kelvane
