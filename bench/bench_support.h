// What the benchmarks share: generated PNG images of the kinds a skin
// holds, file writing and timing.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// A repeatable pseudo-random number (xorshift).
uint32_t Next();

// A PNG file of an RGBA image, rows filtered with "Sub" as image editors
// mostly choose for such images, deflated at the given level.
std::string Png(int w, int h, const std::vector<uint8_t>& rgba, int level);

enum class Kind { Icon, Strip, Bar, Backdrop };

// Image content: a soft shape on a transparent ground (icons, button
// strips), a gradient (bars) or a textured picture (backgrounds).
std::vector<uint8_t> Picture(int w, int h, Kind kind);

void WriteBytes(const std::string& path, const std::string& data);

// Seconds between two performance-counter readings.
double Seconds(LARGE_INTEGER a, LARGE_INTEGER b);
// Seconds since an earlier reading.
double SecondsSince(LARGE_INTEGER a);
LARGE_INTEGER Now();

}  // namespace bench
