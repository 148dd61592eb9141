// SPDX-License-Identifier: GPL-3.0-or-later
// One copy per user: a later start finds the first, wakes it and steps aside.
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

#include "shell/single_instance.h"
#include "test_registry.h"

namespace kelvane::testing {

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void ASecondStartWakesTheFirstAndIsToldToExit() {
    const QString name = "kelvane-test-" + QUuid::createUuid().toString(QUuid::Id128);
    SingleInstance first(name);
    QVERIFY(!first.AnotherIsRunning());
    QSignalSpy woken(&first, &SingleInstance::ActivationRequested);

    SingleInstance second(name);
    QVERIFY(second.AnotherIsRunning());
    QVERIFY(woken.wait(5000));
    QCOMPARE(woken.count(), 1);
  }

  void AFirstStartAfterACrashTakesOverTheStaleName() {
    const QString name = "kelvane-test-" + QUuid::createUuid().toString(QUuid::Id128);
    {
      SingleInstance crashed(name);
      QVERIFY(!crashed.AnotherIsRunning());
    }
    SingleInstance next(name);
    QVERIFY(!next.AnotherIsRunning());
    SingleInstance later(name);
    QVERIFY(later.AnotherIsRunning());
  }
};

namespace {
const RegisterTest<SingleInstanceTest> registered("SingleInstanceTest");
}

}  // namespace kelvane::testing

#include "single_instance_test.moc"
