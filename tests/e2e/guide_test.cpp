// SPDX-License-Identifier: GPL-3.0-or-later
// The guided first puzzle at a first start: shown, followed with the keyboard to a laid piece,
// ended by Esc, and not shown again at the next start.
#include <QTest>

#include "cell_targets.h"
#include "shell/test_registry.h"
#include "storage/kept_game_file.h"
#include "support/default_solution.h"
#include "x_session.h"

namespace kelvane::e2e {
namespace {

// The bubble's fill, the tooltip colour of the game's palette.
bool GuideShows(const QImage& screen) {
  int pixels = 0;
  for (int y = 0; y < screen.height(); y += 2) {
    for (int x = 0; x < screen.width(); x += 2) {
      pixels += screen.pixel(x, y) == qRgb(255, 255, 220) ? 1 : 0;
    }
  }
  return pixels > 1000;
}

}  // namespace

class GuideTest : public QObject {
  Q_OBJECT

 private slots:
  void AFirstStartGuidesToALaidPieceAndASecondStartDoesNot() {
    XSession x;
    x.AllowGuide();
    QString window = x.Start();
    QVERIFY(!window.isEmpty());
    QVERIFY2(QTest::qWaitFor([&] { return GuideShows(x.Capture()); }, 10000), "no guide");
    // Choose piece 2 in the panel, turn it in the popup, aim with the cell cursor, lay it.
    const testing::Placement p = testing::kDefaultFigureSolution[1];
    x.Keys(QStringList{"Home"} + QStringList(p.piece, "Down") + QStringList{"Tab", "Menu"});
    QTest::qWait(400);
    x.Keys(QStringList(p.slot + 1, "Down") + QStringList{"Return"});
    QTest::qWait(200);
    x.Keys(QStringList(p.x, "Right") + QStringList(p.y, "Down") + QStringList{"Return"});
    QVERIFY(GuideShows(x.Capture()));
    x.Keys({"Escape"});
    QVERIFY2(QTest::qWaitFor([&] { return !GuideShows(x.Capture()); }, 5000), "Esc kept it");
    QCOMPARE(x.ExitThroughMenu(window).value_or(-1), 0);
    const std::optional<KeptGame> kept =
        ParseKeptGame(FileBytes(x.Work() / kKeptGameFileName), *NewWindowModel());
    QVERIFY(kept.has_value());
    QCOMPARE(CountCells(kept->field), PieceCubeCount(p.piece - 1));

    window = x.Start();
    QVERIFY(!window.isEmpty());
    QTest::qWait(1500);
    QVERIFY2(!GuideShows(x.Capture()), "the guide came again");
    QCOMPARE(x.ExitThroughMenu(window).value_or(-1), 0);
  }
};

namespace {
const testing::RegisterTest<GuideTest> registered("GuideTest");
}  // namespace

}  // namespace kelvane::e2e

#include "guide_test.moc"
