// SPDX-License-Identifier: GPL-3.0-or-later
// The default figure played to the win with the keyboard alone: pieces chosen in the panel, turned
// in the orientation popup, laid with the field's cell cursor.
#include <QTest>

#include "shell/test_registry.h"
#include "support/default_solution.h"
#include "x_session.h"

namespace kelvane::e2e {

class KeyboardPlayTest : public QObject {
  Q_OBJECT

 private slots:
  void TheDefaultFigureIsWonWithTheKeyboardAlone() {
    XSession x;
    const QString window = x.Start();
    QVERIFY(!window.isEmpty());
    // The game starts with the panel focused, no cell cursor, layer 0.
    testing::Placement at{};
    // The keys that move a count of steps along one axis, `less` for negative counts.
    const auto steps = [](int count, const QString& less, const QString& more) {
      return QStringList(std::abs(count), count < 0 ? less : more);
    };
    for (const testing::Placement& p : testing::kDefaultFigureSolution) {
      // In the panel: the top item, then down to the piece; Tab to the field.
      x.Keys(QStringList{"Home"} + QStringList(p.piece, "Down") + QStringList{"Tab"});
      // The popup opens highlighting nothing; each Down moves one item.
      x.Keys({"Menu"});
      QTest::qWait(400);
      x.Keys(QStringList(p.slot + 1, "Down") + QStringList{"Return"});
      QTest::qWait(200);
      x.Keys(steps(p.layer - at.layer, "ctrl+Down", "ctrl+Up") +
             steps(p.x - at.x, "Left", "Right") + steps(p.y - at.y, "Up", "Down") +
             QStringList{"Return", "Tab"});
      at = p;
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
