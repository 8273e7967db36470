// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A channel's two tones (transmit and receive tone index, see tones.h) in
// the tone columns that CHIRP users exchange: a tone mode ("", "Tone",
// "TSQL", "DTCS" or "Cross" with its cross mode), the transmit tone
// (rToneFreq), the tone squelch tone (cToneFreq), the transmit and receive
// DCS codes and their polarities ("N" normal, "R" reverse; this radio knows
// only normal).

#include <optional>
#include <string>

namespace zq61 {

struct ChirpTones {
    std::string tone;
    std::string rToneFreq = "88.5";
    std::string cToneFreq = "88.5";
    std::string dtcsCode = "023";
    std::string dtcsPolarity = "NN";
    std::string rxDtcsCode = "023";
    std::string crossMode = "Tone->Tone";
};

// The columns of a transmit and receive tone. Unused columns keep the
// values CHIRP writes for them, so that CHIRP reads them back unchanged.
ChirpTones chirpTonesOf(int txTone, int rxTone);

struct ChirpToneProblem {
    std::string column;  // "Tone", "rToneFreq", ...
    std::string message;
};

struct DecodedTones {
    int txTone = 0;
    int rxTone = 0;
    std::optional<ChirpToneProblem> problem;  // set: the tones are not valid
};

// The transmit and receive tone of the columns. Only the columns the tone
// mode uses are read; a tone or code this radio does not have, a reverse
// polarity, an unknown mode or cross mode is a problem.
DecodedTones decodeChirpTones(const ChirpTones& columns);

}  // namespace zq61
