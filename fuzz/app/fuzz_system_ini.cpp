// The System.ini reader on any bytes: either seven values or no change.
#include <cstddef>
#include <cstdint>
#include <span>

#include "app/settings/SystemIni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vh::app::SystemSettings settings;
  const auto status = vh::app::ParseSystemIni(std::span(data, size), settings);
  if (status != vh::app::SystemIniStatus::Read && !(settings == vh::app::SystemSettings{})) {
    __builtin_trap();
  }
  return 0;
}
