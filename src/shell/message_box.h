// SPDX-License-Identifier: GPL-3.0-or-later
// The game's modal message boxes, and the hook through which tests answer them instead.
#pragma once

#include <functional>
#include <string_view>

#include "model/platform.h"

class QWidget;

namespace kelvane {

// Shows one message box over `owner` and returns the button chosen.
using MessageBoxRunner = std::function<MessageAnswer(QWidget* owner, std::string_view text,
                                                     std::string_view caption, MessageStyle style)>;

// The real, modal box: the style's icon and buttons; a question defaults to No.
MessageAnswer RunMessageBox(QWidget* owner, std::string_view text, std::string_view caption,
                            MessageStyle style);

}  // namespace kelvane
