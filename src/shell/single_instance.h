// SPDX-License-Identifier: GPL-3.0-or-later
// Lets only one copy of the game run per user: a later start wakes the first and steps aside.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace kelvane {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // `name` identifies the running copy; the default is per user.
  explicit SingleInstance(QString name = DefaultName(), QObject* parent = nullptr);

  // True when another copy runs (it is asked to come to the front); this copy should exit.
  // Otherwise this copy becomes the one that later starts find, and returns false.
  bool AnotherIsRunning();

  static QString DefaultName();

 signals:
  // A later copy was started: the window should come to the front.
  void ActivationRequested();

 private:
  void WakeTheRunningCopy() const;

  QString name_;
  QLockFile lock_;
  QLocalServer server_;
};

}  // namespace kelvane
