#pragma once
// Numbers in debug lines, descriptions and dumps: the same text whatever locale the host's process
// has set (through setlocale or std::locale::global), never grouped ("1234567") and with "." before
// a fraction ("2.5"), so a line reads alike on every machine and tests can compare it.

#include <sstream>
#include <string>

namespace platform {

// The shortest text that reads back as the same double ("100", "0.1", "-2.5e-07", "inf", "nan").
std::string classicNumber(double value);

// A string stream that writes numbers in the classic locale (a new stream takes the global one).
std::ostringstream classicStream();

} // namespace platform
