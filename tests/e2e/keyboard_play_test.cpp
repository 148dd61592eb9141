// SPDX-License-Identifier: GPL-3.0-or-later
// The default figure played to the win with the keyboard alone: pieces chosen in the panel, turned
// in the orientation popup, laid with the field's cell cursor.
#include <QTest>

#include "shell/test_registry.h"
#include "support/default_solution.h"
#include "x_session.h"

namespace kelvane::e2e {

namespace {

// The keys that move a count of steps along one axis, `less` for negative counts.
QStringList Steps(int count, const QString& less, const QString& more) {
  return QStringList(std::abs(count), count < 0 ? less : more);
}

}  // namespace

class KeyboardPlayTest : public QObject {
  Q_OBJECT

 private slots:
  void TheDefaultFigureIsWonWithTheKeyboardAlone() {
    XSession x;
    const QString window = x.Start();
    QVERIFY(!window.isEmpty());
    // The game starts with the panel focused, no cell cursor, layer 0.
    int layer = 0;
    int cursorX = 0;
    int cursorY = 0;
    for (const testing::Placement& p : testing::kDefaultFigureSolution) {
      // In the panel: the top item, then down to the piece; Tab to the field.
      x.Keys(QStringList{"Home"} + QStringList(p.piece, "Down") + QStringList{"Tab"});
      // The popup opens highlighting nothing; each Down moves one item.
      x.Keys({"Menu"});
      QTest::qWait(400);
      x.Keys(QStringList(p.slot + 1, "Down") + QStringList{"Return"});
      QTest::qWait(200);
      x.Keys(Steps(p.layer - layer, "ctrl+Down", "ctrl+Up") +
             Steps(p.x - cursorX, "Left", "Right") + Steps(p.y - cursorY, "Up", "Down") +
             QStringList{"Return", "Tab"});
      layer = p.layer;
      cursorX = p.x;
      cursorY = p.y;
    }
    // The congratulation comes up over the game window, captioned like it.
    QVERIFY2(x.WaitForWindowCount("Kelvane", 2), "no congratulation after the seventh piece");
    x.Keys({"Return"});
    QVERIFY(x.WaitForWindowCount("Kelvane", 1));
    QCOMPARE(x.ExitThroughMenu(window).value_or(-1), 0);
  }
};

namespace {
const testing::RegisterTest<KeyboardPlayTest> registered("KeyboardPlayTest");
}  // namespace

}  // namespace kelvane::e2e

#include "keyboard_play_test.moc"
