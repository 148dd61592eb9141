// SPDX-License-Identifier: GPL-3.0-or-later
// The search worker's instance of the core: answers the Analyse commands' search requests.
#include <emscripten.h>

#include <string>

#include "analysis/search_text.h"

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* kelvane_search(const char* request) {
  static std::string answer;
  answer = kelvane::AnswerSearchRequest(request);
  return answer.c_str();
}

}  // extern "C"
