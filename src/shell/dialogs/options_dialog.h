// SPDX-License-Identifier: GPL-3.0-or-later
// The Options dialog: colours, switches, skin and scale, with a live preview of the pieces.
#pragma once

#include <QDialog>
#include <array>

#include "model/game.h"
#include "model/platform.h"
#include "render/options_choice.h"
#include "render/surface.h"
#include "shell/dialogs/colour_chooser.h"
#include "shell/dialogs/help_commands.h"
#include "shell/dialogs/preview_area.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

namespace kelvane {

class ColourButton;

enum class OptionsButton { Ok, Apply, SetToDefault, Help, Cancel };

class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  // The controls start from the Game's Settings (and its extra options) and are the only copy of
  // the options being edited: OK and Apply store them in the Settings, apply scale and skin and
  // repaint the main window (OK then closes); Set to default changes only the controls; Cancel
  // keeps whatever an earlier Apply stored. Help opens the manual's Options page through `openUrl`.
  OptionsDialog(Game& game, Platform& platform, QWidget* owner,
                ColourChooser chooseColour = ChooseColourWithDialog,
                UrlOpener openUrl = OpenWithDesktop);

  // The controls set from `settings` (PUZZLE aside), and read back into `settings`.
  void PutOptionsToDialog(const Settings& settings);
  void GetOptionsFromDialog(Settings& settings) const;
  // The same for the options kept beside the Settings.
  void PutExtrasToDialog(const ExtraOptions& extras);
  ExtraOptions ExtrasFromDialog() const;

  ColourButton& BackgroundButton() { return *backgroundButton_; }
  ColourButton& InkButton() { return *inkButton_; }
  QListWidget& SkinList() { return *skinList_; }
  QCheckBox& CheckersBox() { return *checkersBox_; }
  QCheckBox& HelpersBox() { return *helpersBox_; }
  QCheckBox& CanStillBeDoneBox() { return *canStillBeDoneBox_; }
  QCheckBox& PieceNumbersBox() { return *pieceNumbersBox_; }
  QCheckBox& ClockAndMovesBox() { return *clockAndMovesBox_; }
  QCheckBox& AnimationBox() { return *animationBox_; }
  QComboBox& ScaleBox() { return *scaleBox_; }
  // System, then the languages of InterfaceLanguages(); kept at once by OK and Apply.
  QComboBox& LanguageBox() { return *languageBox_; }
  PreviewArea& Preview() { return *preview_; }
  QPushButton& Button(OptionsButton which) { return *buttons_[static_cast<int>(which)]; }

 private:
  // Every control, the language's included.
  void PutOptions(const OptionsChoice& choice);
  void Store();
  void ChooseColour(ColourButton& button);
  void UpdateSkinPreview();
  std::optional<PreviewText> ComposePreview(Surface& target);

  Game& game_;
  Platform& platform_;
  ColourChooser chooseColour_;
  UrlOpener openUrl_;
  // The chosen skin's thumbnail sheet, drawn from while the dialog is open.
  Surface previewSheet_;
  ColourButton* backgroundButton_ = nullptr;
  ColourButton* inkButton_ = nullptr;
  QListWidget* skinList_ = nullptr;
  QCheckBox* checkersBox_ = nullptr;
  QCheckBox* helpersBox_ = nullptr;
  QCheckBox* canStillBeDoneBox_ = nullptr;
  QCheckBox* pieceNumbersBox_ = nullptr;
  QCheckBox* clockAndMovesBox_ = nullptr;
  QCheckBox* animationBox_ = nullptr;
  QComboBox* scaleBox_ = nullptr;
  QComboBox* languageBox_ = nullptr;
  PreviewArea* preview_ = nullptr;
  std::array<QPushButton*, 5> buttons_{};
};

}  // namespace kelvane
