// SPDX-License-Identifier: GPL-3.0-or-later
// The panel font and the renderer's text hook.
#include "shell/text_hook.h"

#include <QFont>
#include <QPainter>

#include "model/game.h"
#include "shell/surface_image.h"

namespace kelvane {

QFont PanelFont() {
  QFont font;
  // Debian ships no Palatino Linotype; URW's P052 and TeX Gyre Pagella are its look-alikes.
  font.setFamilies({"Palatino Linotype", "P052", "TeX Gyre Pagella", "serif"});
  // A cell height of 24 pixels, as the panel asks for, leaves an em of about 20.
  font.setPixelSize(20);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

void FitPanelFont(QPainter& painter, const QRect& box, int flags, const QString& text,
                  int pixelRatio) {
  QFont font = PanelFont();
  font.setPixelSize(font.pixelSize() * pixelRatio);
  painter.setFont(font);
  // Small enough to stay legible, large enough to fit the widest count in a panel item.
  const int smallest = 10 * pixelRatio;
  while (font.pixelSize() > smallest && !box.contains(painter.boundingRect(box, flags, text))) {
    font.setPixelSize(font.pixelSize() - 1);
    painter.setFont(font);
  }
}

void InstallTextHook(Game& game) {
  game.graphics.drawText = [&game](Surface& target, Rect box, std::string_view text,
                                   Colour colour) {
    QImage image = WritableImageOf(target);
    QPainter painter(&image);
    painter.setPen(QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                          static_cast<int>((colour >> 16) & 0xFF)));
    // "Amount: 27" is wider than a panel item in the full-size font: it shrinks, never clips.
    const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    FitPanelFont(painter, QRectOf(box), flags, line, game.graphics.pixelRatio);
    painter.drawText(QRectOf(box), flags, line);
  };
}

}  // namespace kelvane
