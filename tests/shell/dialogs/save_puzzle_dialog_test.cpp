// SPDX-License-Identifier: GPL-3.0-or-later
// The Save puzzle dialog: the name field's filter, the name and overwrite questions, the save.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "creation/create_puzzle.h"
#include "dialog_fixture.h"
#include "shell/dialogs/puzzle_name_field.h"
#include "shell/dialogs/save_puzzle_dialog.h"
#include "test_registry.h"

namespace kelvane::testing {
namespace {

// Creation by cubes with `cubes` cubes laid in a row of layers on the Field.
void BuildByCubes(DialogFixture& fixture, int cubes) {
  CreatePuzzle(fixture.game(), fixture.platform, CreateMode::ByCubes);
  for (int i = 0; i < cubes; ++i) {
    fixture.game().field.at(i % 3, (i / 3) % 3, i / 9) = kPlainCube;
  }
  fixture.platform = FakePlatform{};
}

std::unique_ptr<SavePuzzleDialog> OpenShown(DialogFixture& fixture) {
  BuildByCubes(fixture, 27);
  std::unique_ptr<SavePuzzleDialog> dialog =
      OpenSavePuzzleDialog(fixture.game(), fixture.platform, nullptr);
  dialog->show();
  dialog->NameField().setFocus();
  return dialog;
}

}  // namespace

class SavePuzzleDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // Typed keys pass the core's name filter; the field holds a hundred characters.
  void TypedKeysAreFilteredAndCut() {
    DialogFixture fixture;
    const auto dialog = OpenShown(fixture);
    QTest::keyClicks(&dialog->NameField(), "a/b" + QString(101, 'x'));
    QCOMPARE(dialog->NameField().text(), "ab" + QString(98, 'x'));
    QCOMPARE(fixture.platform.beeps, 4);  // the '/' and the three keys past the limit
  }

  void EveryPasteBeepsAndInsertsNothing() {
    DialogFixture fixture;
    const auto dialog = OpenShown(fixture);
    PuzzleNameField& field = dialog->NameField();
    QGuiApplication::clipboard()->setText("pasted");
    QTest::keyClicks(&field, "ab");

    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::mouseClick(&field, Qt::MiddleButton);
    const std::unique_ptr<QMenu> menu(field.CreateContextMenu());
    QAction* paste = menu->findChild<QAction*>(kPasteActionName);
    QVERIFY(paste != nullptr);
    QVERIFY(paste->isEnabled());
    paste->trigger();

    QCOMPARE(field.text(), QString("ab"));
    QCOMPARE(fixture.platform.beeps, 4);
  }

  // Guards against a name the field holds but OK cannot save: 51 "é" take 102 bytes.
  void ANameOfNonAsciiLettersFitsAndSaves() {
    DialogFixture fixture;
    const auto dialog = OpenShown(fixture);
    for (int i = 0; i < 51; ++i) {
      QTest::sendKeyEvent(QTest::Click, &dialog->NameField(), Qt::Key_Eacute, QChar(0xE9), {});
    }
    QCOMPARE(dialog->NameField().text(), QString(50, QChar(0xE9)));
    QCOMPARE(fixture.platform.beeps, 1);
    QTest::mouseClick(&dialog->OkButton(), Qt::LeftButton);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(QFile::exists("Puzzles/" + QString(50, QChar(0xE9)) + ".kvp"));
  }

  // OK reaches the core's checks: an all-space name is refused, the dialog stays.
  void OkAsksTheCoreAndStaysOnARefusal() {
    DialogFixture fixture;
    const auto dialog = OpenShown(fixture);
    QTest::keyClicks(&dialog->NameField(), "   ");
    QTest::mouseClick(&dialog->OkButton(), Qt::LeftButton);
    QCOMPARE(fixture.platform.messages.size(), std::size_t{1});
    QVERIFY(dialog->isVisible());
  }

  void ANewNameIsSavedAsTyped() {
    DialogFixture fixture;
    const auto dialog = OpenShown(fixture);
    QTest::keyClicks(&dialog->NameField(), "my cube");
    QTest::keyClick(&dialog->NameField(), Qt::Key_Return);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(fixture.platform.messages.empty());
    QVERIFY(QFile::exists("Puzzles/my cube.kvp"));
  }

  void AnIncompleteFigureShowsOnlyItsReason() {
    DialogFixture fixture;
    BuildByCubes(fixture, 5);
    QVERIFY(OpenSavePuzzleDialog(fixture.game(), fixture.platform, nullptr) == nullptr);
    QCOMPARE(fixture.platform.messages.size(), std::size_t{1});
    QCOMPARE(fixture.platform.messages[0].text,
             std::string("Number of cubes must be 27 (now is 5)."));
  }
};

namespace {
const RegisterTest<SavePuzzleDialogTest> registered("SavePuzzleDialogTest");
}

}  // namespace kelvane::testing

#include "save_puzzle_dialog_test.moc"
