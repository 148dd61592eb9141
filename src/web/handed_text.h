// SPDX-License-Identifier: GPL-3.0-or-later
// Texts the page's calls into the core return.
#pragma once

#include <string>
#include <utility>

namespace kelvane {

// `text` kept until the next call hands one: the page reads each answer before it calls again.
inline const char* Handed(std::string text) {
  static std::string handed;
  handed = std::move(text);
  return handed.c_str();
}

}  // namespace kelvane
