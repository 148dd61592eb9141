// SPDX-License-Identifier: GPL-3.0-or-later
// The About box's window, laid out as its template.
#include "shell/dialogs/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "model/about_box.h"
#include "shell/dialogs/dialog_layout.h"
#include "shell/translations.h"

namespace kelvane {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* CentredLine(const QString& text) {
  auto* line = new QLabel(text);
  line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return line;
}

}  // namespace

AboutDialog::AboutDialog(const Game& game, QWidget* owner) : QDialog(owner) {
  const DialogLayout layout(*this, tr("About"), 209, 100);
  auto* okButton = new QPushButton(tr("OK"));
  layout.Place(okButton, {152, 7, 50, 14});
  okButton->setDefault(true);

  // The logo keeps its own pixel size, as a picture control does.
  auto* logo = new QLabel;
  const QPixmap picture(":/about-logo.png");
  logo->setPixmap(picture);
  layout.Place(logo, {7, 7, 135, 38});
  const QRect logoPlace = layout.ToPixels({7, 7, 135, 38});
  logo->setGeometry(QRect(logoPlace.topLeft(), picture.size()));

  versionLine_ = CentredLine(FromUtf8(AboutVersionLine(game, InterfaceWording())));
  layout.Place(versionLine_, {7, 51, 135, 11});
  layout.Place(CentredLine(CoreText(kAboutSecondLine)), {7, 66, 135, 11});
  layout.Place(CentredLine(FromUtf8(kAboutThirdLine)), {7, 81, 135, 11});

  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace kelvane
