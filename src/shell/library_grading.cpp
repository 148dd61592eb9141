// SPDX-License-Identifier: GPL-3.0-or-later
// The worker that grades the library and hands the grades back to the window's thread.
#include "shell/library_grading.h"

#include "storage/library_order.h"

namespace kelvane {

LibraryGrading::LibraryGrading(QObject* parent) : QObject(parent) {}

LibraryGrading::~LibraryGrading() {
  cancel_ = true;
  if (worker_.joinable()) {
    worker_.join();
  }
}

void LibraryGrading::Complete(const NewGameList& list, std::function<void()> done) {
  done_.push_back(std::move(done));
  if (Running()) {
    return;
  }
  grades_ = LoadGrades();
  std::vector<std::string> keys = UngradedKeys(list, grades_);
  if (keys.empty()) {
    Finish({});
    return;
  }
  worker_ = std::thread([this, keys = std::move(keys)] {
    PuzzleGrades found = GradeKeys(keys, cancel_);
    // The destructor joins this thread before the object goes, so the call cannot dangle.
    if (!cancel_) {
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
  for (const std::function<void()>& done : std::exchange(done_, {})) {
    done();
  }
}

}  // namespace kelvane
