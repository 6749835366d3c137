#include "platform/headless/InputScript.h"

#include <charconv>
#include <fstream>
#include <sstream>

#include "platform/KeyTable.h"

namespace vh::platform {
namespace {

// The line without its comment, blanks collapsed to single spaces.
std::string Normalise(std::string_view line) {
  line = line.substr(0, line.find('#'));
  std::string out;
  bool blank = false;
  for (char c : line) {
    if (c == ' ' || c == '\t' || c == '\r') {
      blank = !out.empty();
      continue;
    }
    if (blank) out.push_back(' ');
    blank = false;
    out.push_back(c);
  }
  return out;
}

std::string_view NextWord(std::string_view& rest) {
  const auto end = rest.find(' ');
  std::string_view word = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  return word;
}

template <typename T>
bool ParseNumber(std::string_view word, T& value) {
  const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  return ec == std::errc() && ptr == word.data() + word.size();
}

bool EqualsWord(std::string_view word, std::string_view expected) {
  if (word.size() != expected.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if ((word[i] | 0x20) != expected[i]) return false;
  }
  return true;
}

bool ParseMouse(std::string_view rest, MouseReading& mouse, std::string& error) {
  if (!ParseNumber(NextWord(rest), mouse.x) || !ParseNumber(NextWord(rest), mouse.y)) {
    error = "mouse needs X and Y";
    return false;
  }
  if (mouse.x < 0 || mouse.x >= kPictureWidth || mouse.y < 0 || mouse.y >= kPictureHeight) {
    error = "mouse position outside the 640 x 480 picture";
    return false;
  }
  while (!rest.empty()) {
    const std::string_view word = NextWord(rest);
    if (EqualsWord(word, "left")) {
      mouse.left = true;
    } else if (EqualsWord(word, "right")) {
      mouse.right = true;
    } else {
      error = "unknown mouse button '" + std::string(word) + "'";
      return false;
    }
  }
  return true;
}

bool ParseKeys(std::string_view rest, std::vector<int>& scancodes, std::string& error) {
  while (!rest.empty()) {
    std::size_t length = 0;
    const int scancode = keys::MatchKeyName(rest, length);
    if (scancode == 0) {
      error = "unknown key '" + std::string(NextWord(rest)) + "'";
      return false;
    }
    scancodes.push_back(scancode);
    rest = rest.substr(length);
    if (!rest.empty()) rest.remove_prefix(1);
  }
  return true;
}

bool ParseLine(std::string_view line, uint64_t lastFrame, ScriptChange& change,
               std::string& error) {
  if (!ParseNumber(NextWord(line), change.frame)) {
    error = "expected a frame number";
    return false;
  }
  if (change.frame < lastFrame) {
    error = "frame " + std::to_string(change.frame) + " comes after frame " +
            std::to_string(lastFrame);
    return false;
  }
  std::string_view rest = line;
  if (EqualsWord(NextWord(rest), "mouse")) {
    change.kind = ScriptChange::Kind::Mouse;
    return ParseMouse(rest, change.mouse, error);
  }
  change.kind = ScriptChange::Kind::Keys;
  return ParseKeys(line, change.scancodes, error);
}

}  // namespace

bool ParseInputScript(std::string_view text, InputScript& script, std::string& error) {
  // Editors on some systems start a UTF-8 file with a byte-order mark.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  InputScript parsed;
  uint64_t lastFrame = 0;
  int lineNumber = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    ++lineNumber;
    const std::string line = Normalise(text.substr(start, end - start));
    start = end + 1;
    if (line.empty()) continue;
    ScriptChange change;
    std::string reason;
    if (!ParseLine(line, lastFrame, change, reason)) {
      error = "line " + std::to_string(lineNumber) + ": " + reason;
      return false;
    }
    lastFrame = change.frame;
    parsed.changes.push_back(std::move(change));
  }
  script = std::move(parsed);
  return true;
}

bool LoadInputScript(const std::filesystem::path& file, InputScript& script, std::string& error) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    error = "cannot open input script " + file.string();
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  if (!ParseInputScript(text.str(), script, error)) {
    error = file.string() + ": " + error;
    return false;
  }
  return true;
}

}  // namespace vh::platform
