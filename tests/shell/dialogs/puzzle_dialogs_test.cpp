// SPDX-License-Identifier: GPL-3.0-or-later
// The New game and Save puzzle dialogs' windows: the preview and counts follow the selection, the
// name field filters keys and refuses pastes, and OK reaches the core. What the core lists, starts,
// accepts as a name and saves is tested with it; New game's buttons with the window's commands.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "creation/create_puzzle.h"
#include "shell/dialogs/figure_counts_line.h"
#include "shell/dialogs/new_game_dialog.h"
#include "shell/dialogs/puzzle_name_field.h"
#include "shell/dialogs/save_puzzle_dialog.h"
#include "test_registry.h"
#include "window_fixture.h"

namespace kelvane::testing {
namespace {

// Paints the preview and counts its pixels that pass `test`.
int Pixels(NewGameDialog& dialog, const std::function<bool(QRgb)>& test) {
  const QImage picture = dialog.Preview().grab().toImage();
  int count = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      count += test(picture.pixel(x, y)) ? 1 : 0;
    }
  }
  return count;
}

// On the green background: the red ink, with the smoothed edges of text it mostly holds.
bool Inked(QRgb pixel) {
  return qRed(pixel) > qGreen(pixel);
}

bool Background(QRgb pixel) {
  return pixel == qRgb(0, 255, 0);
}

// Creation by cubes with `cubes` cubes laid in a row of layers on the Field.
void BuildByCubes(WindowFixture& fixture, int cubes) {
  CreatePuzzle(fixture.game(), fixture.boxes, CreateMode::ByCubes);
  for (int i = 0; i < cubes; ++i) {
    fixture.game().field.at(i % 3, (i / 3) % 3, i / 9) = kPlainCube;
  }
  fixture.boxes = FakePlatform{};
}

}  // namespace

class PuzzleDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  // The messages are written in ink on the background; the counts come once the selection rests.
  void NewGamePreviewAndCountsFollowTheSelection() {
    WindowFixture fixture;
    fixture.game().settings.COLOR_BACK = 0x00FF00;
    fixture.game().settings.COLOR_INK = 0x0000FF;  // red: colours are stored blue first
    WriteTestFile("Puzzles/a.kvp", CubePuzzleText());
    WriteTestFile("Puzzles/b.kvp", "[SIZE]\r\nDX=0\r\n");
    NewGameDialog dialog(fixture.game(), fixture.boxes, nullptr);
    const int notSelected = Pixels(dialog, Inked);
    QCOMPARE(dialog.PreviewShown(), NewGamePreview::NotSelected);
    QVERIFY(notSelected > 0);

    dialog.FileList().setCurrentRow(0);
    const int figureBackground = Pixels(dialog, Background);
    QCOMPARE(dialog.PreviewShown(), NewGamePreview::Figure);
    QVERIFY(dialog.Counts().text().isEmpty());
    // Counted in a worker: the line says so until the count comes.
    QCoreApplication::processEvents();
    QTRY_COMPARE(dialog.Counts().text(), QString("11,520 completions · 240 distinct · Easy"));

    QTest::keyClick(&dialog.FileList(), Qt::Key_Down);
    const int invalid = Pixels(dialog, Inked);
    QCOMPARE(dialog.PreviewShown(), NewGamePreview::InvalidFormat);
    // The shorter message covers fewer pixels: the text drawn really changed.
    QVERIFY(invalid > 0 && invalid < notSelected);
    QVERIFY(Pixels(dialog, Background) > figureBackground);
    QCoreApplication::processEvents();
    QVERIFY(dialog.Counts().text().isEmpty());
  }

  // Guards also against a name the field holds but OK cannot save: "é" takes two bytes.
  void SaveNameKeysPassUpToAHundredBytesPastesBeepAndOkSaves() {
    WindowFixture fixture;
    BuildByCubes(fixture, 5);  // an incomplete figure gets its reason and no dialog
    QVERIFY(OpenSavePuzzleDialog(fixture.game(), fixture.boxes, nullptr) == nullptr);
    QCOMPARE(fixture.boxes.messages.size(), std::size_t{1});
    BuildByCubes(fixture, 27);
    const std::unique_ptr<SavePuzzleDialog> dialog =
        OpenSavePuzzleDialog(fixture.game(), fixture.boxes, nullptr);
    dialog->show();
    PuzzleNameField& field = dialog->NameField();
    field.setFocus();
    QTest::mouseClick(&dialog->OkButton(), Qt::LeftButton);  // no name: the core refuses
    QCOMPARE(fixture.boxes.messages.size(), std::size_t{1});
    QVERIFY(dialog->isVisible());

    QTest::keyClicks(&field, "a/b");
    QGuiApplication::clipboard()->setText("pasted");
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::mouseClick(&field, Qt::MiddleButton);
    const std::unique_ptr<QMenu> menu(field.CreateContextMenu());
    QAction* paste = menu->findChild<QAction*>(kPasteActionName);
    QVERIFY(paste != nullptr && paste->isEnabled());
    paste->trigger();
    QCOMPARE(field.text(), QString("ab"));
    QCOMPARE(fixture.boxes.beeps, 5);  // the '/' and each paste

    for (int i = 0; i < 50; ++i) {
      QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_Eacute, QChar(0xE9), {});
    }
    const QString name = "ab" + QString(49, QChar(0xE9));
    QCOMPARE(field.text(), name);
    QCOMPARE(fixture.boxes.beeps, 6);
    QTest::keyClick(&field, Qt::Key_Return);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(QFile::exists("Puzzles/" + name + ".kvp"));
  }
};

namespace {
const RegisterTest<PuzzleDialogsTest> registered("PuzzleDialogsTest");
}

}  // namespace kelvane::testing

#include "puzzle_dialogs_test.moc"
