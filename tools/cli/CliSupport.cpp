#include "CliSupport.h"

#include <CLI/CLI.hpp>
#include <cstdio>

#include "platform/FileSync.h"

namespace vh::cli {

void Fail(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  throw CLI::RuntimeError(1);
}

stage::WriteOptions DurableWrites() { return {platform::SyncFileToDisk}; }

void PrintLine(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
}

}  // namespace vh::cli
