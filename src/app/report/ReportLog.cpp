#include "app/report/ReportLog.h"

#include <cstdio>

#include "app/report/StringPrintf.h"

namespace vh::app {

namespace {

bool AppendLine(const std::filesystem::path& path, std::string_view text) {
  if (path.empty()) return false;
  std::FILE* file = std::fopen(path.c_str(), "r+");
  if (!file) return false;
  bool ok = std::fseek(file, 0, SEEK_END) == 0;
  ok = ok && std::fwrite(text.data(), 1, text.size(), file) == text.size();
  ok = ok && std::fputc('\n', file) != EOF;
  return std::fclose(file) == 0 && ok;
}

}  // namespace

bool ReportLog::ReportCreate(const std::filesystem::path& path) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (!file) return false;
  std::fclose(file);
  reportPath_ = path;
  return true;
}

bool ReportLog::ReportPrintf(std::string_view line) { return AppendLine(reportPath_, line); }

bool ReportLog::ReportError(std::string_view line) {
  DebugLogLine(line);
  return ReportPrintf(line);
}

void ReportLog::DebugLogLine(std::string_view line) {
  if (!debugEnabled_) return;
  AppendLine(debugPath_, line);
}

std::string FormatSystemSection(const platform::MachineInfo& m) {
  std::string text;
  text += StringPrintf("OS : %s %s PID %d\n", m.osName.c_str(), m.osVersion.c_str(), m.processId);
  text += StringPrintf("CPU : %s %s %d\n", m.cpuVendor.c_str(), m.cpuBrand.c_str(), m.cpuMhz);
  text += StringPrintf("Mem Total : %.3fMB\n", m.memTotalMb);
  text += StringPrintf("Mem Free : %3.fMB\n", m.memFreeMb);
  text += StringPrintf("Vir Total : %.3fMB\n", m.virtTotalMb);
  text += StringPrintf("Vir Free : %3.fMB\n", m.virtFreeMb);
  text += StringPrintf("HD Free : %3.fMB", m.diskFreeMb);
  return text;
}

void ReportLog::ReportSystem(const platform::MachineInfo& machine) {
  ReportPrintf(FormatSystemSection(machine));
}

}  // namespace vh::app
