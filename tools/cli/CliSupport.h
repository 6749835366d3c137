// Small helpers shared by the command groups.
#pragma once

#include <string>
#include <string_view>

#include "stage/FileIo.h"

namespace vh::cli {

// Prints the message to stderr and ends the command with exit code 1.
[[noreturn]] void Fail(const std::string& message);

// Writes text to stdout followed by a newline.
void PrintLine(std::string_view text);

// Saves reach the disk before they replace the previous file.
stage::WriteOptions DurableWrites();

}  // namespace vh::cli
