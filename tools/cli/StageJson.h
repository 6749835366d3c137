// JSON views of stages and palettes for `stage dump` and `palette dump`.
// Fields carry their names from the records; texts are converted from
// Shift-JIS to UTF-8.
#pragma once

#include <nlohmann/json.hpp>

#include "stage/Palette.h"
#include "stage/StageFile.h"

namespace vh::cli {

using Json = nlohmann::ordered_json;

Json SettingsJson(const stage::StageSettings& settings);
Json PaletteJson(const stage::Palette& palette);
Json LoadedStageJson(const stage::LoadedStage& loaded);

}  // namespace vh::cli
