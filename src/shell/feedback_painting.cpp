// SPDX-License-Identifier: GPL-3.0-or-later
// Plates with text and a drawn tick or cross, in the game's own colours.
#include "shell/feedback_painting.h"

#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "render/surface.h"
#include "shell/text_hook.h"
#include "shell/translations.h"

namespace kelvane {

namespace {

constexpr int kMargin = 10;
constexpr int kPadding = 6;
constexpr int kMarkTextSize = 15;
constexpr int kCaptionSize = 20;
constexpr int kCaptionNoteSize = 14;
constexpr const char* kCompletable = QT_TRANSLATE_NOOP("Kelvane", "can still be completed");
constexpr const char* kNotCompletable = QT_TRANSLATE_NOOP("Kelvane", "no completion from here");
constexpr const char* kChecking = QT_TRANSLATE_NOOP("Kelvane", "checking…");

QColor ColourOf(Colour colour) {
  return QColor::fromRgb(PixelFromColour(colour));
}

// A plate a little lighter than the background, framed in ink, so the text reads over cubes.
void DrawPlate(QPainter& painter, const QRectF& plate, const FeedbackColours& colours) {
  painter.setPen(QPen(ColourOf(colours.ink), 1));
  painter.setBrush(ColourOf(colours.back).lighter(112));
  painter.drawRoundedRect(plate, 5, 5);
}

QFont SizedPanelFont(int pixels) {
  QFont font = PanelFont();
  font.setPixelSize(pixels);
  return font;
}

}  // namespace

void DrawCompletionMark(QPainter& painter, const QRect& area, std::optional<bool> completable,
                        const FeedbackColours& colours) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QString word = CoreText(!completable   ? kChecking
                                : *completable ? kCompletable
                                               : kNotCompletable);
  painter.setFont(SizedPanelFont(kMarkTextSize));
  const QFontMetrics metrics(painter.font());
  const int icon = metrics.height();
  const int width = kPadding * 3 + icon + metrics.horizontalAdvance(word);
  const int height = kPadding * 2 + icon;
  const QRectF plate(area.left() + kMargin + 0.5, area.bottom() - kMargin - height + 0.5, width,
                     height);
  DrawPlate(painter, plate, colours);

  // A green disc with a tick, or a red one with a cross: the shapes differ as well as the hues;
  // a grey one with three dots while the answer is still being found.
  const QRectF disc(plate.left() + kPadding, plate.top() + kPadding, icon, icon);
  painter.setPen(Qt::NoPen);
  painter.setBrush(!completable   ? QColor(120, 120, 120)
                   : *completable ? QColor(46, 125, 50)
                                  : QColor(183, 28, 28));
  painter.drawEllipse(disc);
  painter.setPen(QPen(Qt::white, icon / 7.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const auto at = [&disc](double x, double y) {
    return QPointF(disc.left() + x * disc.width(), disc.top() + y * disc.height());
  };
  if (!completable) {
    painter.setBrush(Qt::white);
    painter.setPen(Qt::NoPen);
    for (const double x : {0.28, 0.5, 0.72}) {
      painter.drawEllipse(at(x, 0.5), icon / 14.0, icon / 14.0);
    }
  } else if (*completable) {
    QPainterPath tick(at(0.27, 0.52));
    tick.lineTo(at(0.44, 0.69));
    tick.lineTo(at(0.74, 0.33));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
  } else {
    painter.drawLine(at(0.32, 0.32), at(0.68, 0.68));
    painter.drawLine(at(0.68, 0.32), at(0.32, 0.68));
  }
  painter.setPen(ColourOf(colours.ink).darker(160));
  painter.drawText(QRectF(disc.right() + kPadding, plate.top(), width, height),
                   Qt::AlignLeft | Qt::AlignVCenter, word);
  painter.restore();
}

void DrawCaption(QPainter& painter, const QRect& area, const QStringList& lines,
                 const FeedbackColours& colours) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  std::vector<QFont> fonts;
  int width = 0;
  int height = kPadding * 2;
  for (int i = 0; i < lines.size(); ++i) {
    fonts.push_back(SizedPanelFont(i == 0 ? kCaptionSize : kCaptionNoteSize));
    const QFontMetrics metrics(fonts.back());
    width = std::max(width, metrics.horizontalAdvance(lines[i]));
    height += metrics.height();
  }
  const QRectF plate(area.left() + kMargin + 0.5, area.top() + kMargin + 0.5, width + kPadding * 2,
                     height);
  DrawPlate(painter, plate, colours);
  painter.setPen(ColourOf(colours.ink).darker(160));
  double y = plate.top() + kPadding;
  for (int i = 0; i < lines.size(); ++i) {
    painter.setFont(fonts[i]);
    const int lineHeight = QFontMetrics(fonts[i]).height();
    painter.drawText(QRectF(plate.left() + kPadding, y, width, lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    y += lineHeight;
  }
  painter.restore();
}

void DrawPanelText(QPainter& painter, const QRect& item, const QString& text, Colour colour) {
  painter.save();
  painter.setPen(ColourOf(colour));
  const int flags = Qt::AlignCenter | Qt::TextWordWrap;
  const QRect room = item.adjusted(2, 2, -2, -2);
  FitPanelFont(painter, room, flags, text);
  painter.drawText(room, flags, text);
  painter.restore();
}

}  // namespace kelvane
