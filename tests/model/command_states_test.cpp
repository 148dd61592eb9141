// SPDX-License-Identifier: GPL-3.0-or-later
// Which commands are enabled and checked in each state of the game.
#include "model/command_states.h"

#include "model/command_ids.h"
#include "model/create_mode.h"
#include "model/placement.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

class CommandStatesTest : public PlayTest {
 protected:
  // '1' where the command is enabled: Hide piece 1 to 7, then Save, Layer down, Layer up, Show up
  // layer, Hide down layer, Test, Hint, Show all pieces, Remove piece.
  std::string Enabled(int selection) {
    const CommandStates s = ComputeCommandStates(*game, selection);
    std::string bits;
    for (const int id : kCmdHidePiece) {
      bits += s.IsEnabled(id) ? '1' : '0';
    }
    bits += ' ';
    for (const int id :
         {kCmdSavePuzzle, kCmdLayerDown, kCmdLayerUp, kCmdShowUpLayer, kCmdHideDownLayer,
          kCmdTestPuzzle, kCmdHintOnePiece, kCmdShowAllPieces, kCmdRemovePiece}) {
      bits += s.IsEnabled(id) ? '1' : '0';
    }
    return bits;
  }
};

TEST_F(CommandStatesTest, EachStateOffersItsCommands) {
  EXPECT_EQ(Enabled(-1), "0000000 001011110") << "a fresh game shows all 3 layers";
  EXPECT_TRUE(ComputeCommandStates(*game, -1).IsEnabled(kCmdNew)) << "not in the table";

  game->currentLayer = 2;
  game->shownLayers = 1;
  EXPECT_EQ(Enabled(-1), "0000000 010101110");

  Lay(kDefaultFigureSolution[2]);  // on layer 0
  game->hideFlags[2] = 1;
  game->hideFlags[3] = 1;
  EXPECT_EQ(Enabled(3), "0010000 001101111") << "the selected piece lies";
  for (const int selection : {4, 0, -1}) {
    EXPECT_EQ(Enabled(selection), "0010000 001101110") << selection;
  }
  for (int k = 0; k < kPieceCount; ++k) {
    EXPECT_EQ(ComputeCommandStates(*game, 3).IsChecked(kCmdHidePiece[k]), game->hideFlags[k] != 0);
  }

  game->createMode = 1;
  game->creationKind = kCreationByCubes;
  game->shownLayers = 2;
  EXPECT_EQ(Enabled(3), "0010000 101000000") << "clicks toggle cubes in this mode";
  game->creationKind = kCreationByPieces;
  EXPECT_EQ(Enabled(3), "0010000 101000001");

  for (const Placement& p : kDefaultFigureSolution) {
    Lay(p);
  }
  game->createMode = 0;
  EXPECT_EQ(Enabled(7), "1111111 010110001") << "all pieces placed";
}

}  // namespace
}  // namespace kelvane::testing
