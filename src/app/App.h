// The application: owns every subsystem's context, starts them in their fixed
// order, runs the main loop and shuts them down in reverse.
#pragma once

#include <memory>
#include <optional>

#include "app/AppState.h"
#include "app/CommandLine.h"

namespace vh::app {

class App {
 public:
  explicit App(AppOptions options);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // Runs the program; returns the process exit code.
  int Run();

 private:
  int MainLoop();

  std::unique_ptr<AppState> state_;
};

}  // namespace vh::app
