// SPDX-License-Identifier: GPL-3.0-or-later
// The scripted-answer main window used by the shell and dialog tests.
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

void WriteTestFile(const QString& path, std::string_view text) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    qFatal("cannot write %s", qPrintable(path));
  }
  file.write(text.data(), static_cast<qint64>(text.size()));
}

std::string_view CubePuzzleText() {
  return "[SIZE]\r\nDX=3\r\nDY=3\r\nDZ=3\r\n"
         "[Z0]\r\nY0=111\r\nY1=111\r\nY2=111\r\n"
         "[Z1]\r\nY0=111\r\nY1=111\r\nY2=111\r\n"
         "[Z2]\r\nY0=111\r\nY1=111\r\nY2=111";
}

}  // namespace kelvane::testing
