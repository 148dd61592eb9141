// SPDX-License-Identifier: GPL-3.0-or-later
// Grading the library's figures in a worker thread, so New game and Next puzzle never wait on the
// window's thread.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include "storage/grades_file.h"
#include "storage/new_game_dialog.h"

namespace kelvane {

class LibraryGrading : public QObject {
  Q_OBJECT

 public:
  explicit LibraryGrading(QObject* parent = nullptr);
  // Stops a grading under way and waits for it to end.
  ~LibraryGrading() override;

  // Reads the grade cache; when `list` holds figures it lacks, grades them in a worker, adds them
  // to the cache file and then calls `done` on this thread; otherwise calls `done` at once. While
  // a grading runs, a further call adds its `done` to be called when it ends.
  void Complete(const NewGameList& list, std::function<void()> done);

  const PuzzleGrades& Grades() const { return grades_; }
  bool Running() const { return worker_.joinable(); }

 private:
  void Finish(PuzzleGrades found);

  PuzzleGrades grades_;
  std::vector<std::function<void()>> done_;
  std::atomic<bool> cancel_ = false;
  std::thread worker_;
};

}  // namespace kelvane
