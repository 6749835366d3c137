// vormholt: the game and its stage editor.
#include "app/App.h"
#include "app/CommandLine.h"

int main(int argc, char** argv) {
  int exitCode = 0;
  auto options = vh::app::ParseCommandLine(argc, argv, exitCode);
  if (!options) return exitCode;
  vh::app::App app(std::move(*options));
  return app.Run();
}
