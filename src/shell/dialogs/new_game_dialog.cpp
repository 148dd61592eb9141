// SPDX-License-Identifier: GPL-3.0-or-later
// The New game dialog's window: its list, preview and buttons over the library logic.
#include "shell/dialogs/new_game_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "model/utf8_text.h"
#include "render/new_game_preview.h"
#include "shell/dialogs/dialog_layout.h"
#include "shell/dialogs/figure_counts_line.h"
#include "shell/list_box.h"
#include "shell/translations.h"

namespace kelvane {

namespace {

constexpr int kMarkSize = 12;

// A green tick for a solved entry; an empty mark of the same size keeps the names aligned.
QIcon SolvedMark(bool solved) {
  QPixmap mark(kMarkSize, kMarkSize);
  mark.fill(Qt::transparent);
  if (solved) {
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(30, 140, 60), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({{2.0, 6.5}, {5.0, 9.5}, {10.0, 2.5}}));
  }
  return QIcon(mark);
}

}  // namespace

NewGameDialog::NewGameDialog(Game& game, Platform& platform, QWidget* owner)
    : QDialog(owner), game_(game), platform_(platform), list_(OpenNewGameList(game)) {
  // Taller than the template by the line of counts under the preview and the tier line.
  const DialogLayout layout(*this, tr("New game"), 345, 153);

  fileList_ = new ListBox;
  layout.Place(fileList_, {7, 7, 128, 118});
  fileList_->setIconSize({kMarkSize, kMarkSize});
  okButton_ = new QPushButton(tr("OK"));
  layout.Place(okButton_, {288, 7, 50, 14});
  okButton_->setDefault(true);
  auto* cancelButton = new QPushButton(tr("Cancel"));
  layout.Place(cancelButton, {288, 24, 50, 14});
  auto* summary = new QLabel(QString::fromStdString(SolvedSummary(list_, platform_)));
  summary->setObjectName("solvedSummary");
  summary->setWordWrap(true);
  summary->setAlignment(Qt::AlignRight | Qt::AlignBottom);
  layout.Place(summary, {288, 101, 50, 24});
  auto* orderLabel = new QLabel(tr("Order:"));
  // Beside the tier line, where "by difficulty" has room.
  layout.PlaceText(orderLabel, {206, 140, 30, 10});
  order_ = new QComboBox;
  order_->addItems({tr("by name"), tr("by difficulty")});
  order_->setCurrentIndex(game_.extras.libraryByDifficulty ? 1 : 0);
  layout.Place(order_, {240, 137, 98, 14});
  tierLine_ = new QLabel;
  tierLine_->setObjectName("tierLine");
  layout.Place(tierLine_, {7, 140, 195, 10});
  grading_ = new LibraryGrading(this);
  preview_ = new PreviewArea([this](Surface& target) { return ComposePreview(target); },
                             game_.graphics.pixelRatio);
  layout.Place(preview_, {145, 7, 128, 118});
  counts_ = new QLabel;
  layout.Place(counts_, {145, 128, 193, 10});
  countsLine_ = new FigureCountsLine(*counts_, platform_, this);
  // Counting waits until the selection rests for an event-loop turn, so the list never lags.
  countTimer_ = new QTimer(this);
  countTimer_->setSingleShot(true);
  connect(countTimer_, &QTimer::timeout, this, &NewGameDialog::ShowCounts);
  countTimer_->start(0);

  ShowList();
  // By name the list stays as it is under the player's hand; only the tier line follows.
  grading_->Complete(list_,
                     [this] { game_.extras.libraryByDifficulty ? ShowList() : ShowTierLine(); });
  fileList_->setFocus();

  connect(fileList_, &QListWidget::itemSelectionChanged, this, &NewGameDialog::SelectionChanged);
  connect(fileList_, &QListWidget::itemDoubleClicked, this, &NewGameDialog::Confirm);
  connect(okButton_, &QPushButton::clicked, this, &NewGameDialog::Confirm);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(order_, &QComboBox::currentIndexChanged, this, &NewGameDialog::ChooseOrder);
}

void NewGameDialog::ChooseOrder(int index) {
  game_.extras.libraryByDifficulty = index == 1;
  ShowList();
}

void NewGameDialog::ShowList() {
  const LibraryOrder order =
      game_.extras.libraryByDifficulty ? LibraryOrder::ByDifficulty : LibraryOrder::ByName;
  OrderNewGameList(list_, order, grading_->Grades());
  const QSignalBlocker quiet(fileList_);
  fileList_->clear();
  for (std::size_t i = 0; i < list_.entries.size(); ++i) {
    fileList_->addItem(new QListWidgetItem(SolvedMark(list_.solved[i]),
                                           QString::fromStdString(ReadableName(list_.entries[i]))));
  }
  if (list_.selection >= 0) {
    fileList_->setCurrentRow(list_.selection);
    fileList_->scrollToItem(fileList_->currentItem());
  }
  ShowTierLine();
}

void NewGameDialog::ShowTierLine() {
  tierLine_->setText(grading_->Running() ? tr("Grading the library…")
                                         : QString::fromStdString(
                                               TierProgress(list_, grading_->Grades(), platform_)));
}

void NewGameDialog::SelectionChanged() {
  const QList<QListWidgetItem*> selected = fileList_->selectedItems();
  list_.selection = selected.isEmpty() ? -1 : fileList_->row(selected.front());
  preview_->update();
  countsLine_->Clear();
  countTimer_->start(0);
}

void NewGameDialog::ShowCounts() {
  CellGrid figure;
  if (PreviewSelection(list_, figure) != NewGamePreview::Figure) {
    countsLine_->Clear();
    return;
  }
  countsLine_->Show(figure, QString::fromStdString(PreviewBestSuffix(game_, figure, platform_)));
}

void NewGameDialog::Confirm() {
  if (ConfirmNewGame(game_, platform_, list_, LoadedFigure)) {
    accept();
  }
}

std::optional<PreviewText> NewGameDialog::ComposePreview(Surface& target) {
  previewShown_ = ComposeNewGamePreview(game_, list_, target, LoadedFigure);
  if (previewShown_ == NewGamePreview::Figure) {
    return std::nullopt;
  }
  return PreviewText{CoreText(PreviewMessage(previewShown_)), game_.settings.COLOR_INK};
}

}  // namespace kelvane
