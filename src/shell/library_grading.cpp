// SPDX-License-Identifier: GPL-3.0-or-later
// The worker that grades the library and hands the grades back to the window's thread.
#include "shell/library_grading.h"

#include "storage/library_order.h"

namespace kelvane {

LibraryGrading::LibraryGrading(QObject* parent) : QObject(parent) {}

LibraryGrading::~LibraryGrading() = default;

void LibraryGrading::Complete(const NewGameList& list, std::function<void()> done) {
  done_ = std::move(done);
  if (Running()) {
    return;
  }
  grades_ = LoadGrades();
  std::vector<std::string> keys = UngradedKeys(list, grades_);
  if (keys.empty()) {
    Finish({});
    return;
  }
  worker_ = std::jthread([this, keys = std::move(keys)](std::stop_token stop) {
    PuzzleGrades found = GradeKeys(keys, stop);
    // The object outlives this thread (its destructor joins it), so the call cannot dangle.
    if (!stop.stop_requested()) {
      QMetaObject::invokeMethod(
          this, [this, found = std::move(found)] { Finish(found); }, Qt::QueuedConnection);
    }
  });
}

void LibraryGrading::Finish(PuzzleGrades found) {
  if (Running()) {
    worker_.join();
    // Another window may have graded meanwhile: keep its grades too.
    grades_ = LoadGrades();
    grades_.tiers.merge(found.tiers);
    SaveGrades(grades_);
  }
  if (done_) {
    std::exchange(done_, nullptr)();
  }
}

}  // namespace kelvane
