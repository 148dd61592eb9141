// SPDX-License-Identifier: GPL-3.0-or-later
// Window creation, command routing and shutdown of the main window.
#include "shell/main_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "model/command_ids.h"
#include "model/command_states.h"
#include "model/field_cursor.h"
#include "model/field_input.h"
#include "model/game.h"
#include "model/game_init.h"
#include "model/layers.h"
#include "model/play_tally.h"
#include "render/client_input.h"
#include "render/cube_geometry.h"
#include "render/game_commands.h"
#include "render/graphics_setup.h"
#include "render/hit_test.h"
#include "render/layout.h"
#include "shell/analyse_commands.h"
#include "shell/frame_painting.h"
#include "shell/guide_bubble.h"
#include "shell/library_grading.h"
#include "shell/menu_bar.h"
#include "shell/motion_ticker.h"
#include "shell/qt_platform.h"
#include "shell/solver_feedback.h"
#include "shell/status_line.h"
#include "shell/text_hook.h"
#include "storage/bests_file.h"
#include "storage/extra_options_file.h"
#include "storage/guide_mark_file.h"
#include "storage/kept_files.h"
#include "storage/kept_game_file.h"
#include "storage/next_puzzle.h"
#include "storage/settings_file.h"
#include "storage/solved_record_file.h"
#include "storage/window_place_file.h"

// The icons live in this library's resources, which a static link would otherwise drop.
static void LoadShellResources() {
  Q_INIT_RESOURCE(shell_resources);
}

namespace kelvane {

MainWindow::MainWindow(Game& game, MessageBoxRunner messageBox)
    : game_(game), platform_(std::make_unique<QtPlatform>(*this, std::move(messageBox))) {
  setWindowTitle(QString::fromUtf8(game_.ProductName.data()));
  LoadShellResources();
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/kelvane-%1.png").arg(size));
  }
  setWindowIcon(icon);
  feedback_ = new SolverFeedback(
      game_, *platform_, [this] { platform_->Invalidate(false); }, this);
  field_ = new FieldView(
      [this](QPainter& painter) {
        PaintFrame(game_, *platform_, painter);
        feedback_->PaintOverField(painter, field_->rect(), panel_->geometry().right() + 1);
        status_->Refresh();
      },
      this);
  // Where even the smallest scale does not fit the screen, the field scrolls.
  auto* scroller = new QScrollArea(this);
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setFocusPolicy(Qt::NoFocus);
  scroller->setWidgetResizable(true);
  scroller->setWidget(field_);
  setCentralWidget(scroller);
  grading_ = new LibraryGrading(this);
  motion_ = new MotionTicker(game_, *platform_, this);
  status_ = new StatusLine(game_, *platform_, *grading_, *statusBar());
  panel_ = new PiecePanel(
      [this](QPainter& painter, const QRect& area, int item, bool selected) {
        PaintPanelItem(game_, *platform_, painter, area, item, selected);
        feedback_->PaintOverPanelItem(painter, area, item, selected);
      },
      field_);
  actions_ = BuildMenuBar(*menuBar(), MainMenuTable(), [this](int id) { RunCommand(id); });

  connect(field_, &FieldView::PrimaryPressed, this, [this] {
    FieldClick(game_, *platform_, HitTestFloorCell(game_, *platform_));
    LookForGuide(true);
  });
  connect(field_, &FieldView::WheelTurned, this, &MainWindow::TurnWheel);
  connect(field_, &FieldView::PointerMoved, this, [this] {
    HideFieldCursor(game_, *platform_);
    LookForGuide(true);
  });
  connect(field_, &FieldView::KeyPressed, this, &MainWindow::PressFieldKey);
  connect(field_, &FieldView::FocusChanged, this, [this](bool hasFocus) {
    hasFocus ? ShowFieldCursor(game_, *platform_) : HideFieldCursor(game_, *platform_);
  });
  connect(field_, &FieldView::Resized, this, &MainWindow::LayOutContent);
  connect(panel_, &PiecePanel::KeyPassedUp, this, [this](QKeyEvent* event) { PressKey(event); });
  connect(panel_, &PiecePanel::WheelPassedUp, this, &MainWindow::TurnWheel);
  connect(panel_, &QListWidget::itemSelectionChanged, this, [this] {
    UpdateCommandStates(game_, *platform_);
    LookForGuide(true);
  });
  connect(panel_, &QListWidget::itemDoubleClicked, this, [this] {
    ToggleHideFromPanel(game_, *platform_);
    UpdateCommandStates(game_, *platform_);
  });

  // The panel has the keyboard at start, as before the field could take it; Tab goes to the field.
  setTabOrder(panel_, field_);
  panel_->setFocus();
  Initialise();
}

MainWindow::~MainWindow() = default;

Platform& MainWindow::GamePlatform() {
  return *platform_;
}

QAction* MainWindow::Action(int commandId) const {
  const auto found = actions_.find(commandId);
  return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::Initialise() {
  LoadSettings(game_);
  LoadExtraOptions(game_);
  LoadWindowPlace(game_);
  LoadSolvedRecord(game_);
  LoadBests(game_);
  InitialiseGame(game_);
  const QScreen* screen = QGuiApplication::primaryScreen();
  // Frames are drawn at device pixels on a high-density screen; a fractional ratio rounds to the
  // nearest whole one and Qt scales the small rest.
  const int pixelRatio = std::max(1, static_cast<int>(std::lround(screen->devicePixelRatio())));
  CreateGraphics(game_, screen->size().width(), screen->size().height(), pixelRatio);
  InstallTextHook(game_);
  ApplyScaleAndSkin(game_, *platform_);
  BuildSpriteMask(game_);
  panel_->Reset();
  ResumeKeptGame(game_, *platform_);
  UpdateCommandStates(game_, *platform_);
  status_->Refresh();
  game_.randomSource.seed(static_cast<std::uint_fast32_t>(QDateTime::currentMSecsSinceEpoch()));
}

void MainWindow::RunCommand(int commandId) {
  const bool guideAction = IsGuideAction(commandId);
  {
    const QScopedValueRollback quiet(guideQuiet_, guideQuiet_ || !guideAction);
    RunCommandUnguided(commandId);
  }
  LookForGuide(guideAction);
  if (guide_ != nullptr && IsAnalyseCommand(commandId)) {
    guide_->NoticeAnalyse();
  }
}

void MainWindow::RunCommandUnguided(int commandId) {
  if (!RunGameCommand(game_, *platform_, commandId)) {
    switch (commandId) {
      case kCmdNew:
        RunDialog(dialogs_.newGame);
        break;
      case kCmdSavePuzzle:
        RunDialog(dialogs_.savePuzzle);
        break;
      case kCmdExit:
        close();
        return;
      case kCmdNextPuzzle:
        StartNextPuzzleWhenGraded();
        break;
      case kCmdOptions:
        RunDialog(dialogs_.options);
        break;
      case kCmdFullScreen:
        isFullScreen() ? showNormal() : showFullScreen();
        break;
      case kCmdTestPuzzle:
        RunDialog([this] { RunAnalyseCommand(game_, *platform_, this, AnalyseMode::Test); });
        break;
      case kCmdHintOnePiece:
        RunDialog([this] { RunAnalyseCommand(game_, *platform_, this, AnalyseMode::Hint); });
        break;
      case kCmdShowAllPieces:
        RunDialog([this] { RunAnalyseCommand(game_, *platform_, this, AnalyseMode::ShowAll); });
        break;
      case kCmdNextSolution:
      case kCmdPreviousSolution:
      case kCmdLeaveSolutions:
        feedback_->RunBrowserCommand(commandId, this);
        break;
      case kCmdUserManual:
      case kCmdTutorial:
        if (dialogs_.showHelp) {
          RunDialog([this, commandId] { dialogs_.showHelp(commandId == kCmdUserManual ? 0 : 2); });
        }
        break;
      case kCmdGuidedFirstPuzzle:
        StartFirstPuzzle(game_, *platform_);
        ShowGuide();
        break;
      case kCmdAbout:
        RunDialog(dialogs_.about);
        break;
      case kCmdHomePage:
        RunDialog(dialogs_.homePage);
        break;
      default:
        return;
    }
    UpdateCommandStates(game_, *platform_);
  }
  status_->Refresh();
}

void MainWindow::RunDialog(const std::function<void()>& hook) {
  if (hook) {
    HoldClockForDialog(true);
    hook();
    HoldClockForDialog(false);
  }
}

void MainWindow::HoldClockForDialog(bool open) {
  openDialogs_ += open ? 1 : -1;
  SetClockPause(game_, *platform_, kPauseDialogOpen, openDialogs_ > 0);
}

void MainWindow::ShowGuide() {
  MarkGuideSeen(game_);
  delete guide_;
  guide_ = nullptr;
  const GuideGlance start = TakeGuideGlance(game_, *platform_, std::nullopt);
  guide_ =
      new GuideBubble([this](GuideTarget target) { return GuideTargetRect(target); }, start, this);
  connect(guide_, &GuideBubble::Ended, this, [this] {
    guide_->deleteLater();
    guide_ = nullptr;
  });
  setTabOrder(field_, &guide_->SkipButton());
  LookForGuide(false);
}

void MainWindow::LookForGuide(bool counts) {
  if (guide_ == nullptr) {
    return;
  }
  guide_->Look(TakeGuideGlance(game_, *platform_, PreviewCell(game_, *platform_)),
               counts && !guideQuiet_);
}

QRect MainWindow::GuideTargetRect(GuideTarget target) const {
  const QPoint field = field_->geometry().topLeft();
  switch (target) {
    case GuideTarget::SelectedPiece:
      if (const QListWidgetItem* item = panel_->currentItem(); item && item->isSelected()) {
        return panel_->visualItemRect(item).translated(panel_->viewport()->mapTo(this, QPoint()));
      }
      [[fallthrough]];
    case GuideTarget::Panel:
      return panel_->geometry().translated(field);
    case GuideTarget::Field:
    case GuideTarget::LayerColumn: {
      const Rect view = FieldViewRect(game_);
      return QRect(view.left, view.top, view.Width(), view.Height()).translated(field);
    }
    case GuideTarget::MenuBar:
      for (QAction* menu : menuBar()->actions()) {
        if (menu->menu() != nullptr && menu->menu()->actions().contains(Action(kCmdTestPuzzle))) {
          return menuBar()->actionGeometry(menu).translated(menuBar()->geometry().topLeft());
        }
      }
      return menuBar()->geometry();
  }
  return {};
}

void MainWindow::StartNextPuzzleWhenGraded() {
  grading_->Complete(OpenNewGameList(game_), [this] {
    StartNextPuzzle(game_, *platform_, grading_->Grades());
    UpdateCommandStates(game_, *platform_);
  });
}

void MainWindow::ApplyCommandStates(const CommandStates& states) {
  for (const CommandState& state : states.items) {
    if (QAction* action = Action(state.commandId)) {
      action->setEnabled(state.enabled);
      action->setChecked(state.checked);
    }
  }
  Action(kCmdNextSolution)->setEnabled(game_.createMode == 0);
  Action(kCmdPreviousSolution)->setEnabled(game_.createMode == 0);
  Action(kCmdLeaveSolutions)->setEnabled(feedback_->Browsing());
  Action(kCmdFullScreen)->setChecked(isFullScreen());
}

FrameMargins MainWindow::Margins() const {
  // The window manager's frame is known only once the window is shown; until then it counts 0.
  const QRect outer = frameGeometry();
  const QRect inner = geometry();
  const int menu = menuBar()->sizeHint().height();
  // The status bar lies below the client area, as the frame does.
  const int status = statusBar()->sizeHint().height();
  return {inner.left() - outer.left(), inner.top() - outer.top() + menu,
          outer.right() - inner.right(), outer.bottom() - inner.bottom() + status};
}

void MainWindow::FitToFigure() {
  const FrameMargins margins = Margins();
  // SCALE's window may not fit this screen; a smaller whole scale does, while it is needed.
  const Rect area = AvailableArea(frameGeometry().topLeft());
  const int scale = ScaleThatFits(game_, margins, {area.Width(), area.Height()});
  if (game_.fieldGeometry != FieldGeometry(scale)) {
    DrawFieldAtScale(game_, scale);
    status_->Refresh();
  }
  // The whole content, also where the window is cut to the screen: the field then scrolls.
  const Size content = RequiredClientSize(game_);
  field_->setMinimumSize(content.width, content.height);
  if (!isMaximized() && !isFullScreen()) {
    const QRect outer = frameGeometry();
    Rect fitted =
        FittedWindowRect(game_, margins, isVisible(),
                         {outer.left(), outer.top(), outer.right() + 1, outer.bottom() + 1});
    if (!isVisible() && game_.windowPlace &&
        QGuiApplication::screenAt({game_.windowPlace->left, game_.windowPlace->top}) != nullptr) {
      // Where the player left it last time, while a screen still shows that place.
      fitted = {game_.windowPlace->left, game_.windowPlace->top,
                game_.windowPlace->left + fitted.Width(), game_.windowPlace->top + fitted.Height()};
    }
    fitted = KeptOnScreen(fitted, AvailableArea({fitted.left, fitted.top}));
    move(fitted.left, fitted.top);
    const QSize client(fitted.Width() - margins.left - margins.right,
                       fitted.Height() - margins.top - margins.bottom);
    resize(client.width(),
           client.height() + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    if (!isVisible()) {
      // The central widget takes its size only when shown; lay out for the size it will have.
      PlaceContentIn(client);
      return;
    }
  }
  LayOutContent();
}

Rect MainWindow::AvailableArea(QPoint topLeft) const {
  const QScreen* shown = QGuiApplication::screenAt(topLeft);
  const QRect area = (shown != nullptr ? shown : screen())->availableGeometry();
  return {area.left(), area.top(), area.right() + 1, area.bottom() + 1};
}

void MainWindow::LayOutContent() {
  PlaceContentIn(field_->size());
}

void MainWindow::PlaceContentIn(QSize client) {
  const Rect panel = PlaceContent(game_, {client.width(), client.height()});
  panel_->setGeometry(panel.left, panel.top, panel.Width(), panel.Height());
  field_->update();
  if (guide_ != nullptr) {
    guide_->Place();
  }
}

OrientationPopup* MainWindow::OpenOrientationPopup(QPoint globalPosition) {
  const std::optional<int> menuId = OrientationMenuToOpen(game_, *platform_);
  if (!menuId) {
    return nullptr;
  }
  auto* popup = new OrientationPopup(
      OrientationMenuLayout(*menuId),
      [this](QPainter& painter, const QRect& area, int commandId, bool selected) {
        PaintOrientationItem(game_, *platform_, painter, area, commandId, selected);
      },
      this);
  connect(popup, &OrientationPopup::Chosen, this, &MainWindow::RunCommand);
  popup->Open(globalPosition);
  return popup;
}

void MainWindow::BringToFront() {
  if (isMinimized()) {
    showNormal();
  }
  raise();
  activateWindow();
}

void MainWindow::PressKey(const QKeyEvent* event) {
  const int key = event->key();
  // The Undo and Redo keys reach here only while those commands are greyed: they turn nothing.
  if (event->modifiers().testFlag(Qt::ControlModifier) && (key == Qt::Key_Z || key == Qt::Key_Y)) {
    return;
  }
  if (key == Qt::Key_X || key == Qt::Key_Y || key == Qt::Key_Z) {
    // Qt's letter keys carry the same codes as the virtual keys 'X', 'Y' and 'Z'.
    TurnSelectedPiece(game_, *platform_, key);
    LookForGuide(true);
  }
}

void MainWindow::PressFieldKey(QKeyEvent* event) {
  // Plain arrows only: with Ctrl they turn the view and change the layer.
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  switch (plain ? event->key() : Qt::Key_unknown) {
    case Qt::Key_Left:
      MoveFieldCursor(game_, *platform_, -1, 0);
      break;
    case Qt::Key_Right:
      MoveFieldCursor(game_, *platform_, 1, 0);
      break;
    case Qt::Key_Up:
      MoveFieldCursor(game_, *platform_, 0, -1);
      break;
    case Qt::Key_Down:
      MoveFieldCursor(game_, *platform_, 0, 1);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      PressAtFieldCursor(game_, *platform_);
      break;
    case Qt::Key_Menu:
      if (const std::optional<Point> centre = MenuKeyPopupPlace(game_, *platform_)) {
        OpenOrientationPopup(field_->mapToGlobal(QPoint(centre->x, centre->y)));
      }
      break;
    default:
      return;
  }
  event->accept();
  LookForGuide(true);
}

void MainWindow::TurnWheel(int delta) {
  ChangeLayer(game_, *platform_, delta);
  LookForGuide(true);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  PressKey(event);
  event->accept();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  // A right click anywhere in the window, or the menu key while the panel has the focus.
  OpenOrientationPopup(event->globalPos());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  SaveKeptFiles(game_, *platform_);
  event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    // The first fitting had no frame to count; the window manager has added it by now.
    QTimer::singleShot(0, this, &MainWindow::FitToFigure);
  }
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (isVisible() && !isMaximized() && !isFullScreen() && !isMinimized()) {
    game_.windowPlace = WindowPlace{frameGeometry().left(), frameGeometry().top()};
  }
}

void MainWindow::changeEvent(QEvent* event) {
  const QEvent::Type type = event->type();
  if (status_ && (type == QEvent::ActivationChange || type == QEvent::WindowStateChange)) {
    SetClockPause(game_, *platform_, kPauseWindowInactive, !isActiveWindow() || isMinimized());
    status_->Refresh();
  }
  QMainWindow::changeEvent(event);
}

}  // namespace kelvane
