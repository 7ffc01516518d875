#pragma once
// The per-frame sampler that refreshes the live snapshot from the host.

namespace zentra {

// Reads every snapshot value from the host, converts and derives; gauge thread.
void sampleFrame();

// The N1 range mapped linearly onto the CEPR range (defaults 25, 100, 1.0, 1.8).
void SetCeprMapping(double n1Low, double n1High, double ceprLow, double ceprHigh);

// Formats a four-digit BCD NAV frequency word as "1dd.dd0".
void formatNavFrequency(int word, char* out, int size);
// Formats the ADF frequency from its main and extension words as "dddd.d0".
void formatAdfFrequency(int mainWord, int extWord, char* out, int size);

}  // namespace zentra
