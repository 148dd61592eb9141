// SPDX-License-Identifier: GPL-3.0-or-later
// The files the game keeps between runs, as texts to write while it runs.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace kelvane {

struct Game;
class Platform;

struct KeptFileText {
  std::string path;  // relative to the working folder
  std::string text;
};

// The settings, the extra options, the game in progress and, after a first win, the solved
// record and the bests, and the window's place once it has one, each with the text its save
// writes for the game as it is now.
std::vector<KeptFileText> KeptFileTexts(const Game& game, Platform& platform);

// What a session last wrote to each kept file, by path, so that a file is written again only
// when its text changed.
using WrittenKeptFiles = std::map<std::string, std::string>;

struct KeptFilesWrite {
  int written = 0;      // files written anew
  bool failed = false;  // some file could not be written; it is tried again next time
};

// Writes each kept file whose text differs from what `written` holds for it, and records it.
KeptFilesWrite WriteChangedKeptFiles(const Game& game, Platform& platform,
                                     WrittenKeptFiles& written);

// Writes every kept file; a failure is not reported, as the game is ending.
void SaveKeptFiles(const Game& game, Platform& platform);

}  // namespace kelvane
