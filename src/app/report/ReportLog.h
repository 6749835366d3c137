// Report.txt, always written, and the debug log EC_Game.txt, switched off.
// Every line is written with its own open, append and close, so what was
// written survives a crash.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/MachineInfo.h"

namespace vh::app {

inline constexpr const char* kVersionText = "432";

class ReportLog {
 public:
  // Opens the report for writing, truncating it. False when it cannot be made.
  bool ReportCreate(const std::filesystem::path& path);

  // Appends `line` and a line feed. False when the file cannot be opened.
  bool ReportPrintf(std::string_view line);
  // As ReportPrintf, and the line also goes to the debug log.
  bool ReportError(std::string_view line);

  void ReportSystem(const platform::MachineInfo& machine);

  // The debug log is off in this build: nothing is written, nothing created.
  void DebugLogLine(std::string_view line);
  void SetDebugLogPath(const std::filesystem::path& path) { debugPath_ = path; }
  bool DebugLogEnabled() const { return debugEnabled_; }

  const std::filesystem::path& Path() const { return reportPath_; }

 private:
  std::filesystem::path reportPath_;
  std::filesystem::path debugPath_;
  bool debugEnabled_ = false;
};

// The system section's lines, in order (without their line feeds).
std::string FormatSystemSection(const platform::MachineInfo& machine);

}  // namespace vh::app
