// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the solver's answers over the field view and the piece panel.
#pragma once

#include <QPainter>
#include <QRect>
#include <QStringList>
#include <optional>

#include "model/settings.h"

namespace kelvane {

struct FeedbackColours {
  Colour back = 0;
  Colour ink = 0;
};

// "can still be completed" with a tick, or "no completion from here" with a cross, on a small
// plate in the bottom-left corner of `area`: a word and a shape, not colour alone; "checking…"
// with three dots for nothing, while the answer is being found.
void DrawCompletionMark(QPainter& painter, const QRect& area, std::optional<bool> completable,
                        const FeedbackColours& colours);

// The lines on a plate in the top-left corner of `area`, the first one larger.
void DrawCaption(QPainter& painter, const QRect& area, const QStringList& lines,
                 const FeedbackColours& colours);

// `text` centred in a panel item in the panel font, wrapped and made smaller until it fits.
void DrawPanelText(QPainter& painter, const QRect& item, const QString& text, Colour colour);

}  // namespace kelvane
