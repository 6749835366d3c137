#include <iostream>

#include "platform/Platform.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/headless/InputScript.h"
#include "platform/sdl/SdlPlatform.h"

namespace vh::platform {

std::unique_ptr<Platform> CreatePlatform(const PlatformOptions& options, std::string& error) {
  if (options.kind == BackendKind::Sdl) return SdlPlatform::Create(error);

  InputScript script;
  if (!options.scriptPath.empty() && !LoadInputScript(options.scriptPath, script, error))
    return nullptr;
  return std::make_unique<HeadlessPlatform>(std::move(script), std::cerr);
}

}  // namespace vh::platform
