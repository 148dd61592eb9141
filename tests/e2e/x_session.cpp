// SPDX-License-Identifier: GPL-3.0-or-later
// The X session fixture: QProcess for the game and the X tools, QTemporaryDir for its files.
#include "x_session.h"

#include <csignal>

#include <QTest>

#include "cell_targets.h"
#include "model/char_buffer.h"
#include "model/settings.h"
#include "storage/extra_options_file.h"
#include "storage/grades_file.h"
#include "storage/kept_game_file.h"
#include "storage/puzzle_file.h"
#include "storage/settings_file.h"

namespace kelvane::e2e {

std::map<std::string, std::string> GameFolderContent(const fs::path& folder) {
  std::map<std::string, std::string> content = FolderContent(folder);
  content.erase(std::string(kGradesFileName));
  return content;
}

void AddFilesWrittenAtExit(std::map<std::string, std::string>& content, const std::string& puzzle,
                           const std::string& figure, const std::string& name) {
  Settings settings;
  SetDefaultSettings(settings);
  SetBufferText(settings.PUZZLE, puzzle);
  content["Kelvane.ini"] = FormatSettingsText(settings);
  content["Extras.ini"] = FormatExtraOptionsText({});
  KeptGame kept;
  const auto firstStart = NewWindowModel();
  kept.figure = firstStart->figure;
  kept.puzzleName = firstStart->play.puzzleName;
  if (!figure.empty()) {
    ParsePuzzleText(figure, kept.figure);
    kept.puzzleName = name;
  }
  kept.shownLayers = GridExtents(kept.figure).z;
  content["KeptGame.ini"] = FormatKeptGame(kept);
}

XSession::XSession() {
  const fs::path resources = KELVANE_RESOURCES_DIR;
  fs::create_directories(Work() / "Puzzles");
  fs::create_directories(Home());
  for (const char* name : {"Puzzles", "help", "victory.wav", "orrinsoft.url"}) {
    fs::copy(resources / name, Work() / name, fs::copy_options::recursive);
  }
}

XSession::~XSession() {
  if (game_.state() != QProcess::NotRunning) {
    game_.kill();
    game_.waitForFinished();
  }
  if (QTest::currentTestFailed()) {
    qWarning("game output:\n%s", FileBytes(Root() / "game.log").c_str());
  }
}

fs::path XSession::NewFolder(const std::string& name) const {
  fs::create_directories(Root() / name);
  return Root() / name;
}

QString XSession::Start(const QStringList& command, const fs::path& folder, int timeoutMs) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "xcb");
  environment.insert("HOME", QString::fromStdString(Home().string()));
  environment.remove("XDG_DATA_HOME");
  environment.insert("XDG_CONFIG_HOME", QString::fromStdString((Home() / ".config").string()));
  // The single-instance socket lives here: games of other tests never meet this one.
  environment.insert("TMPDIR", root_.path());
  // Qt and the font libraries keep caches for the process's lifetime.
  environment.insert("ASAN_OPTIONS", "detect_leaks=0");
  if (!allowGuide_) {
    environment.insert("KELVANE_NO_GUIDE", "1");
  }
  game_.setProcessEnvironment(environment);
  game_.setWorkingDirectory(QString::fromStdString((folder.empty() ? Work() : folder).string()));
  game_.setProcessChannelMode(QProcess::MergedChannels);
  game_.setStandardOutputFile(QString::fromStdString((Root() / "game.log").string()),
                              QIODevice::Append);
  const QStringList argv = command.isEmpty() ? QStringList{KELVANE_GAME_PATH} : command;
  game_.start(argv.front(), argv.mid(1));
  const QString window = WaitForWindow("Kelvane", timeoutMs);
  if (!window.isEmpty()) {
    Focus(window);
  }
  return window;
}

std::optional<int> XSession::ExitThroughMenu(const QString& window) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    Focus(window);
    Keys({"Escape", "alt+g"});
    QTest::qWait(500);
    Keys({"x"});
    if (game_.waitForFinished(5000)) {
      return game_.exitStatus() == QProcess::NormalExit ? game_.exitCode() : -1;
    }
  }
  return std::nullopt;
}

std::optional<int> XSession::Signal(int signalNumber) {
  ::kill(static_cast<pid_t>(game_.processId()), signalNumber);
  if (game_.waitForFinished(10000) && game_.exitStatus() == QProcess::NormalExit) {
    return game_.exitCode();
  }
  return std::nullopt;
}

QByteArray XSession::Xdotool(const QStringList& arguments) {
  QProcess tool;  // killed on the way out when it hangs
  tool.start("xdotool", arguments);
  const bool ran = tool.waitForFinished(10000) && tool.exitCode() == 0;
  return ran ? tool.readAllStandardOutput() : QByteArray();
}

QByteArrayList XSession::VisibleWindows(const QString& title) {
  const QByteArray ids =
      Xdotool({"search", "--onlyvisible", "--name", "^" + title + "$"}).trimmed();
  return ids.isEmpty() ? QByteArrayList{} : ids.split('\n');
}

QString XSession::WaitForWindow(const QString& title, int timeoutMs) {
  QByteArrayList ids;
  (void)QTest::qWaitFor([&] { return !(ids = VisibleWindows(title)).isEmpty(); }, timeoutMs);
  return ids.isEmpty() ? QString() : QString(ids.front());
}

QString XSession::WaitForOtherWindow(const QString& title, const QString& besides, int timeoutMs) {
  QString other;
  (void)QTest::qWaitFor(
      [&] {
        for (const QByteArray& id : VisibleWindows(title)) {
          if (QString(id) != besides) {
            other = QString(id);
          }
        }
        return !other.isEmpty();
      },
      timeoutMs);
  return other;
}

bool XSession::WaitForWindowCount(const QString& title, int count, int timeoutMs) {
  return QTest::qWaitFor([&] { return VisibleWindows(title).size() == count; }, timeoutMs);
}

std::map<QByteArray, int> XSession::ShellValues(const QString& command, const QStringList& rest) {
  std::map<QByteArray, int> values;
  for (const QByteArray& line : Xdotool(QStringList{command, "--shell"} + rest).split('\n')) {
    const QList<QByteArray> pair = line.split('=');
    values[pair[0]] = pair.value(1).toInt();
  }
  return values;
}

QRect XSession::Geometry(const QString& window) {
  auto values = ShellValues("getwindowgeometry", {window});
  return {values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]};
}

void XSession::Focus(const QString& window) {
  Xdotool({"windowfocus", "--sync", window});
}

void XSession::MoveMouse(int x, int y, bool click) {
  // --sync waits for the pointer to move: where it is already, it would wait for the timeout.
  auto at = ShellValues("getmouselocation");
  if (at["X"] != x || at["Y"] != y) {
    Xdotool({"mousemove", "--sync", QString::number(x), QString::number(y)});
  }
  if (click) {
    Xdotool({"click", "1"});
  }
}

void XSession::Keys(const QStringList& combinations) {
  Xdotool(QStringList{"key", "--delay", "60"} + combinations);
}

void XSession::Type(const QString& text) {
  Xdotool({"type", "--delay", "60", text});
}

QImage XSession::Capture() {
  QProcess import;
  import.start("import", {"-silent", "-window", "root", "-depth", "8", "png:-"});
  import.waitForFinished(10000);
  return QImage::fromData(import.readAllStandardOutput(), "PNG");
}

}  // namespace kelvane::e2e
