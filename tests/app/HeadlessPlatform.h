// The headless back end the in-process application tests run on.
#pragma once

#include <memory>
#include <string>

#include "platform/Platform.h"

namespace vh::app {

inline std::unique_ptr<platform::Platform> HeadlessPlatform() {
  platform::PlatformOptions options;
  options.kind = platform::BackendKind::Headless;
  std::string error;
  return platform::CreatePlatform(options, error);
}

}  // namespace vh::app
