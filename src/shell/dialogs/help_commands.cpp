// SPDX-License-Identifier: GPL-3.0-or-later
// Help pages and the home page, resolved against the current working folder.
#include "shell/dialogs/help_commands.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "model/game_messages.h"
#include "storage/text_file.h"

namespace kelvane {

bool OpenWithDesktop(const QUrl& url) {
  return QDesktopServices::openUrl(url);
}

QString HelpPageName(int mapId) {
  const std::string_view page = HelpPageOf(mapId);
  return QString::fromUtf8(page.data(), static_cast<qsizetype>(page.size()));
}

void ShowHelp(int mapId, const UrlOpener& open) {
  const QFileInfo page(QDir::current().filePath("help/" + HelpPageName(mapId)));
  if (page.isFile()) {
    open(QUrl::fromLocalFile(page.absoluteFilePath()));
  }
}

std::optional<QUrl> HomePageUrl(std::string_view shortcutText) {
  const std::optional<std::string> address = HomePageAddress(shortcutText);
  if (!address) {
    return std::nullopt;
  }
  const QUrl url(QString::fromStdString(*address), QUrl::StrictMode);
  if (!url.isValid() || url.host().isEmpty()) {
    return std::nullopt;
  }
  return url;
}

void OpenHomePage(const Game& game, Platform& platform, const UrlOpener& open) {
  const std::optional<std::string> text = ReadTextFile(std::string(kHomePageShortcut));
  if (!text) {
    return;
  }
  if (const std::optional<QUrl> url = HomePageUrl(*text); url && !open(*url)) {
    const std::string address = url->toString().toStdString();
    ShowGameMessage(
        game, platform,
        QT_TRANSLATE_NOOP("Kelvane", "No web browser could be started. The home page is at %1"),
        MessageStyle::Information, {address});
  }
}

}  // namespace kelvane
