// printf-style formatting into a std::string; the report and message texts
// are printf formats.
#pragma once

#include <string>

namespace vh::app {

std::string StringPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace vh::app
