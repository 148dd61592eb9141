// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the committed skin sheets: prints the colour-difference table and fails when a skin
// falls short.
#include <QImage>
#include <cstdio>

#include "sheet_layout.h"
#include "skin_measure.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s RESOURCES_FOLDER\n", argv[0]);
    return 2;
  }
  using namespace kelvane::art;
  PrintHeader(stdout);
  bool ok = true;
  for (std::size_t i = 0; i < Skins().size(); ++i) {
    const QString path = QString("%1/skins/skin-%2.png").arg(argv[1]).arg(i + 1);
    const QImage sheet(path);
    if (sheet.width() != kSheetWidth || sheet.height() != kSheetHeight) {
      std::fprintf(stderr, "cannot read a sheet from %s\n", qPrintable(path));
      return 1;
    }
    ok &= PrintRow(stdout, Skins()[i].name, Judge(MeasureFaces(sheet)));
  }
  return ok ? 0 : 1;
}
