// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt platform's own behaviour: real message boxes, sound and clipboard, and one copy per user.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUuid>

#include "shell/game_keeper.h"
#include "shell/message_box.h"
#include "shell/single_instance.h"
#include "shell/sound_player.h"
#include "test_registry.h"
#include "window_fixture.h"

Q_DECLARE_METATYPE(kelvane::MessageStyle)
Q_DECLARE_METATYPE(kelvane::MessageAnswer)

namespace kelvane::testing {

class PlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void EachStyleHasItsIconAndButtonsAndTheDefaultIsSafe_data() {
    QTest::addColumn<MessageStyle>("style");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<MessageAnswer>("byDefault");
    const QMessageBox::StandardButtons ok = QMessageBox::Ok;
    QTest::newRow("question") << MessageStyle::Question << QMessageBox::Question
                              << (QMessageBox::Yes | QMessageBox::No) << MessageAnswer::No;
    QTest::newRow("report") << MessageStyle::Information << QMessageBox::Information << ok
                            << MessageAnswer::Ok;
    QTest::newRow("file error") << MessageStyle::Stop << QMessageBox::Critical << ok
                                << MessageAnswer::Ok;
    QTest::newRow("plain") << MessageStyle::Plain << QMessageBox::NoIcon << ok << MessageAnswer::Ok;
  }

  // Shows a real box, notes how it looks once it is up, and presses its default button.
  void EachStyleHasItsIconAndButtonsAndTheDefaultIsSafe() {
    QFETCH(MessageStyle, style);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(MessageAnswer, byDefault);
    bool seen = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      seen = true;
      QCOMPARE(box->icon(), icon);
      QCOMPARE(box->standardButtons(), buttons);
      QCOMPARE(box->text(), QString("Delete it?"));
      QCOMPARE(box->windowTitle(), QString("Kelvane"));
      box->defaultButton()->click();
    });
    QCOMPARE(RunMessageBox(nullptr, "Delete it?", "Kelvane", style), byDefault);
    QVERIFY(seen);
  }

  void AMissingSoundIsSilentAndTheClipboardGivesTextOrNothing() {
    SoundPlayer player;
    player.Play("no-such-sound.wav");  // must neither fail nor wait
    WindowFixture fixture;
    Platform& platform = fixture.window().GamePlatform();
    QApplication::clipboard()->setText("DX=3");
    QCOMPARE(platform.ClipboardText(), std::optional<std::string>("DX=3"));
    QApplication::clipboard()->clear();
    QCOMPARE(platform.ClipboardText(), std::nullopt);
  }

  // A later start finds the first, wakes it and steps aside, even after a crash left the name.
  void AStartAfterACrashTakesOverAndASecondStartWakesItAndExits() {
    const QString name = "kelvane-test-" + QUuid::createUuid().toString(QUuid::Id128);
    {
      SingleInstance crashed(name);
      QVERIFY(!crashed.AnotherIsRunning());
    }
    SingleInstance first(name);
    QVERIFY(!first.AnotherIsRunning());
    QSignalSpy woken(&first, &SingleInstance::ActivationRequested);
    SingleInstance second(name);
    QVERIFY(second.AnotherIsRunning());
    QVERIFY(woken.wait(5000));
    QCOMPARE(woken.count(), 1);
    // A copy racing the first between its check and its listening removes the first's socket:
    // the first still runs, and so the next copy must still step aside.
    QLocalServer::removeServer(name);
    SingleInstance racing(name);
    QVERIFY(racing.AnotherIsRunning());
  }

  // The files follow the game while it runs; where the folder is gone the player hears of it
  // once, however many saves fail after.
  void KeptFilesAreWrittenAsTheyChangeAndAFailureIsToldOnce() {
    WindowFixture fixture;
    GameKeeper keeper(fixture.game(), fixture.boxes);
    keeper.SaveChanges();
    QVERIFY(QFile::exists("KeptGame.ini") && QFile::exists("Kelvane.ini"));
    QVERIFY(QDir().mkdir("gone") && QDir::setCurrent("gone") &&
            QDir("../gone").removeRecursively());
    for (const int scale : {6, 7}) {
      fixture.game().settings.SCALE = scale;
      keeper.SaveChanges();
    }
    QCOMPARE(fixture.boxes.messages.size(), std::size_t{1});
    QCOMPARE(fixture.boxes.messages[0].style, MessageStyle::Stop);
  }
};

namespace {
const RegisterTest<PlatformTest> registered("PlatformTest");
}

}  // namespace kelvane::testing

#include "platform_test.moc"
