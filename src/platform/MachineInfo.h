// Facts about the machine for the start-up report.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace vh::platform {

struct MachineInfo {
  std::string osName;     // e.g. "Debian GNU/Linux 12 (bookworm)"
  std::string osVersion;  // kernel release
  int processId = 0;
  std::string cpuVendor;  // cpuid leaf 0, empty when unknown
  std::string cpuBrand;   // cpuid leaves 0x80000002..4, empty when unknown
  int cpuMhz = 0;         // from the operating system, 0 when unknown
  double memTotalMb = 0, memFreeMb = 0;
  double virtTotalMb = 0, virtFreeMb = 0;
  double diskFreeMb = 0;  // free space available to us where `dir` lives
};

MachineInfo ReadMachineInfo(const std::filesystem::path& dir);

}  // namespace vh::platform
