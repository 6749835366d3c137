// The Boot.dat decoder on any bytes: exactly 8 bytes decode, nothing else does.
#include <cstddef>
#include <cstdint>
#include <span>

#include "app/settings/BootSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto boot = vh::app::ParseBoot(std::span(data, size));
  if (boot.has_value() != (size == vh::app::kBootBytes)) __builtin_trap();
  return 0;
}
