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

void InstallTextHook(Game& game) {
  game.graphics.drawText = [](Surface& target, Rect box, std::string_view text, Colour colour) {
    QImage image = WritableImageOf(target);
    QPainter painter(&image);
    static const QFont font = PanelFont();
    painter.setFont(font);
    painter.setPen(QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                          static_cast<int>((colour >> 16) & 0xFF)));
    painter.drawText(QRectOf(box), Qt::AlignCenter | Qt::TextSingleLine,
                     QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  };
}

}  // namespace kelvane
