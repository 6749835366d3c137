// Routes the drawing and sound layers' lines to Report.txt, the debug log and
// message boxes.
#pragma once

#include "app/messages/Messages.h"
#include "app/report/ReportLog.h"
#include "platform/Diagnostics.h"

namespace vh::app {

class AppDiagnostics : public platform::Diagnostics {
 public:
  AppDiagnostics(ReportLog& report, Messages& messages) : report_(report), messages_(messages) {}

  void Report(std::string_view line) override { report_.ReportPrintf(line); }
  void ReportError(std::string_view line) override { report_.ReportError(line); }
  void DebugLog(std::string_view line) override { report_.DebugLogLine(line); }
  void ErrorBox(std::string_view text) override { messages_.ErrorBox(text); }
  void OutOfMemory() override { messages_.OutOfMemory(); }

 private:
  ReportLog& report_;
  Messages& messages_;
};

}  // namespace vh::app
