// SPDX-License-Identifier: GPL-3.0-or-later
// The scripted-answer main window used by the shell tests.
#include "window_fixture.h"

#include <QDir>

namespace kelvane::testing {

WindowFixture::WindowFixture()
    : previousFolder_(QDir::currentPath()), game_(std::make_unique<Game>()) {
  QDir::setCurrent(folder_.path());
  window_ = std::make_unique<MainWindow>(
      *game_, [this](QWidget*, std::string_view text, std::string_view caption,
                     MessageStyle style) { return boxes.ShowMessage(text, caption, style); });
}

WindowFixture::~WindowFixture() {
  window_.reset();
  QDir::setCurrent(previousFolder_);
}

}  // namespace kelvane::testing
