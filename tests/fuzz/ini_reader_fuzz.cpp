// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the INI reader and the settings parser over arbitrary text, names and buffer sizes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "storage/ini_reader.h"
#include "storage/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(16);
  const std::string key = input.ConsumeRandomLengthString(16);
  const std::size_t bufferSize = input.ConsumeIntegralInRange<std::size_t>(0, 300);
  const std::string text = input.ConsumeRemainingBytesAsString();

  kelvane::ReadIniInt(text, section, key, 7);
  const std::string value = kelvane::ReadIniString(text, section, key, "fallback", bufferSize);
  KELVANE_FUZZ_CHECK(bufferSize == 0 ? value.empty() : value.size() < bufferSize);

  kelvane::Settings settings;
  kelvane::ParseSettingsText(text, settings);
  KELVANE_FUZZ_CHECK(settings.SCALE >= 2 && settings.SCALE <= 8);
  KELVANE_FUZZ_CHECK(strnlen(settings.PUZZLE.data(), settings.PUZZLE.size()) <
                     settings.PUZZLE.size());
  return 0;
}
