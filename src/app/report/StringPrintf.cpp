#include "app/report/StringPrintf.h"

#include <cstdarg>
#include <cstdio>

namespace vh::app {

std::string StringPrintf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int size = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text;
  if (size > 0) {
    text.resize(static_cast<size_t>(size) + 1);
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<size_t>(size));
  }
  va_end(args);
  return text;
}

}  // namespace vh::app
