// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a colour for an Options colour button.
#pragma once

#include <functional>
#include <optional>

#include "model/settings.h"
#include "render/options_choice.h"

class QWidget;

namespace kelvane {

// Asks for a colour over `owner`; nothing when the user cancels. Tests answer without a dialog.
using ColourChooser = std::function<std::optional<Colour>(QWidget* owner)>;

// Puts kCustomColours into the toolkit's colour dialog so that they read row by row in their
// order; the dialog itself counts its two rows column by column.
void OfferCustomColours();

// The toolkit's colour dialog offering kCustomColours, starting from black.
std::optional<Colour> ChooseColourWithDialog(QWidget* owner);

}  // namespace kelvane
