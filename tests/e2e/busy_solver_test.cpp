// SPDX-License-Identifier: GPL-3.0-or-later
// Figures that keep the solver busy for seconds or more: the window still answers while it works.
#include <QTest>

#include "shell/test_registry.h"
#include "x_session.h"

namespace kelvane::e2e {

namespace {

std::string BlockText(int dx, int dy, int dz) {
  std::string text = "[SIZE]\r\nDX = " + std::to_string(dx) + "\r\nDY = " + std::to_string(dy) +
                     "\r\nDZ = " + std::to_string(dz) + "\r\n";
  for (int z = 0; z < dz; ++z) {
    text += "\r\n[Z" + std::to_string(z) + "]\r\n";
    for (int y = 0; y < dy; ++y) {
      text += "Y" + std::to_string(y) + " = " + std::string(dx, '1') + "\r\n";
    }
  }
  return text;
}

// Generous: the machine running the tests may be busy; what counts is that the window answers.
constexpr int kAnswerMs = 20000;

}  // namespace

class BusySolverTest : public QObject {
  Q_OBJECT

 private slots:
  // Guards against counts and searches on the window's thread: the 5 × 5 × 5 block's count, the
  // 4 × 3 × 3 block's solutions (Shift+F3 needs them all counted) and Test on a 12 × 12 × 1 slab
  // ran for minutes, or without end, before the window answered again.
  void NewGameBrowserAndTestAnswerEscapeWhileTheSolverWorks() {
    XSession x;
    const fs::path puzzles = x.Work() / "Puzzles";
    fs::remove_all(puzzles);
    fs::create_directories(puzzles);
    WriteBytes(puzzles / "Block 4x3x3.kvp", BlockText(4, 3, 3));
    WriteBytes(puzzles / "Block 5x5x5.kvp", BlockText(5, 5, 5));
    WriteBytes(puzzles / "Slab 12x12x1.kvp", BlockText(12, 12, 1));
    const QString window = x.Start();
    QVERIFY(!window.isEmpty());
    const auto newGame = [&](int entry, const QString& last) {
      x.Focus(window);
      x.Keys({"ctrl+n"});
      const QString dialog = x.WaitForWindow("New game", kAnswerMs);
      QVERIFY(!dialog.isEmpty());
      x.Focus(dialog);
      // Down first: Home alone selects nothing in a list without a current entry.
      x.Keys(QStringList{"Down", "Home"} + QStringList(entry, "Down") + QStringList{last});
      QVERIFY2(x.WaitForWindowCount("New game", 0, kAnswerMs), "New game did not answer");
    };

    // Focused before Escape: the progress window may show before it takes the keyboard.
    const auto cancelProgress = [&](const char* missing) {
      const QString progress = x.WaitForOtherWindow("Kelvane", window, kAnswerMs);
      QVERIFY2(!progress.isEmpty(), missing);
      x.Focus(progress);
      x.Keys({"Escape"});
      QVERIFY2(x.WaitForWindowCount("Kelvane", 1, kAnswerMs), "the progress window stayed");
    };

    // The block's count runs on while the dialog goes.
    newGame(1, "Escape");

    newGame(0, "Return");
    x.Focus(window);
    x.Keys({"F3", "shift+F3"});
    cancelProgress("no progress window");

    newGame(2, "Return");
    x.Focus(window);
    x.Keys({"ctrl+t"});
    cancelProgress("Test did not answer");
    QCOMPARE(x.ExitThroughMenu(window).value_or(-1), 0);
  }
};

namespace {
const testing::RegisterTest<BusySolverTest> registered("BusySolverTest");
}  // namespace

}  // namespace kelvane::e2e

#include "busy_solver_test.moc"
