// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading the grading's request, and answering it.
#include "storage/grade_text.h"

#include <atomic>

#include "storage/library_order.h"

namespace kelvane {

std::string GradeRequestText(const std::vector<std::string>& keys) {
  std::string text;
  for (const std::string& key : keys) {
    text += key + '\n';
  }
  return text;
}

std::string AnswerGradeRequest(std::string_view request) {
  std::vector<std::string> keys;
  for (std::size_t end = request.find('\n'); end != std::string_view::npos;
       end = request.find('\n')) {
    keys.emplace_back(request.substr(0, end));
    request.remove_prefix(end + 1);
  }
  // The page ends a grading that is no longer wanted by ending the worker.
  const std::atomic<bool> never{false};
  return FormatGradesText(GradeKeys(keys, never));
}

PuzzleGrades KeepGradesAnswer(std::string_view answer) {
  PuzzleGrades grades = LoadGrades();
  if (std::optional<PuzzleGrades> found = ParseGradesText(answer)) {
    grades.tiers.merge(found->tiers);
    SaveGrades(grades);
  }
  return grades;
}

}  // namespace kelvane
