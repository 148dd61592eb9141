// SPDX-License-Identifier: GPL-3.0-or-later
// Grading the library's figures in a worker thread, so New game and Next puzzle never wait on the
// window's thread.
#pragma once

#include <QObject>
#include <functional>
#include <thread>

#include "storage/grades_file.h"
#include "storage/new_game_dialog.h"

namespace kelvane {

class LibraryGrading : public QObject {
  Q_OBJECT

 public:
  explicit LibraryGrading(QObject* parent = nullptr);
  // Stops a grading under way, after the figure it is counting.
  ~LibraryGrading() override;

  // Reads the grade cache; when `list` holds figures it lacks, grades them in a worker, adds them
  // to the cache file and then calls `done` on this thread; otherwise calls `done` at once. While
  // a grading runs, a further call only replaces `done`.
  void Complete(const NewGameList& list, std::function<void()> done);

  const PuzzleGrades& Grades() const { return grades_; }
  bool Running() const { return worker_.joinable(); }

 private:
  void Finish(PuzzleGrades found);

  PuzzleGrades grades_;
  std::function<void()> done_;
  std::jthread worker_;
};

}  // namespace kelvane
