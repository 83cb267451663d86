#pragma once
// The program's own beep: a short tone made in code, so it is heard where the
// desktop's bell is muted.
#include <string>

namespace slv {

struct Tone {
  int frequencyHz = 880;
  int durationMs = 140;
  int sampleRate = 22050;
  double volume = 0.45; // of full scale
  int fadeMs = 10;      // soft start and end, so the speaker does not click
};

// The bytes of a WAV file (PCM, 16-bit, mono) holding the tone.
std::string toneWave(const Tone& tone = {});

} // namespace slv
