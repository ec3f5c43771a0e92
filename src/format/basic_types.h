// The two types every layer shares: the program's number and its text.
#pragma once

#include <string>

namespace bxr {

// Every model and result value: 80-bit extended precision on x86-64.
using Real = long double;
// Texts are held as code page 850 bytes, as in the project files.
using OemString = std::string;

}  // namespace bxr
