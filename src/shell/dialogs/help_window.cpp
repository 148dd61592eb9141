// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: a text browser over the manual's pages with a contents list beside it.
#include "shell/dialogs/help_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvane {
namespace {

// The pages' own style sheet is written for browsers; the viewer draws a plainer one that its
// rich text understands, leaving the colours of text and paper to the desktop's palette.
constexpr const char* kViewerStyle = R"(
h1 { font-size: 20pt; color: #8a4b12; }
h2 { font-size: 15pt; color: #8a4b12; margin-top: 16px; }
h3 { font-size: 12pt; margin-top: 12px; }
p.lead { font-size: 12pt; }
a { color: #1f5fa8; }
code, kbd { font-family: monospace; }
div.figure { text-align: center; margin-top: 10px; margin-bottom: 12px; }
p.caption { font-style: italic; }
th { text-align: left; }
td, th { padding: 3px 6px; }
div.bar { margin-bottom: 8px; }
)";

// Wider pictures are shown at this width, so a page never needs a sideways scroll.
constexpr int kWidestPicture = 600;

QString FileText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// What the browsers' style sheet does and rich text cannot: figures as blocks of their own,
// space between the links of the page bar, and pictures shrunk to the page.
QString FitForViewer(QString html, const QDir& folder) {
  html.replace("<figure", "<div class=\"figure\"").replace("</figure>", "</div>");
  html.replace("<figcaption", "<p class=\"caption\"").replace("</figcaption>", "</p>");
  static const QRegularExpression bar(R"re(<div class="bar">.*?</div>)re");
  if (const QRegularExpressionMatch match = bar.match(html); match.hasMatch()) {
    QString spaced = match.captured();
    spaced.replace("</a><a", "</a>&nbsp;&nbsp;·&nbsp;&nbsp;<a");
    spaced.replace("</a><span", "</a>&nbsp;&nbsp;·&nbsp;&nbsp;<span");
    html.replace(match.capturedStart(), match.capturedLength(), spaced);
  }
  static const QRegularExpression picture(R"re(<img src="([^"]+)")re");
  QString fitted;
  qsizetype copied = 0;
  for (const QRegularExpressionMatch& match : picture.globalMatch(html)) {
    fitted += html.mid(copied, match.capturedEnd() - copied);
    copied = match.capturedEnd();
    if (QImageReader(folder.filePath(match.captured(1))).size().width() > kWidestPicture) {
      fitted += QString(" width=\"%1\"").arg(kWidestPicture);
    }
  }
  return fitted + html.mid(copied);
}

class ManualBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

  QVariant loadResource(int type, const QUrl& name) override {
    if (type == QTextDocument::StyleSheetResource) {
      return QString();  // the viewer's own style stands in for it
    }
    if (type == QTextDocument::HtmlResource && name.isLocalFile()) {
      const QFileInfo page(name.toLocalFile());
      return FitForViewer(FileText(page.filePath()), page.dir());
    }
    return QTextBrowser::loadResource(type, name);
  }
};

// The page's title without the manual's name beside it ("How to play — Kelvane manual").
QString PageTitle(const QString& path) {
  static const QRegularExpression title("<title>([^<]*)</title>");
  const QRegularExpressionMatch match = title.match(FileText(path));
  if (!match.hasMatch()) {
    return QFileInfo(path).baseName();
  }
  const QStringList parts = match.captured(1).split(" — ");
  return parts.front() == "Kelvane" && parts.size() > 1 ? parts.back() : parts.front();
}

QToolButton* AddButton(QHBoxLayout& bar, const QString& text, const QString& tip) {
  auto* button = new QToolButton;
  button->setText(text);
  button->setToolTip(tip);
  button->setAutoRaise(true);
  bar.addWidget(button);
  return button;
}

}  // namespace

HelpWindow::HelpWindow(UrlOpener openUrl, QWidget* owner)
    : QWidget(owner, Qt::Window), openUrl_(std::move(openUrl)) {
  setObjectName("help");
  browser_ = new ManualBrowser;
  browser_->setOpenLinks(false);
  browser_->document()->setDefaultStyleSheet(QString::fromUtf8(kViewerStyle));
  browser_->document()->setDocumentMargin(14);
  contents_ = new QListWidget;
  contents_->setStyleSheet("QListWidget::item { padding: 3px 6px; }");
  contents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  auto* bar = new QHBoxLayout;
  QToolButton* back = AddButton(*bar, tr("‹ Back"), tr("Back (Alt+Left)"));
  QToolButton* forward = AddButton(*bar, tr("Forward ›"), tr("Forward (Alt+Right)"));
  QToolButton* home = AddButton(*bar, tr("Contents"), tr("The manual's start page"));
  bar->addStretch();
  openInBrowser_ = AddButton(*bar, tr("Open in browser"), tr("Show this page in the web browser"));
  back->setShortcut(QKeySequence::Back);
  forward->setShortcut(QKeySequence::Forward);

  auto* splitter = new QSplitter;
  splitter->addWidget(contents_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({200, 700});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(splitter, 1);
  resize(920, 700);

  connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(home, &QToolButton::clicked, this,
          [this] { ShowPage(browser_->source().resolved(QUrl(HelpPageName(kHelpStart)))); });
  connect(openInBrowser_, &QToolButton::clicked, this, [this] { openUrl_(browser_->source()); });
  connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& shown) {
    setWindowTitle(browser_->documentTitle());
    MarkCurrentPage(shown);
  });
  connect(contents_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toUrl()); });
  connect(contents_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toUrl()); });
}

void HelpWindow::ShowPage(const QUrl& page) {
  // The page already shown is not loaded again, so it does not add a step to Back.
  if (browser_->source().adjusted(QUrl::RemoveFragment) != page.adjusted(QUrl::RemoveFragment) ||
      page.hasFragment()) {
    browser_->setSource(page);
  }
  if (contents_->count() == 0) {
    FillContents();
    MarkCurrentPage(browser_->source());
  }
  show();
  raise();
  activateWindow();
}

void HelpWindow::FollowLink(const QUrl& link) {
  const QUrl target = browser_->source().resolved(link);
  if (target.isLocalFile()) {
    browser_->setSource(target);
  } else {
    openUrl_(target);
  }
}

// The pages in the order the start page's contents name them, the start page first.
void HelpWindow::FillContents() {
  const QUrl start = browser_->source().resolved(QUrl(HelpPageName(kHelpStart)));
  const QString folder = QFileInfo(start.toLocalFile()).absolutePath();
  QStringList pages{HelpPageName(kHelpStart)};
  static const QRegularExpression link(R"re(href="([a-z0-9-]+\.html)[#"])re");
  for (const QRegularExpressionMatch& match : link.globalMatch(FileText(start.toLocalFile()))) {
    if (!pages.contains(match.captured(1))) {
      pages << match.captured(1);
    }
  }
  for (const QString& page : pages) {
    const QString path = folder + "/" + page;
    if (QFileInfo(path).isFile()) {
      auto* item = new QListWidgetItem(PageTitle(path), contents_);
      item->setData(Qt::UserRole, QUrl::fromLocalFile(path));
    }
  }
  contents_->setMinimumWidth(contents_->sizeHintForColumn(0) + 2 * contents_->frameWidth() + 4);
}

void HelpWindow::MarkCurrentPage(const QUrl& shown) {
  for (int i = 0; i < contents_->count(); ++i) {
    if (contents_->item(i)->data(Qt::UserRole).toUrl() == shown.adjusted(QUrl::RemoveFragment)) {
      contents_->setCurrentRow(i);
      return;
    }
  }
  contents_->clearSelection();
}

void ShowHelpPage(QWidget& mainWindow, const QUrl& page, const UrlOpener& openUrl) {
  QWidget* owner = QApplication::activeModalWidget();
  if (owner == nullptr) {
    owner = &mainWindow;
  }
  auto* help = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (help == nullptr) {
    help = new HelpWindow(openUrl, owner);
  }
  help->ShowPage(page);
}

}  // namespace kelvane
