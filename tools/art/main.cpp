// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the skin sheets, the program icons and the About logo under the given resources folder.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "emblem.h"
#include "sheet.h"
#include "skin_measure.h"

namespace {

bool Save(const QImage& image, const QString& path) {
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);  // the logo's text needs the font system
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s RESOURCES_FOLDER\n", argv[0]);
    return 2;
  }
  const QDir resources(QString::fromLocal8Bit(argv[1]));
  if (!resources.mkpath("skins") || !resources.mkpath("icons")) {
    std::fprintf(stderr, "cannot create folders under %s\n", argv[1]);
    return 1;
  }
  bool ok = true;
  const auto& skins = kelvane::art::Skins();
  kelvane::art::PrintHeader(stdout);
  for (std::size_t i = 0; i < skins.size(); ++i) {
    const QImage sheet = kelvane::art::RenderSheet(skins[i]);
    // Written even when it falls short, so the failing sheet can be looked at.
    ok &= kelvane::art::PrintRow(stdout, skins[i].name,
                                 kelvane::art::Judge(kelvane::art::MeasureFaces(sheet)));
    ok &= Save(sheet, resources.filePath(QString("skins/skin-%1.png").arg(i + 1)));
  }
  for (int size : kelvane::art::kIconSizes) {
    ok &= Save(kelvane::art::RenderIcon(size),
               resources.filePath(QString("icons/kelvane-%1.png").arg(size)));
  }
  ok &= Save(kelvane::art::RenderAboutLogo(), resources.filePath("about-logo.png"));
  return ok ? 0 : 1;
}
