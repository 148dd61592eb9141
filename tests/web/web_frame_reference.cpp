// SPDX-License-Identifier: GPL-3.0-or-later
// Prints "width height hash" of the first client-area picture a fresh game shows, composed
// natively as the web page composes it, for the browser test to hold the page's canvas against.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "model/command_states.h"
#include "model/game.h"
#include "model/game_init.h"
#include "model/headless_platform.h"
#include "render/client_frame.h"
#include "render/graphics_setup.h"
#include "render/layout.h"
#include "storage/settings_file.h"

int main(int argc, char** argv) {
  using namespace kelvane;
  // An empty working folder: the page's first visit has no files either.
  if (argc != 2 || !std::filesystem::is_directory(argv[1])) {
    std::fprintf(stderr, "usage: %s EMPTY_FOLDER\n", argv[0]);
    return 2;
  }
  std::filesystem::current_path(argv[1]);
  auto game = std::make_unique<Game>();
  LoadSettings(*game);
  InitialiseGame(*game);
  HeadlessPlatform platform;
  CreateGraphics(*game, 1600, 1200, 1);
  ApplyScaleAndSkin(*game, platform);
  const Size client = RequiredClientSize(*game);
  PlaceContent(*game, client);
  BuildSpriteMask(*game);
  Surface canvas = MakeSurface(client.width, client.height, 0);
  PaintClientArea(*game, platform, [&](const Surface& back, const Rect& source, Point to) {
    // Clipped to the canvas, as the page's canvas clips what it is given.
    for (int y = 0; y < source.Height() && to.y + y < canvas.height; ++y) {
      for (int x = 0; x < source.Width() && to.x + x < canvas.width; ++x) {
        canvas.pixels[(to.y + y) * canvas.width + to.x + x] =
            back.pixels[(source.top + y) * back.width + source.left + x];
      }
    }
  });
  // FNV-1a over the red, green and blue bytes, row by row, as the test page hashes its canvas.
  std::uint32_t hash = 2166136261u;
  for (const Pixel p : canvas.pixels) {
    for (const int shift : {16, 8, 0}) {
      hash = (hash ^ ((p >> shift) & 0xFF)) * 16777619u;
    }
  }
  std::printf("%d %d %u\n", client.width, client.height, hash);
  return 0;
}
