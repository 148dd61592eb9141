// SPDX-License-Identifier: GPL-3.0-or-later
// The Options dialog: what OK, Apply, Set to default, Cancel and Help do to the Game's Settings.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "dialog_fixture.h"
#include "shell/dialogs/colour_button.h"
#include "shell/dialogs/options_dialog.h"
#include "test_registry.h"

namespace kelvane::testing {
namespace {

bool SameOptions(const Settings& a, const Settings& b) {
  return a.COLOR_BACK == b.COLOR_BACK && a.COLOR_INK == b.COLOR_INK &&
         a.SHOW_CHECKERS == b.SHOW_CHECKERS && a.SHOW_HELPERS == b.SHOW_HELPERS &&
         a.SKIN_INDEX == b.SKIN_INDEX && a.SCALE == b.SCALE;
}

Settings Unusual() {
  Settings settings;
  settings.COLOR_BACK = 255;
  settings.COLOR_INK = 65280;
  settings.SHOW_CHECKERS = 0;
  settings.SHOW_HELPERS = 0;
  settings.SKIN_INDEX = 5;
  settings.SCALE = 7;
  return settings;
}

QRgb CentreOf(const QPixmap& picture) {
  const QImage image = picture.toImage();
  return image.pixel(image.width() / 2, image.height() / 2);
}

}  // namespace

class OptionsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void ApplyThenCancelKeepsTheAppliedOptions() {
    DialogFixture fixture;
    OptionsDialog dialog(fixture.game(), fixture.platform, nullptr,
                         [](QWidget*) { return std::optional<Colour>(255); });
    dialog.show();
    QTest::mouseClick(&dialog.BackgroundButton(), Qt::LeftButton);
    dialog.SkinList().setCurrentRow(3);
    dialog.CheckersBox().setChecked(false);
    dialog.ScaleBox().setCurrentIndex(0);
    QTest::mouseClick(&dialog.Button(OptionsButton::Apply), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(fixture.platform.fits, 1);
    QCOMPARE(fixture.platform.invalidations, 1);
    QCOMPARE(fixture.game().fieldGeometry, (CubeGeometry{18, 12, 18, 43}));

    QTest::mouseClick(&dialog.Button(OptionsButton::Cancel), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    const Settings& kept = fixture.game().settings;
    QCOMPARE(kept.COLOR_BACK, Colour{255});
    QCOMPARE(kept.SKIN_INDEX, 3);
    QCOMPARE(kept.SHOW_CHECKERS, 0);
    QCOMPARE(kept.SCALE, 2);
  }

  void SetToDefaultThenCancelChangesNothing() {
    DialogFixture fixture;
    fixture.game().settings = Unusual();
    OptionsDialog dialog(fixture.game(), fixture.platform, nullptr);
    dialog.show();
    QTest::mouseClick(&dialog.Button(OptionsButton::SetToDefault), Qt::LeftButton);

    QCOMPARE(dialog.SkinList().selectedItems().front()->text(), QString("2. Rounded"));
    QCOMPARE(dialog.ScaleBox().currentText(), QString("4"));
    QVERIFY(dialog.CheckersBox().isChecked() && dialog.HelpersBox().isChecked());
    QCOMPARE(dialog.BackgroundButton().Value(), Colour{13158600});
    QCOMPARE(dialog.InkButton().Value(), Colour{9868950});
    QCOMPARE(CentreOf(dialog.BackgroundButton().icon().pixmap(8, 8)), qRgb(200, 200, 200));

    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(SameOptions(fixture.game().settings, Unusual()));
    QCOMPARE(fixture.platform.fits, 0);
  }

  void OkStoresAndAppliesEvenWhenNothingChanged() {
    DialogFixture fixture;
    const Settings before = fixture.game().settings;
    OptionsDialog dialog(fixture.game(), fixture.platform, nullptr);
    dialog.show();
    // Guards against Ctrl+click unselecting the skin, which OK would store as SKIN_INDEX = -1.
    QListWidget& skins = dialog.SkinList();
    QTest::mouseClick(skins.viewport(), Qt::LeftButton, Qt::ControlModifier,
                      skins.visualItemRect(skins.currentItem()).center());
    QTest::mouseClick(&dialog.Button(OptionsButton::Ok), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(SameOptions(fixture.game().settings, before));
    QCOMPARE(fixture.platform.fits, 1);
    QCOMPARE(fixture.platform.invalidations, 1);
  }

  void AChosenColourShowsOnItsButtonAndInThePreview() {
    DialogFixture fixture;
    std::vector<std::optional<Colour>> answers{std::nullopt, 0x00FF00, 0x0000FF};
    OptionsDialog dialog(fixture.game(), fixture.platform, nullptr, [&](QWidget*) {
      const std::optional<Colour> answer = answers.front();
      answers.erase(answers.begin());
      return answer;
    });
    dialog.show();
    QTest::mouseClick(&dialog.BackgroundButton(), Qt::LeftButton);
    QCOMPARE(dialog.BackgroundButton().Value(), Colour{13158600});
    QTest::mouseClick(&dialog.BackgroundButton(), Qt::LeftButton);
    QTest::mouseClick(&dialog.InkButton(), Qt::LeftButton);

    QCOMPARE(CentreOf(dialog.BackgroundButton().icon().pixmap(8, 8)), qRgb(0, 255, 0));
    QCOMPARE(CentreOf(dialog.InkButton().icon().pixmap(8, 8)), qRgb(255, 0, 0));
    QCOMPARE(dialog.Preview().grab().toImage().pixel(1, 1), qRgb(0, 255, 0));
    QCOMPARE(fixture.game().settings.COLOR_BACK, Colour{13158600});
  }

  void ThePreviewDrawsThePiecesInTheListedSkin() {
    DialogFixture fixture;
    OptionsDialog dialog(fixture.game(), fixture.platform, nullptr);
    const QImage rounded = dialog.Preview().grab().toImage();
    dialog.SkinList().setCurrentRow(3);
    const QImage oak = dialog.Preview().grab().toImage();
    QVERIFY(rounded != oak);
    // Regression: Set to default selected a skin without rebuilding the preview's sheet.
    QTest::mouseClick(&dialog.Button(OptionsButton::SetToDefault), Qt::LeftButton);
    QCOMPARE(dialog.Preview().grab().toImage(), rounded);
  }

  void HelpOpensTheOptionsPage() {
    DialogFixture fixture;
    fixture.WriteFile("help/options.html", "<html></html>");
    std::vector<QUrl> opened;
    OptionsDialog dialog(
        fixture.game(), fixture.platform, nullptr, [](QWidget*) { return std::nullopt; },
        [&](const QUrl& url) { opened.push_back(url); });
    QTest::mouseClick(&dialog.Button(OptionsButton::Help), Qt::LeftButton);
    QCOMPARE(opened.size(), std::size_t{1});
    QVERIFY(opened[0].toLocalFile().endsWith("/help/options.html"));
  }

  void TheAssistSwitchesAreStoredByOkAndClearedBySetToDefault() {
    DialogFixture fixture;
    {
      OptionsDialog dialog(fixture.game(), fixture.platform, nullptr);
      dialog.CanStillBeDoneBox().setChecked(true);
      QTest::mouseClick(&dialog.Button(OptionsButton::Ok), Qt::LeftButton);
      QCOMPARE(fixture.game().extras, (ExtraOptions{.canStillBeDone = true}));
    }
    OptionsDialog dialog(fixture.game(), fixture.platform, nullptr);
    QVERIFY(dialog.CanStillBeDoneBox().isChecked());
    dialog.PieceNumbersBox().setChecked(true);
    QTest::mouseClick(&dialog.Button(OptionsButton::SetToDefault), Qt::LeftButton);
    QTest::mouseClick(&dialog.Button(OptionsButton::Ok), Qt::LeftButton);
    QCOMPARE(fixture.game().extras, ExtraOptions{});
  }
};

namespace {
const RegisterTest<OptionsDialogTest> registered("OptionsDialogTest");
}

}  // namespace kelvane::testing

#include "options_dialog_test.moc"
