// SPDX-License-Identifier: GPL-3.0-or-later
// Help pages and the home page, resolved against the current working folder.
#include "shell/dialogs/help_commands.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "model/game_messages.h"
#include "storage/ini_reader.h"
#include "storage/text_file.h"

namespace kelvane {

bool OpenWithDesktop(const QUrl& url) {
  return QDesktopServices::openUrl(url);
}

QString HelpPageOf(int mapId) {
  switch (mapId) {
    case kHelpOptions:
      return "options.html";
    case kHelpTutorial:
      return "tutorial.html";
    default:
      return "index.html";
  }
}

void ShowHelp(int mapId, const UrlOpener& open) {
  const QFileInfo page(QDir::current().filePath("help/" + HelpPageOf(mapId)));
  if (page.isFile()) {
    open(QUrl::fromLocalFile(page.absoluteFilePath()));
  }
}

std::optional<QUrl> HomePageUrl(std::string_view shortcutText) {
  const std::optional<std::string_view> value =
      FindIniValue(shortcutText, "InternetShortcut", "URL");
  if (!value) {
    return std::nullopt;
  }
  const QUrl url(QString::fromUtf8(value->data(), static_cast<qsizetype>(value->size())),
                 QUrl::StrictMode);
  if (!url.isValid() || url.host().isEmpty() ||
      (url.scheme() != "http" && url.scheme() != "https")) {
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
