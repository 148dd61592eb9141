// SPDX-License-Identifier: GPL-3.0-or-later
// The New game dialog: listing, preselection, the preview's messages and starting a figure.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cstdlib>

#include "dialog_fixture.h"
#include "model/cell_grid.h"
#include "model/char_buffer.h"
#include "shell/dialogs/new_game_dialog.h"
#include "test_registry.h"

namespace kelvane::testing {
namespace {

int SelectedRow(NewGameDialog& dialog) {
  const QList<QListWidgetItem*> selected = dialog.FileList().selectedItems();
  return selected.isEmpty() ? -1 : dialog.FileList().row(selected.front());
}

int Distance(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
         std::abs(qBlue(a) - qBlue(b));
}

// Paints the preview and counts its pixels nearer to `colour` than to `other`: the smoothed
// edges of text count with the colour they mostly hold.
int PixelsNearer(NewGameDialog& dialog, Colour colour, Colour other) {
  const QImage picture = dialog.Preview().grab().toImage();
  const QRgb wanted = PixelFromColour(colour);
  const QRgb unwanted = PixelFromColour(other);
  int count = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      count += Distance(pixel, wanted) < Distance(pixel, unwanted) ? 1 : 0;
    }
  }
  return count;
}

}  // namespace

class NewGameDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void PreviewWritesItsMessagesInInkOnTheBackground() {
    DialogFixture fixture;
    constexpr Colour kGreen = 0x00FF00;
    constexpr Colour kRed = 0x0000FF;
    fixture.game().settings.COLOR_BACK = kGreen;
    fixture.game().settings.COLOR_INK = kRed;
    fixture.WriteFile("Puzzles/broken.kvp", "[SIZE]\r\nDX=0\r\n");
    NewGameDialog dialog(fixture.game(), fixture.platform, nullptr);
    const int notSelected = PixelsNearer(dialog, kRed, kGreen);
    QCOMPARE(dialog.PreviewShown(), NewGamePreview::NotSelected);
    QVERIFY(notSelected > 0);
    const QImage picture = dialog.Preview().grab().toImage();
    QCOMPARE(picture.pixel(0, 0), qRgb(0, 255, 0));

    dialog.FileList().setCurrentRow(0);
    const int invalid = PixelsNearer(dialog, kRed, kGreen);
    QCOMPARE(dialog.PreviewShown(), NewGamePreview::InvalidFormat);
    // The shorter message covers fewer pixels: the text drawn really changed.
    QVERIFY(invalid > 0 && invalid < notSelected);
  }

  // The preselected entry is previewed, and arrow keys preview the next.
  void KeyboardSelectionPreviewsEachEntryInTurn() {
    DialogFixture fixture;
    fixture.WriteFile("Puzzles/a.kvp", CubePuzzleText());
    fixture.WriteFile("Puzzles/b.kvp", "not a puzzle");
    SetBufferText(fixture.game().settings.PUZZLE, "a.kvp");
    NewGameDialog dialog(fixture.game(), fixture.platform, nullptr);
    const Colour back = fixture.game().settings.COLOR_BACK;
    dialog.Preview().grab();
    QCOMPARE(dialog.PreviewShown(), NewGamePreview::Figure);
    const Colour ink = fixture.game().settings.COLOR_INK;
    const int figureBackground = PixelsNearer(dialog, back, ink);

    QTest::keyClick(&dialog.FileList(), Qt::Key_Down);
    QCOMPARE(SelectedRow(dialog), 1);
    dialog.Preview().grab();
    QCOMPARE(dialog.PreviewShown(), NewGamePreview::InvalidFormat);
    QVERIFY(PixelsNearer(dialog, back, ink) > figureBackground);
  }

  void DoubleClickStartsTheFigureAndRemembersIt() {
    DialogFixture fixture;
    fixture.WriteFile("Puzzles/a.kvp", "[SIZE]\r\nDX=1\r\nDY=1\r\nDZ=1\r\n[Z0]\r\nY0=1");
    fixture.WriteFile("Puzzles/Cube.kvp", CubePuzzleText());
    NewGameDialog dialog(fixture.game(), fixture.platform, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QListWidget& list = dialog.FileList();
    const QPoint onCube = list.visualItemRect(list.item(1)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, onCube);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, onCube);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(CountCells(fixture.game().figure), 27);
    QCOMPARE(GridExtents(fixture.game().figure), (Extents{3, 3, 3}));
    QCOMPARE(BufferText(fixture.game().settings.PUZZLE), std::string_view("Cube.kvp"));
  }

  void OkWithoutASelectionExplainsAndStaysOpen() {
    DialogFixture fixture;
    const CellGrid figure = fixture.game().figure;
    NewGameDialog dialog(fixture.game(), fixture.platform, nullptr);
    QCOMPARE(dialog.FileList().count(), 0);
    dialog.show();
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
    QCOMPARE(fixture.platform.messages.size(), std::size_t{1});
    QVERIFY(dialog.isVisible());
    QVERIFY(GridEquals(fixture.game().figure, figure));
  }

  void CountsFollowTheSelectionOnceItRests() {
    DialogFixture fixture;
    fixture.WriteFile("Puzzles/a.kvp", "[SIZE]\r\nDX=0\r\n");
    fixture.WriteFile("Puzzles/b.kvp", CubePuzzleText());
    NewGameDialog dialog(fixture.game(), fixture.platform, nullptr);
    dialog.FileList().setCurrentRow(1);
    QVERIFY(dialog.Counts().text().isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(dialog.Counts().text(), QString("11,520 completions · 240 distinct · Easy"));
    dialog.FileList().setCurrentRow(0);
    QCoreApplication::processEvents();
    QVERIFY(dialog.Counts().text().isEmpty());
    dialog.Preview().grab();
    QCOMPARE(dialog.PreviewShown(), NewGamePreview::InvalidFormat);
  }
};

namespace {
const RegisterTest<NewGameDialogTest> registered("NewGameDialogTest");
}

}  // namespace kelvane::testing

#include "new_game_dialog_test.moc"
