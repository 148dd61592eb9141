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
  void ForbiddenCharactersBeepAndStayOut() {
    DialogFixture fixture;
    const auto dialog = OpenShown(fixture);
    QTest::keyClicks(&dialog->NameField(), "a/b:c");
    QCOMPARE(dialog->NameField().text(), QString("abc"));
    QCOMPARE(fixture.platform.beeps, 2);
    QTest::keyClicks(&dialog->NameField(), "<>\"\\*?|");
    QCOMPARE(dialog->NameField().text(), QString("abc"));
    QCOMPARE(fixture.platform.beeps, 9);
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

  void TheFieldHoldsAHundredCharacters() {
    DialogFixture fixture;
    const auto dialog = OpenShown(fixture);
    QTest::keyClicks(&dialog->NameField(), QString(101, 'x'));
    QCOMPARE(dialog->NameField().text().size(), 100);
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

  void AnAllSpaceNameAsksForAName() {
    DialogFixture fixture;
    const auto dialog = OpenShown(fixture);
    QTest::keyClicks(&dialog->NameField(), "   ");
    QTest::mouseClick(&dialog->OkButton(), Qt::LeftButton);
    QCOMPARE(fixture.platform.messages.size(), std::size_t{1});
    QCOMPARE(fixture.platform.messages[0].text, std::string("Please enter a file name."));
    QCOMPARE(fixture.platform.messages[0].style, MessageStyle::Plain);
    QVERIFY(dialog->isVisible());
    QVERIFY(!QFile::exists("Puzzles/   .kvp"));
  }

  void ReplacingAPuzzleAsksFirstAndNoKeepsTheDialog() {
    DialogFixture fixture;
    fixture.WriteFile("Puzzles/cube.kvp", "old");
    const auto dialog = OpenShown(fixture);
    QTest::keyClicks(&dialog->NameField(), "cube");

    fixture.platform.answers = {MessageAnswer::No};
    QTest::mouseClick(&dialog->OkButton(), Qt::LeftButton);
    QCOMPARE(fixture.platform.messages.back().text, std::string("File exist. Overwrite?"));
    QCOMPARE(fixture.platform.messages.back().style, MessageStyle::Question);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->NameField().text(), QString("cube"));
    QCOMPARE(fixture.ReadFile("Puzzles/cube.kvp"), QString("old"));
    QVERIFY(fixture.game().createMode != 0);

    fixture.platform.answers = {MessageAnswer::Yes};
    QTest::mouseClick(&dialog->OkButton(), Qt::LeftButton);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(fixture.ReadFile("Puzzles/cube.kvp").startsWith("[SIZE]"));
    QCOMPARE(fixture.game().createMode, 0);
    QCOMPARE(CountCells(fixture.game().figure), 27);
    QCOMPARE(CountCells(fixture.game().field), 0);
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
