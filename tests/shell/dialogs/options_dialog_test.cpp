// SPDX-License-Identifier: GPL-3.0-or-later
// The Options dialog: what OK, Apply, Set to default, Cancel and Help do to the Game's Settings.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "shell/dialogs/colour_button.h"
#include "shell/dialogs/options_dialog.h"
#include "storage/settings_file.h"
#include "test_registry.h"
#include "window_fixture.h"

namespace kelvane::testing {
namespace {

// The options as the controls hold them, written as the settings file writes them.
std::string Shown(const OptionsDialog& dialog, const Game& game) {
  Settings settings = game.settings;
  dialog.GetOptionsFromDialog(settings);
  return FormatSettingsText(settings);
}

QRgb CentreOf(const QPixmap& picture) {
  const QImage image = picture.toImage();
  return image.pixel(image.width() / 2, image.height() / 2);
}

}  // namespace

class OptionsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // A cancelled colour choice changes nothing; nothing is stored before Apply.
  void ApplyStoresTheControlsAndCancelKeepsThem() {
    WindowFixture fixture;
    const std::string before = FormatSettingsText(fixture.game().settings);
    std::vector<std::optional<Colour>> answers{std::nullopt, 0x00FF00, 0x0000FF};
    OptionsDialog dialog(fixture.game(), fixture.boxes, nullptr, [&](QWidget*) {
      const std::optional<Colour> answer = answers.front();
      answers.erase(answers.begin());
      return answer;
    });
    dialog.show();
    QTest::mouseClick(&dialog.BackgroundButton(), Qt::LeftButton);
    QCOMPARE(dialog.BackgroundButton().Value(), fixture.game().settings.COLOR_BACK);
    QTest::mouseClick(&dialog.BackgroundButton(), Qt::LeftButton);
    QTest::mouseClick(&dialog.InkButton(), Qt::LeftButton);
    QCOMPARE(CentreOf(dialog.BackgroundButton().icon().pixmap(8, 8)), qRgb(0, 255, 0));
    QCOMPARE(CentreOf(dialog.InkButton().icon().pixmap(8, 8)), qRgb(255, 0, 0));
    QCOMPARE(dialog.Preview().grab().toImage().pixel(1, 1), qRgb(0, 255, 0));
    dialog.SkinList().setCurrentRow(3);
    dialog.CheckersBox().setChecked(false);
    dialog.ScaleBox().setCurrentIndex(0);
    QCOMPARE(FormatSettingsText(fixture.game().settings), before);

    QTest::mouseClick(&dialog.Button(OptionsButton::Apply), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(fixture.boxes.fits, 1);
    QCOMPARE(fixture.boxes.invalidations, 1);
    QCOMPARE(fixture.game().fieldGeometry, (CubeGeometry{18, 12, 18, 43}));
    QTest::mouseClick(&dialog.Button(OptionsButton::Cancel), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    const Settings& kept = fixture.game().settings;
    QCOMPARE(kept.COLOR_BACK, Colour{0x00FF00});
    QCOMPARE(kept.COLOR_INK, Colour{0x0000FF});
    QCOMPARE(kept.SKIN_INDEX, 3);
    QCOMPARE(kept.SHOW_CHECKERS, 0);
    QCOMPARE(kept.SCALE, 2);
  }

  // Tab walks the controls in the template's order, the switches beyond it before the buttons.
  void TabFollowsTheTemplate() {
    WindowFixture fixture;
    OptionsDialog dialog(fixture.game(), fixture.boxes, nullptr);
    const std::vector<QWidget*> expected{
        &dialog.InkButton(),       &dialog.SkinList(),         &dialog.CheckersBox(),
        &dialog.HelpersBox(),      &dialog.ScaleBox(),         &dialog.CanStillBeDoneBox(),
        &dialog.PieceNumbersBox(), &dialog.ClockAndMovesBox(), &dialog.Button(OptionsButton::Ok)};
    std::vector<QWidget*> walked;
    for (QWidget* at = &dialog.BackgroundButton(); walked.size() < expected.size();) {
      at = at->nextInFocusChain();
      if (at->focusPolicy() & Qt::TabFocus) {
        walked.push_back(at);
      }
    }
    QVERIFY(walked == expected);
  }

  void SetToDefaultChangesOnlyTheControlsAndRedrawsThePreview() {
    WindowFixture fixture;
    Game& game = fixture.game();
    const std::string defaults = FormatSettingsText(game.settings);
    const QImage defaultPreview =
        OptionsDialog(game, fixture.boxes, nullptr).Preview().grab().toImage();
    game.settings.COLOR_BACK = 255;
    game.settings.COLOR_INK = 65280;
    game.settings.SHOW_CHECKERS = 0;
    game.settings.SHOW_HELPERS = 0;
    game.settings.SKIN_INDEX = 5;
    game.settings.SCALE = 7;
    game.extras = {.canStillBeDone = true, .pieceNumbers = true};
    const std::string unusual = FormatSettingsText(game.settings);
    OptionsDialog dialog(game, fixture.boxes, nullptr);
    dialog.show();
    QVERIFY(dialog.Preview().grab().toImage() != defaultPreview);
    QTest::mouseClick(&dialog.Button(OptionsButton::SetToDefault), Qt::LeftButton);
    QCOMPARE(Shown(dialog, game), defaults);
    QCOMPARE(dialog.ExtrasFromDialog(), ExtraOptions{});
    // Regression: Set to default selected a skin without rebuilding the preview's sheet.
    QCOMPARE(dialog.Preview().grab().toImage(), defaultPreview);

    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(FormatSettingsText(game.settings), unusual);
    QVERIFY(game.extras.canStillBeDone);
    QCOMPARE(fixture.boxes.fits, 0);
  }

  // OK stores and applies even when no Setting changed, and keeps the extras it has no box for;
  // Help opens the manual's Options page.
  void OkStoresTheAssistsAndAppliesAndHelpOpensItsPage() {
    WindowFixture fixture;
    fixture.game().extras.libraryByDifficulty = true;
    WriteTestFile("help/options.html", "<html></html>");
    std::vector<QUrl> opened;
    {
      OptionsDialog dialog(
          fixture.game(), fixture.boxes, nullptr, [](QWidget*) { return std::nullopt; },
          [&](const QUrl& url) {
            opened.push_back(url);
            return true;
          });
      QTest::mouseClick(&dialog.Button(OptionsButton::Help), Qt::LeftButton);
      QCOMPARE(opened.size(), std::size_t{1});
      QVERIFY(opened[0].toLocalFile().endsWith("/help/options.html"));
      dialog.CanStillBeDoneBox().setChecked(true);
      QTest::mouseClick(&dialog.Button(OptionsButton::Ok), Qt::LeftButton);
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QCOMPARE(fixture.game().extras,
             (ExtraOptions{.canStillBeDone = true, .libraryByDifficulty = true}));
    QCOMPARE(fixture.boxes.fits, 1);
    QVERIFY(OptionsDialog(fixture.game(), fixture.boxes, nullptr).CanStillBeDoneBox().isChecked());
  }
};

namespace {
const RegisterTest<OptionsDialogTest> registered("OptionsDialogTest");
}

}  // namespace kelvane::testing

#include "options_dialog_test.moc"
