// SPDX-License-Identifier: GPL-3.0-or-later
// The game's command line, parsed by the toolkit's parser so help and errors read as usual.
#include "shell/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace kelvane {
namespace {

void DeclareOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      "Kelvane, a puzzle of seven polycube pieces.\n"
      "The game reads and writes its settings and puzzles in the current folder; the\n"
      "kelvane launcher starts it in the player's own folder. The toolkit's options\n"
      "(-platform, -style, ...) are accepted too. See kelvane(6).");
  parser.addHelpOption();
  parser.addVersionOption();
}

}  // namespace

void AnswerInformationOptions(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) {
    arguments << QString::fromLocal8Bit(argv[i]);
  }
  QCommandLineParser parser;
  DeclareOptions(parser);
  // A toolkit option is unknown here; only the two answers matter at this point.
  parser.parse(arguments);
  const bool help = parser.isSet("help") || parser.isSet("help-all");
  if (help || parser.isSet("version")) {
    // Needed for the program name in the usage line; a core application opens no display.
    const QCoreApplication application(argc, argv);
    help ? parser.showHelp(0) : parser.showVersion();
  }
}

std::optional<int> RejectUnknownOptions(const QStringList& arguments) {
  QCommandLineParser parser;
  DeclareOptions(parser);
  if (parser.parse(arguments)) {
    return std::nullopt;
  }
  std::fprintf(stderr, "kelvane: %s\nTry 'kelvane --help'.\n", qPrintable(parser.errorText()));
  return 2;
}

}  // namespace kelvane
