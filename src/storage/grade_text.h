// SPDX-License-Identifier: GPL-3.0-or-later
// Grading the library's figures as plain text, so that another instance of the core can grade
// them (the web page's worker).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "storage/grades_file.h"

namespace kelvane {

// The figure keys, one a line.
std::string GradeRequestText(const std::vector<std::string>& keys);

// The grades of the request's keys as the grade cache writes them (ParseGradesText reads them);
// a line that is no figure key gets none.
std::string AnswerGradeRequest(std::string_view request);

// Joins the grades of an answer to the current folder's cache, keeping those it holds (another
// tab's among them), and gives the cache; an answer that is none adds nothing.
PuzzleGrades KeepGradesAnswer(std::string_view answer);

}  // namespace kelvane
