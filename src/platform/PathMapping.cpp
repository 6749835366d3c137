#include "platform/PathMapping.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>
#include <vector>

#include "platform/TextEncoding.h"

namespace vh::platform {
namespace {

namespace fs = std::filesystem;

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// The entry of `dir` whose name equals `name` apart from letter case; the
// alphabetically first one when several do, so the choice never depends on
// directory order. Empty when there is none.
std::string FindIgnoringCase(const fs::path& dir, std::string_view name) {
  std::vector<std::string> matches;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::string entry = it->path().filename().string();
    if (EqualsIgnoreAsciiCase(entry, name)) matches.push_back(std::move(entry));
  }
  if (matches.empty()) return {};
  return *std::min_element(matches.begin(), matches.end());
}

// Splits on '/' and drops empty components.
std::vector<std::string> Components(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

}  // namespace

fs::path MapPath(const fs::path& root, std::string_view windowsPathSjis) {
  // Convert first: the second byte of a Shift-JIS character may be 0x5C ('\').
  std::string utf8 = ShiftJisToUtf8(windowsPathSjis);
  std::replace(utf8.begin(), utf8.end(), '\\', '/');

  fs::path result = (!utf8.empty() && utf8.front() == '/') ? fs::path("/") : root;
  bool lookUp = true;  // false once a component is missing: nothing below it exists
  for (const std::string& part : Components(utf8)) {
    std::error_code ec;
    fs::path exact = result / part;
    if (lookUp && part != "." && part != ".." && !fs::exists(exact, ec)) {
      const std::string found = FindIgnoringCase(result.empty() ? fs::path(".") : result, part);
      if (found.empty()) {
        lookUp = false;
      } else {
        exact = result / found;
      }
    }
    result = std::move(exact);
  }
  return result;
}

}  // namespace vh::platform
