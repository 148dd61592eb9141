// SPDX-License-Identifier: GPL-3.0-or-later
// The Options dialog's window: the controls hold the options until OK or Apply stores them.
#include "shell/dialogs/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "render/cube_geometry.h"
#include "render/graphics_setup.h"
#include "render/options_choice.h"
#include "render/options_sample.h"
#include "render/skins.h"
#include "shell/dialogs/colour_button.h"
#include "shell/dialogs/dialog_layout.h"
#include "shell/list_box.h"
#include "shell/translations.h"

namespace kelvane {
namespace {

QPushButton* AddButton(const DialogLayout& layout, const QString& text, DialogUnits place) {
  auto* button = new QPushButton(text);
  button->setAutoDefault(false);
  layout.Place(button, place);
  return button;
}

}  // namespace

OptionsDialog::OptionsDialog(Game& game, Platform& platform, QWidget* owner,
                             ColourChooser chooseColour, UrlOpener openUrl)
    : QDialog(owner),
      game_(game),
      platform_(platform),
      chooseColour_(std::move(chooseColour)),
      openUrl_(std::move(openUrl)) {
  // The template's 167 units, a row below the skin group for the options beyond it, and the
  // language's row.
  const DialogLayout layout(*this, tr("Options"), 374, 224);
  // Group boxes first, so that the controls inside them lie on top.
  layout.Place(new QGroupBox(tr("Colors")), {7, 3, 94, 50});
  layout.Place(new QGroupBox(tr("Show")), {108, 3, 94, 50});
  layout.Place(new QGroupBox(tr("Scale")), {209, 3, 94, 50});
  layout.Place(new QGroupBox(tr("Skin")), {7, 59, 296, 101});
  layout.Place(new QGroupBox(tr("Assists")), {7, 163, 296, 38});

  layout.PlaceText(new QLabel(tr("Background:")), {16, 16, 40, 11});
  backgroundButton_ = new ColourButton;
  layout.Place(backgroundButton_, {58, 14, 36, 14});
  layout.PlaceText(new QLabel(tr("Ink:")), {16, 33, 42, 11});
  inkButton_ = new ColourButton;
  layout.Place(inkButton_, {58, 32, 36, 14});
  checkersBox_ = new QCheckBox(tr("Color checkers"));
  layout.PlaceText(checkersBox_, {123, 17, 61, 9});
  helpersBox_ = new QCheckBox(tr("Helpers"));
  layout.PlaceText(helpersBox_, {123, 33, 60, 9});
  scaleBox_ = new QComboBox;
  // A drop-down list's template height includes its open list; the closed box is one line.
  layout.Place(scaleBox_, {238, 23, 37, 14});
  for (int scale = kSmallestScale; scale <= kLargestScale; ++scale) {
    scaleBox_->addItem(QString::number(scale));
  }
  skinList_ = new ListBox;
  layout.Place(skinList_, {16, 73, 97, 79});
  for (const std::string_view name : kSkinNames) {
    skinList_->addItem(CoreText(name));
  }
  canStillBeDoneBox_ = new QCheckBox(tr("Can it still be done?"));
  layout.PlaceText(canStillBeDoneBox_, {16, 174, 96, 9});
  pieceNumbersBox_ = new QCheckBox(tr("Piece numbers"));
  layout.PlaceText(pieceNumbersBox_, {118, 174, 72, 9});
  clockAndMovesBox_ = new QCheckBox(tr("Clock and moves"));
  layout.PlaceText(clockAndMovesBox_, {200, 174, 96, 9});
  animationBox_ = new QCheckBox(tr("Animation"));
  layout.PlaceText(animationBox_, {16, 186, 96, 9});
  layout.PlaceText(new QLabel(tr("Language:")), {7, 209, 40, 10});
  languageBox_ = new QComboBox;
  layout.Place(languageBox_, {50, 207, 70, 14});
  for (const InterfaceLanguage& language : InterfaceLanguages()) {
    languageBox_->addItem(language.name, language.code);
  }
  // Menus and dialogs are made in one language: another takes over at the next start.
  auto* languageNote = new QLabel(tr("The language changes at the next start."));
  languageNote->setObjectName("languageNote");
  layout.PlaceText(languageNote, {126, 209, 177, 10});
  preview_ = new PreviewArea([this](Surface& target) { return ComposePreview(target); },
                             game_.graphics.pixelRatio);
  layout.Place(preview_, {122, 73, 171, 79});

  buttons_ = {AddButton(layout, tr("OK"), {317, 7, 50, 14}),
              AddButton(layout, tr("Apply"), {317, 24, 50, 14}),
              AddButton(layout, tr("Set to default"), {317, 41, 50, 14}),
              AddButton(layout, tr("Help"), {317, 58, 50, 14}),
              AddButton(layout, tr("Cancel"), {317, 89, 50, 14})};
  Button(OptionsButton::Ok).setDefault(true);
  // The template's order, with the switches beyond it between the scale and the buttons, and the
  // language last.
  QWidget* const tabOrder[] = {backgroundButton_, inkButton_,  skinList_,          checkersBox_,
                               helpersBox_,       scaleBox_,   canStillBeDoneBox_, pieceNumbersBox_,
                               clockAndMovesBox_, buttons_[0], buttons_[1],        buttons_[2],
                               buttons_[3],       buttons_[4], languageBox_};
  for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
    setTabOrder(tabOrder[i - 1], tabOrder[i]);
  }

  PutOptions(CurrentOptions(game));
  UpdateSkinPreview();
  backgroundButton_->setFocus();

  // Any change of the selected skin, the user's or Set to default's, rebuilds the preview sheet.
  connect(skinList_, &QListWidget::itemSelectionChanged, this, [this] {
    UpdateSkinPreview();
    preview_->update();
  });
  connect(checkersBox_, &QCheckBox::toggled, preview_, qOverload<>(&QWidget::update));
  connect(backgroundButton_, &QPushButton::clicked, this,
          [this] { ChooseColour(*backgroundButton_); });
  connect(inkButton_, &QPushButton::clicked, this, [this] { ChooseColour(*inkButton_); });
  connect(&Button(OptionsButton::Ok), &QPushButton::clicked, this, [this] {
    Store();
    accept();
  });
  connect(&Button(OptionsButton::Apply), &QPushButton::clicked, this, &OptionsDialog::Store);
  connect(&Button(OptionsButton::SetToDefault), &QPushButton::clicked, this, [this] {
    PutOptions(DefaultOptions(game_));
    preview_->update();
  });
  connect(&Button(OptionsButton::Help), &QPushButton::clicked, this,
          [this] { ShowHelp(kHelpOptions, openUrl_); });
  connect(&Button(OptionsButton::Cancel), &QPushButton::clicked, this, &QDialog::reject);
}

void OptionsDialog::PutOptions(const OptionsChoice& choice) {
  PutOptionsToDialog(choice.settings);
  PutExtrasToDialog(choice.extras);
  // A language this build does not speak shows as the system's.
  languageBox_->setCurrentIndex(
      std::max(0, languageBox_->findData(QString::fromStdString(choice.language))));
}

void OptionsDialog::PutOptionsToDialog(const Settings& settings) {
  const bool knownSkin = settings.SKIN_INDEX >= 0 && settings.SKIN_INDEX < kSkinCount;
  if (knownSkin) {
    skinList_->setCurrentRow(settings.SKIN_INDEX);
  } else {
    skinList_->clearSelection();
    skinList_->setCurrentRow(-1);
  }
  backgroundButton_->SetValue(settings.COLOR_BACK);
  inkButton_->SetValue(settings.COLOR_INK);
  scaleBox_->setCurrentIndex(settings.SCALE - kSmallestScale);
  checkersBox_->setChecked(settings.SHOW_CHECKERS != 0);
  helpersBox_->setChecked(settings.SHOW_HELPERS != 0);
}

void OptionsDialog::GetOptionsFromDialog(Settings& settings) const {
  const QList<QListWidgetItem*> selected = skinList_->selectedItems();
  settings.SKIN_INDEX = selected.isEmpty() ? -1 : skinList_->row(selected.front());
  settings.COLOR_BACK = backgroundButton_->Value();
  settings.COLOR_INK = inkButton_->Value();
  settings.SCALE = scaleBox_->currentIndex() + kSmallestScale;
  settings.SHOW_CHECKERS = checkersBox_->isChecked() ? 1 : 0;
  settings.SHOW_HELPERS = helpersBox_->isChecked() ? 1 : 0;
}

void OptionsDialog::PutExtrasToDialog(const ExtraOptions& extras) {
  canStillBeDoneBox_->setChecked(extras.canStillBeDone);
  pieceNumbersBox_->setChecked(extras.pieceNumbers);
  clockAndMovesBox_->setChecked(extras.clockAndMoves);
  animationBox_->setChecked(extras.animation);
}

ExtraOptions OptionsDialog::ExtrasFromDialog() const {
  // Options kept elsewhere (New game's order) pass through unchanged.
  ExtraOptions extras = game_.extras;
  extras.canStillBeDone = canStillBeDoneBox_->isChecked();
  extras.pieceNumbers = pieceNumbersBox_->isChecked();
  extras.clockAndMoves = clockAndMovesBox_->isChecked();
  extras.animation = animationBox_->isChecked();
  return extras;
}

void OptionsDialog::Store() {
  OptionsChoice choice{game_.settings, ExtrasFromDialog(),
                       languageBox_->currentData().toString().toStdString()};
  GetOptionsFromDialog(choice.settings);
  ApplyOptions(game_, platform_, choice);
}

void OptionsDialog::ChooseColour(ColourButton& button) {
  if (const std::optional<Colour> colour = chooseColour_(this)) {
    button.SetValue(*colour);
    preview_->update();
  }
}

void OptionsDialog::UpdateSkinPreview() {
  Settings shown;
  GetOptionsFromDialog(shown);
  previewSheet_ = LoadThumbnailSheetFor(game_, shown.SKIN_INDEX);
}

std::optional<PreviewText> OptionsDialog::ComposePreview(Surface& target) {
  Settings shown;
  GetOptionsFromDialog(shown);
  ComposeOptionsSample(game_, target, previewSheet_, shown);
  return std::nullopt;
}

}  // namespace kelvane
