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
  CommandStates States(int selection) { return ComputeCommandStates(*game, selection); }
};

TEST_F(CommandStatesTest, AFreshGameOffersTheLayerAndAnalyseCommands) {
  const CommandStates s = States(-1);
  for (int id : kCmdHidePiece) {
    EXPECT_FALSE(s.IsEnabled(id));
    EXPECT_FALSE(s.IsChecked(id));
  }
  EXPECT_FALSE(s.IsEnabled(kCmdSavePuzzle));
  EXPECT_FALSE(s.IsEnabled(kCmdLayerDown));
  EXPECT_TRUE(s.IsEnabled(kCmdLayerUp));
  EXPECT_FALSE(s.IsEnabled(kCmdShowUpLayer)) << "all 3 layers are shown";
  EXPECT_TRUE(s.IsEnabled(kCmdHideDownLayer));
  EXPECT_TRUE(s.IsEnabled(kCmdTestPuzzle));
  EXPECT_TRUE(s.IsEnabled(kCmdHintOnePiece));
  EXPECT_TRUE(s.IsEnabled(kCmdShowAllPieces));
  EXPECT_FALSE(s.IsEnabled(kCmdRemovePiece));
  EXPECT_TRUE(s.IsEnabled(kCmdNew)) << "commands outside the table are always enabled";
}

TEST_F(CommandStatesTest, LayerCommandsGreyAtTheEnds) {
  game->currentLayer = 2;
  game->shownLayers = 1;
  const CommandStates s = States(-1);
  EXPECT_FALSE(s.IsEnabled(kCmdLayerUp));
  EXPECT_TRUE(s.IsEnabled(kCmdLayerDown));
  EXPECT_TRUE(s.IsEnabled(kCmdShowUpLayer));
  EXPECT_FALSE(s.IsEnabled(kCmdHideDownLayer));
}

TEST_F(CommandStatesTest, APlacedPieceCanBeHiddenAndRemovedWhileSelected) {
  Lay(kDefaultFigureSolution[2]);
  game->hideFlags[2] = 1;
  EXPECT_TRUE(States(3).IsEnabled(kCmdHidePiece[2]));
  EXPECT_TRUE(States(3).IsChecked(kCmdHidePiece[2]));
  EXPECT_FALSE(States(3).IsChecked(kCmdHidePiece[3]));
  EXPECT_TRUE(States(3).IsEnabled(kCmdRemovePiece));
  EXPECT_FALSE(States(4).IsEnabled(kCmdRemovePiece));
  EXPECT_FALSE(States(0).IsEnabled(kCmdRemovePiece));
  EXPECT_FALSE(States(-1).IsEnabled(kCmdRemovePiece));
}

TEST_F(CommandStatesTest, AllPiecesPlacedGreysTheAnalyseCommands) {
  for (const Placement& p : kDefaultFigureSolution) {
    Lay(p);
  }
  const CommandStates s = States(7);
  EXPECT_FALSE(s.IsEnabled(kCmdTestPuzzle));
  EXPECT_FALSE(s.IsEnabled(kCmdHintOnePiece));
  EXPECT_FALSE(s.IsEnabled(kCmdShowAllPieces));
  for (int id : kCmdHidePiece) {
    EXPECT_TRUE(s.IsEnabled(id));
  }
}

TEST_F(CommandStatesTest, CreateModeOffersSaveAndNothingOfPlay) {
  Lay(kDefaultFigureSolution[2]);
  game->createMode = 1;
  game->creationKind = kCreationByCubes;
  game->shownLayers = 2;
  CommandStates s = States(3);
  EXPECT_TRUE(s.IsEnabled(kCmdSavePuzzle));
  EXPECT_FALSE(s.IsEnabled(kCmdShowUpLayer));
  EXPECT_FALSE(s.IsEnabled(kCmdHideDownLayer));
  EXPECT_FALSE(s.IsEnabled(kCmdTestPuzzle));
  EXPECT_FALSE(s.IsEnabled(kCmdHintOnePiece));
  EXPECT_FALSE(s.IsEnabled(kCmdShowAllPieces));
  EXPECT_FALSE(s.IsEnabled(kCmdRemovePiece)) << "clicks toggle cubes in this mode";

  game->creationKind = kCreationByPieces;
  s = States(3);
  EXPECT_TRUE(s.IsEnabled(kCmdRemovePiece));
  EXPECT_TRUE(s.IsEnabled(kCmdSavePuzzle));
}

}  // namespace
}  // namespace kelvane::testing
