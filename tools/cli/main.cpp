// vormholt-cli: inspect, convert and make the system's files without a window.
#include <CLI/CLI.hpp>

#include "CliCommands.h"

int main(int argc, char** argv) {
  CLI::App app{"Vormholt+ command-line tools"};
  app.require_subcommand(1);
  const vh::cli::RegisterCommands groups[] = {
      vh::cli::RegisterStageCommands,
      vh::cli::RegisterPaletteCommands,
      vh::cli::RegisterBitmapCommands,
      vh::cli::RegisterTextCommands,
  };
  for (const auto add : groups) add(app);
  CLI11_PARSE(app, argc, argv);
  return 0;
}
