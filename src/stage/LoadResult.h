// What a load of a stage, replay or palette file came to. Loads never change
// the current data unless they succeed.
#pragma once

#include <optional>
#include <string>

namespace vh::stage {

enum class LoadStatus {
  Loaded,
  CannotOpen,   // missing or unreadable: the caller decides, nothing is shown
  Damaged,      // not a valid file of its kind: message explains
  OutOfMemory,  // message, and the main window is to be closed
  TimedOut,     // the loading worker did not finish within 10 seconds
  Interrupted,  // the wait ended on a quit request
  Failed,       // the worker could not be started
};

struct LoadResult {
  LoadStatus status = LoadStatus::Loaded;
  std::string message;       // UTF-8 for a message box; empty when nothing is to be shown
  bool closeWindow = false;  // the main window is to be asked to close
  // Set when converting an older file could not read the editor's default
  // palette and used the built-in one: that palette's path (Shift-JIS) for
  // DefaultPaletteMissingMessage.
  std::optional<std::string> missingDefaultPalette;

  bool ok() const { return status == LoadStatus::Loaded; }
};

inline LoadResult LoadFailure(LoadStatus status, std::string message = {}, bool closeWindow = false) {
  LoadResult result;
  result.status = status;
  result.message = std::move(message);
  result.closeWindow = closeWindow;
  return result;
}

}  // namespace vh::stage
