// vormholt-cli palette default | dump
#include <memory>
#include <string>

#include "CliCommands.h"
#include "CliSupport.h"
#include "StageJson.h"
#include "stage/PaletteFile.h"

namespace vh::cli {

namespace {

using namespace vh::stage;

void WriteDefaultPalette(const std::string& out) {
  auto palette = std::make_unique<Palette>();
  BuildDefaultPalette(*palette);
  const SaveResult result = SavePaletteFile(out, *palette, DurableWrites());
  if (!result.ok) Fail(result.message);
}

void DumpPaletteFile(const std::string& in) {
  auto palette = std::make_unique<Palette>();
  const LoadResult result = LoadPaletteFile(in, *palette);
  if (result.status == LoadStatus::CannotOpen) Fail("cannot open " + in);
  if (!result.ok()) Fail(result.message);
  PrintLine(PaletteJson(*palette).dump(2));
}

}  // namespace

void RegisterPaletteCommands(CLI::App& app) {
  CLI::App* palette = app.add_subcommand("palette", "Palette files");
  palette->require_subcommand(1);

  auto out = std::make_shared<std::string>();
  CLI::App* make = palette->add_subcommand("default", "Write the built-in default palette");
  make->add_option("-o,--output", *out, "Palette file to write")->required();
  make->callback([out] { WriteDefaultPalette(*out); });

  auto in = std::make_shared<std::string>();
  CLI::App* dump = palette->add_subcommand("dump", "Print a palette file as JSON");
  dump->add_option("file", *in, "Palette file")->required();
  dump->callback([in] { DumpPaletteFile(*in); });
}

}  // namespace vh::cli
