// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's answers in the window: the mark after each change, the browser's commands and
// the live count while building by cubes.
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <thread>

#include "model/command_ids.h"
#include "model/pieces.h"
#include "shell/progress_wait.h"
#include "shell/solver_feedback.h"
#include "test_registry.h"
#include "window_fixture.h"

namespace kelvane::testing {

namespace {

// Paints a frame, then lets the answer that follows it arrive.
void ShowFrameAndSettle(MainWindow& window) {
  window.Field().grab();
  QCoreApplication::processEvents();
}

// Piece 7 where the default figure's solutions put it, or where it walls in cell (1, 4, 0).
void LayPiece7(Game& game, bool blocking) {
  const std::int8_t seven = PieceCellValue(6);
  game.field.at(1, 3, 0) = seven;
  game.field.at(1, 3, 1) = seven;
  (blocking ? game.field.at(1, 2, 1) : game.field.at(1, 4, 0)) = seven;
}

}  // namespace

class SolverFeedbackTest : public QObject {
  Q_OBJECT

 private slots:
  void MarkFollowsEachChangeOnceTheFrameIsShown() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    ShowFrameAndSettle(window);
    QVERIFY(!window.Feedback().Completable());  // off by default

    fixture.game().extras.canStillBeDone = true;
    ShowFrameAndSettle(window);
    QTRY_COMPARE(window.Feedback().Completable(), std::optional<bool>(true));

    LayPiece7(fixture.game(), true);
    window.Field().grab();
    // The frame with the new piece is drawn before the solver runs.
    QCOMPARE(window.Feedback().Completable(), std::optional<bool>(true));
    QCoreApplication::processEvents();
    QTRY_COMPARE(window.Feedback().Completable(), std::optional<bool>(false));
  }

  // The browser's own rules are tested with it; here, that its commands reach it and show.
  void BrowserCommandsStepLeaveAndUndo() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    Game& game = fixture.game();
    LayPiece7(game, false);
    const CellGrid players = game.field;
    QVERIFY(!window.Action(kCmdLeaveSolutions)->isEnabled());
    window.Action(kCmdNextSolution)->trigger();
    QVERIFY(window.Feedback().Browsing());
    const CellGrid first = game.field;
    QCOMPARE(CountCells(first), 27);
    window.Action(kCmdNextSolution)->trigger();
    window.Action(kCmdPreviousSolution)->trigger();
    QVERIFY(GridEquals(game.field, first));
    QVERIFY(window.Action(kCmdLeaveSolutions)->isEnabled());
    window.Action(kCmdLeaveSolutions)->trigger();
    QVERIFY(!window.Feedback().Browsing());
    QVERIFY(GridEquals(game.field, players));

    window.Action(kCmdNextSolution)->trigger();
    window.Action(kCmdUndo)->trigger();
    QVERIFY(GridEquals(game.field, players));
  }

  // Cancel in the progress window stops the work and drops its result, so the command changes
  // nothing; work that ends at once gives its result with no window.
  void ProgressWindowCancelStopsTheWork() {
    QTimer cancel;
    connect(&cancel, &QTimer::timeout, [] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        dialog->reject();
      }
    });
    cancel.start(10);
    bool stopped = false;
    const auto result =
        RunWithProgress(nullptr, "working", [&stopped](const std::atomic<bool>& stop) {
          while (!stop) {
            std::this_thread::yield();
          }
          stopped = true;
          return 1;
        });
    QVERIFY(!result);
    QVERIFY(stopped);
    QCOMPARE(RunWithProgress(nullptr, "working", [](const std::atomic<bool>&) { return 7; }),
             std::optional(7));
  }

  void CreatePanelCountsTheFigureAtTwentySevenCubes() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    window.RunCommand(kCmdCreateByCubes);
    Game& game = fixture.game();
    for (int i = 0; i < 27; ++i) {
      game.field.at(i % 3, i / 3 % 3, i / 9) = kPlainCube;
    }
    ShowFrameAndSettle(window);
    QTRY_COMPARE(window.Feedback().DesignCount(), QString("Solutions: 11520"));
    game.field.at(0, 0, 2) = kEmptyCell;
    ShowFrameAndSettle(window);
    QCOMPARE(window.Feedback().DesignCount(), QString());
  }
};

namespace {
const RegisterTest<SolverFeedbackTest> registered("SolverFeedbackTest");
}  // namespace

}  // namespace kelvane::testing

#include "solver_feedback_test.moc"
