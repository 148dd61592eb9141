// SPDX-License-Identifier: GPL-3.0-or-later
// The recording Platform used by the core's scenario tests.
#include "support/fake_platform.h"

namespace kelvane::testing {

MessageAnswer FakePlatform::ShowMessage(std::string_view text, std::string_view caption,
                                        MessageStyle style) {
  messages.push_back({std::string(text), std::string(caption), style});
  events.push_back("message: " + std::string(text));
  if (style != MessageStyle::Question) {
    return MessageAnswer::Ok;
  }
  if (answers.empty()) {
    return MessageAnswer::No;
  }
  const MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakePlatform::ResetPanel() {
  ++panelResets;
  selection = -1;
}

void FakePlatform::Beep() {
  ++beeps;
  events.emplace_back("beep");
}

void FakePlatform::PlaySoundAsync(std::string_view fileName) {
  sounds.emplace_back(fileName);
  events.push_back("sound: " + std::string(fileName));
}

void FakePlatform::ApplyCommandStates(const CommandStates& states) {
  ++commandStateUpdates;
  commandStates = states;
}

}  // namespace kelvane::testing
