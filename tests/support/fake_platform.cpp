// The recording Platform used by the core's scenario tests.
#include "support/fake_platform.h"

namespace kelvane::testing {

MessageAnswer FakePlatform::ShowMessage(std::string_view text, std::string_view caption,
                                        MessageStyle style) {
  messages.push_back({std::string(text), std::string(caption), style});
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

void FakePlatform::ApplyCommandStates(const CommandStates&) { ++commandStateUpdates; }

}  // namespace kelvane::testing
