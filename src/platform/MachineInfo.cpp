#include "platform/MachineInfo.h"

#include <sys/statvfs.h>
#include <sys/utsname.h>
#include <unistd.h>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace vh::platform {
namespace {

constexpr double kMb = 1048576.0;

std::string Trim(std::string s) {
  const auto first = s.find_first_not_of(" \t\"");
  const auto last = s.find_last_not_of(" \t\"\r\n");
  return first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
}

// "KEY=value" or "Key : value" lines of a small system file, keys trimmed.
std::map<std::string, std::string> ReadKeyValues(const char* file, char separator) {
  std::map<std::string, std::string> values;
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    const auto pos = line.find(separator);
    if (pos == std::string::npos) continue;
    values.try_emplace(Trim(line.substr(0, pos)), Trim(line.substr(pos + 1)));
  }
  return values;
}

std::string ReadOsName() {
  const auto release = ReadKeyValues("/etc/os-release", '=');
  if (auto it = release.find("PRETTY_NAME"); it != release.end() && !it->second.empty())
    return it->second;
  utsname u{};
  return ::uname(&u) == 0 ? std::string(u.sysname) : std::string();
}

std::string ReadKernelRelease() {
  utsname u{};
  return ::uname(&u) == 0 ? std::string(u.release) : std::string();
}

#if defined(__x86_64__) || defined(__i386__)
void ReadCpuId(MachineInfo& info) {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (__get_cpuid(0, &a, &b, &c, &d) == 0) return;
  char vendor[13] = {};
  std::memcpy(vendor + 0, &b, 4);
  std::memcpy(vendor + 4, &d, 4);
  std::memcpy(vendor + 8, &c, 4);
  info.cpuVendor = vendor;

  if (__get_cpuid(0x80000000, &a, &b, &c, &d) == 0 || a < 0x80000004) return;
  char brand[49] = {};
  for (unsigned leaf = 0; leaf < 3; ++leaf) {
    __get_cpuid(0x80000002 + leaf, &a, &b, &c, &d);
    const unsigned regs[4] = {a, b, c, d};
    std::memcpy(brand + leaf * 16, regs, 16);
  }
  info.cpuBrand = Trim(brand);
}
#else
void ReadCpuId(MachineInfo&) {}
#endif

// The nominal clock as the kernel reports it; no busy-wait measurement.
int ReadCpuMhz() {
  std::ifstream maxFreq("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq");
  long long khz = 0;
  if (maxFreq >> khz && khz > 0) return static_cast<int>(khz / 1000);
  const auto cpu = ReadKeyValues("/proc/cpuinfo", ':');
  if (auto it = cpu.find("cpu MHz"); it != cpu.end()) {
    std::istringstream value(it->second);
    double mhz = 0;
    if (value >> mhz && mhz > 0) return static_cast<int>(std::lround(mhz));
  }
  return 0;
}

// /proc/meminfo values are in kB.
double MeminfoMb(const std::map<std::string, std::string>& meminfo, const char* key) {
  const auto it = meminfo.find(key);
  if (it == meminfo.end()) return 0;
  std::istringstream value(it->second);
  double kb = 0;
  value >> kb;
  return kb * 1024.0 / kMb;
}

}  // namespace

MachineInfo ReadMachineInfo(const std::filesystem::path& dir) {
  MachineInfo info;
  info.osName = ReadOsName();
  info.osVersion = ReadKernelRelease();
  info.processId = static_cast<int>(::getpid());
  ReadCpuId(info);
  info.cpuMhz = ReadCpuMhz();

  // Physical memory, and physical plus swap as the "virtual" figures.
  const auto meminfo = ReadKeyValues("/proc/meminfo", ':');
  info.memTotalMb = MeminfoMb(meminfo, "MemTotal");
  info.memFreeMb = MeminfoMb(meminfo, "MemAvailable");
  info.virtTotalMb = info.memTotalMb + MeminfoMb(meminfo, "SwapTotal");
  info.virtFreeMb = info.memFreeMb + MeminfoMb(meminfo, "SwapFree");

  struct statvfs fs {};
  if (::statvfs(dir.c_str(), &fs) == 0)
    info.diskFreeMb = static_cast<double>(fs.f_bavail) * static_cast<double>(fs.f_frsize) / kMb;
  return info;
}

}  // namespace vh::platform
