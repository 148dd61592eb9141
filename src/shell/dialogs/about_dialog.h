// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: the logo, the version line and two lines about the game.
#pragma once

#include <QDialog>
#include <string_view>

#include "model/game.h"

class QLabel;

namespace kelvane {

inline constexpr std::string_view kVersionNumber = KELVANE_VERSION;
inline constexpr const char* kAboutSecondLine =
    QT_TRANSLATE_NOOP("kelvane::AboutDialog", "Seven pieces, twenty-seven cubes.");
// The copyright notice; the licence text is in the manual and the LICENSE file.
inline constexpr std::string_view kAboutThirdLine = "© 2026 the Kelvane developers, GPL 3+";

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  // The version line reads ProductName + " version " + the version number. OK and Esc close it.
  AboutDialog(const Game& game, QWidget* owner);

  QLabel& VersionLine() { return *versionLine_; }

 private:
  QLabel* versionLine_ = nullptr;
};

}  // namespace kelvane
