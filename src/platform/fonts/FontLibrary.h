// The font rasteriser and the system's font lookup. Faces opened from a
// library keep what they need alive, so they may outlive it.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/fonts/FontFace.h"

namespace vh::platform {

struct FaceLocation {
  std::string file;
  int index = 0;  // face index inside a collection file
};

class FontLibrary {
 public:
  // Null with a reason in `error` when the rasteriser cannot start.
  static std::unique_ptr<FontLibrary> Create(std::string& error);
  virtual ~FontLibrary() = default;

  // A Japanese gothic face (kana, kanji and full-width forms), preferring a
  // monospaced one, as the system's font configuration chooses it; nullopt
  // when the machine has none.
  virtual std::optional<FaceLocation> FindJapaneseGothic() const = 0;

  virtual std::unique_ptr<FontFace> OpenFace(const FaceLocation& location, int pixelSize,
                                             GlyphRendering rendering, std::string& error) = 0;
};

// Convenience: the Japanese gothic face at a pixel size, or null with a reason.
std::unique_ptr<FontFace> OpenJapaneseGothic(FontLibrary& library, int pixelSize,
                                             GlyphRendering rendering, std::string& error);

}  // namespace vh::platform
