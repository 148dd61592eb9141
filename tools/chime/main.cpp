// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the victory chime to the WAVE file named on the command line.
#include <cstdio>

#include "chime.h"
#include "wav_writer.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.wav\n", argv[0]);
    return 2;
  }
  if (!kelvane::chime::WriteWav(argv[1], kelvane::chime::SynthesiseChime(),
                                kelvane::chime::kSampleRate)) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
