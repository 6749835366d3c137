// Where the drawing and sound layers send their report lines, debug lines and
// error boxes. The application implements it with Report.txt, the debug log
// and message boxes; tests and tools record or print the lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vh::platform {

class Diagnostics {
 public:
  virtual ~Diagnostics() = default;
  virtual void Report(std::string_view line) = 0;       // one line of Report.txt
  virtual void ReportError(std::string_view line) = 0;  // Report.txt and the debug log
  virtual void DebugLog(std::string_view line) = 0;     // debug log only
  virtual void ErrorBox(std::string_view text) = 0;     // modal box captioned "エラー"
  virtual void OutOfMemory() = 0;                       // box, then the application closes
};

// Keeps every line; for tests and headless tools.
class RecordingDiagnostics : public Diagnostics {
 public:
  void Report(std::string_view line) override { reports.emplace_back(line); }
  void ReportError(std::string_view line) override {
    reports.emplace_back(line);
    debugLines.emplace_back(line);
  }
  void DebugLog(std::string_view line) override { debugLines.emplace_back(line); }
  void ErrorBox(std::string_view text) override { errorBoxes.emplace_back(text); }
  void OutOfMemory() override { ++outOfMemoryCount; }

  std::vector<std::string> reports;
  std::vector<std::string> debugLines;
  std::vector<std::string> errorBoxes;
  int outOfMemoryCount = 0;
};

}  // namespace vh::platform
