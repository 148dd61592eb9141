// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt platform's own behaviour: real message boxes, sound and clipboard.
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "shell/message_box.h"
#include "shell/sound_player.h"
#include "test_registry.h"
#include "window_fixture.h"

namespace kelvane::testing {

namespace {

struct BoxLook {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  QString text;
  QString caption;
};

// Shows a real box, notes how it looks once it is up, and presses its default button.
std::pair<BoxLook, MessageAnswer> ShowAndPressDefault(MessageStyle style) {
  BoxLook look;
  QTimer::singleShot(0, [&look] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      return;
    }
    look = {box->icon(), box->standardButtons(), box->standardButton(box->defaultButton()),
            box->text(), box->windowTitle()};
    box->defaultButton()->click();
  });
  const MessageAnswer answer = RunMessageBox(nullptr, "Delete it?", "Kelvane", style);
  return {look, answer};
}

}  // namespace

class PlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void AQuestionAsksYesOrNoAndDefaultsToNo() {
    const auto [look, answer] = ShowAndPressDefault(MessageStyle::Question);
    QCOMPARE(look.icon, QMessageBox::Question);
    QCOMPARE(look.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(look.defaultButton, QMessageBox::No);
    QCOMPARE(look.caption, QString("Kelvane"));
    QCOMPARE(look.text, QString("Delete it?"));
    QCOMPARE(answer, MessageAnswer::No);
  }

  void ReportsAndFileErrorsHaveOneOkButtonAndTheirIcon() {
    const auto [information, ok] = ShowAndPressDefault(MessageStyle::Information);
    QCOMPARE(information.icon, QMessageBox::Information);
    QCOMPARE(information.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(ok, MessageAnswer::Ok);
    const auto [stop, stopAnswer] = ShowAndPressDefault(MessageStyle::Stop);
    QCOMPARE(stop.icon, QMessageBox::Critical);
    QCOMPARE(stopAnswer, MessageAnswer::Ok);
    QCOMPARE(ShowAndPressDefault(MessageStyle::Plain).first.icon, QMessageBox::NoIcon);
  }

  void AMissingSoundIsSilentAndDoesNotWait() {
    SoundPlayer player;
    player.Play("no-such-sound.wav");
  }

  void TheClipboardGivesTextOrNothing() {
    WindowFixture fixture;
    Platform& platform = fixture.window().GamePlatform();
    QApplication::clipboard()->setText("DX=3");
    QCOMPARE(platform.ClipboardText(), std::optional<std::string>("DX=3"));
    QApplication::clipboard()->clear();
    QCOMPARE(platform.ClipboardText(), std::nullopt);
  }
};

namespace {
const RegisterTest<PlatformTest> registered("PlatformTest");
}

}  // namespace kelvane::testing

#include "platform_test.moc"
