// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: the logo, the version line and two lines about the game.
#pragma once

#include <QDialog>

#include "model/game.h"

class QLabel;

namespace kelvane {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  // The core's lines (model/about_box.h) under the logo. OK and Esc close it.
  AboutDialog(const Game& game, QWidget* owner);

  QLabel& VersionLine() { return *versionLine_; }

 private:
  QLabel* versionLine_ = nullptr;
};

}  // namespace kelvane
