// vormholt-cli stage new | dump | convert
#include <limits>
#include <memory>
#include <string>

#include "CliCommands.h"
#include "CliSupport.h"
#include "StageJson.h"
#include "stage/Messages.h"
#include "stage/StageFile.h"

namespace vh::cli {

namespace {

using namespace vh::stage;

struct NewOptions {
  int width = kMinWidthChips;
  int height = kMinHeightChips;
  std::string out;
};

struct ReadOptions {
  std::string in;
  std::string out;
  std::string root = ".";
};

void CheckSave(const SaveResult& result) {
  if (!result.ok) Fail(result.message);
}

std::unique_ptr<LoadedStage> LoadOrFail(const ReadOptions& options) {
  auto loaded = std::make_unique<LoadedStage>();
  StageLoadRequest request;
  request.path = options.in;
  request.data.root = options.root;
  const LoadResult result = LoadStageFile(request, *loaded);
  if (result.status == LoadStatus::CannotOpen) Fail("cannot open " + options.in);
  if (!result.ok()) Fail(result.message);
  if (result.missingDefaultPalette)
    std::fprintf(stderr, "%s\n", DefaultPaletteMissingMessage(*result.missingDefaultPalette).c_str());
  return loaded;
}

void NewStageFile(const NewOptions& options) {
  auto palette = std::make_unique<Palette>();
  BuildDefaultPalette(*palette);
  Stage stage;
  NewStage(stage, *palette);
  constexpr uint64_t kNoLimit = std::numeric_limits<uint64_t>::max();
  if (!ResizeStageWidth(stage, *palette, options.width, kNoLimit).ok)
    Fail("width must be 32, 64, 128, 256 or 512");
  if (!ResizeStageHeight(stage, *palette, options.height, kNoLimit).ok) Fail("height must be 15..512");
  CheckSave(SaveStageFile(options.out, stage, *palette, nullptr, DurableWrites()));
}

void DumpStageFile(const ReadOptions& options) {
  PrintLine(LoadedStageJson(*LoadOrFail(options)).dump(2));
}

void ConvertStageFile(const ReadOptions& options) {
  const auto loaded = LoadOrFail(options);
  const std::vector<int32_t>* log = loaded->inputLog ? &*loaded->inputLog : nullptr;
  CheckSave(SaveStageFile(options.out, loaded->stage, loaded->palette, log, DurableWrites()));
}

}  // namespace

void RegisterStageCommands(CLI::App& app) {
  CLI::App* stage = app.add_subcommand("stage", "Stage and replay files");
  stage->require_subcommand(1);

  auto newOptions = std::make_shared<NewOptions>();
  CLI::App* make = stage->add_subcommand("new", "Write a new stage with the default palette");
  make->add_option("--width", newOptions->width, "Width in chips: 32, 64, 128, 256 or 512");
  make->add_option("--height", newOptions->height, "Height in chips: 15..512");
  make->add_option("-o,--output", newOptions->out, "Stage file to write")->required();
  make->callback([newOptions] { NewStageFile(*newOptions); });

  auto dumpOptions = std::make_shared<ReadOptions>();
  CLI::App* dump = stage->add_subcommand("dump", "Print a stage or replay file as JSON");
  dump->add_option("file", dumpOptions->in, "Stage or replay file (older files are converted)")->required();
  dump->add_option("--root", dumpOptions->root, "Data folder whose editor palette converts older files");
  dump->callback([dumpOptions] { DumpStageFile(*dumpOptions); });

  auto convertOptions = std::make_shared<ReadOptions>();
  CLI::App* convert = stage->add_subcommand("convert", "Rewrite any stage or replay file in the current format");
  convert->add_option("file", convertOptions->in, "Stage or replay file")->required();
  convert->add_option("-o,--output", convertOptions->out, "File to write")->required();
  convert->add_option("--root", convertOptions->root, "Data folder whose editor palette converts older files");
  convert->callback([convertOptions] { ConvertStageFile(*convertOptions); });
}

}  // namespace vh::cli
