// Command groups of vormholt-cli. A group adds one subcommand (with its own
// subcommands) to the application; main.cpp lists every group once.
#pragma once

#include <CLI/CLI.hpp>

namespace vh::cli {

using RegisterCommands = void (*)(CLI::App& app);

void RegisterStageCommands(CLI::App& app);    // stage new | dump | convert
void RegisterPaletteCommands(CLI::App& app);  // palette default | dump
void RegisterBitmapCommands(CLI::App& app);   // bitmap FILE --depth 8|16|32 -o OUT.png
void RegisterTextCommands(CLI::App& app);     // text --font 10|16|32|debug|system TEXT -o OUT.png

}  // namespace vh::cli
