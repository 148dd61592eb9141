// SPDX-License-Identifier: GPL-3.0-or-later
// The game's command line: --help and --version, beside the toolkit's own options.
#pragma once

#include <QStringList>
#include <optional>

namespace kelvane {

// Answers --help or --version and ends the program (exit 0) when one of them is given; looked at
// before the application object exists, so neither needs a display. Other arguments are left
// for the toolkit, which takes its own options (-platform, -style, ...) out of argv.
void AnswerInformationOptions(int argc, char* argv[]);

// What remains after the toolkit took its options: an unknown option is reported on standard
// error and gives the exit code 2; nullopt when the game may start.
std::optional<int> RejectUnknownOptions(const QStringList& arguments);

}  // namespace kelvane
