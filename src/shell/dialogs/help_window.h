// SPDX-License-Identifier: GPL-3.0-or-later
// The manual inside the game: its pages, back and forward, and the way out to a browser.
#pragma once

#include <QUrl>
#include <QWidget>

#include "shell/dialogs/help_commands.h"

class QListWidget;
class QTextBrowser;
class QToolButton;

namespace kelvane {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // `openUrl` takes web links and the "Open in browser" button's page to the desktop.
  HelpWindow(UrlOpener openUrl, QWidget* owner);

  // Shows `page`, a local file of the manual (with or without a fragment), and raises the window.
  void ShowPage(const QUrl& page);

  QTextBrowser& Browser() { return *browser_; }
  QListWidget& Contents() { return *contents_; }
  QToolButton& OpenInBrowserButton() { return *openInBrowser_; }

 private:
  void FollowLink(const QUrl& link);
  void FillContents();
  void MarkCurrentPage(const QUrl& shown);

  UrlOpener openUrl_;
  QTextBrowser* browser_ = nullptr;
  QListWidget* contents_ = nullptr;
  QToolButton* openInBrowser_ = nullptr;
};

// Shows `page` in the help window of the window the player is using: the open modal dialog's,
// so the manual stays usable beside it, or else `mainWindow`'s. Each is made at its first use.
void ShowHelpPage(QWidget& mainWindow, const QUrl& page, const UrlOpener& openUrl);

}  // namespace kelvane
