#include "platform/fonts/FontLibrary.h"

#include <fontconfig/fontconfig.h>

#include <array>
#include <filesystem>

#include "platform/fonts/TtfFontFace.h"

namespace vh::platform {
namespace {

// Where Debian's IPA Gothic lives, used when the font configuration cannot
// be read at all.
constexpr const char* kFallbackFace = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf";

// Kana of both scripts, a kanji and a full-width digit: a face without them
// cannot draw the game's texts.
constexpr std::array<FcChar32, 4> kRequiredChars = {0x3042, 0x30A2, 0x6F22, 0xFF10};

// Tried in order; the first match that covers Japanese wins. The monospaced
// IPA face comes first because the game lays text out in fixed cells.
constexpr std::array<const char*, 3> kPatterns = {"IPAGothic", "monospace:lang=ja",
                                                  "sans-serif:lang=ja"};

class FcConfigHandle {
 public:
  FcConfigHandle() : config_(FcInitLoadConfigAndFonts()) {}
  ~FcConfigHandle() {
    if (config_ != nullptr) FcConfigDestroy(config_);
  }
  FcConfigHandle(const FcConfigHandle&) = delete;
  FcConfigHandle& operator=(const FcConfigHandle&) = delete;
  FcConfig* get() const { return config_; }

 private:
  FcConfig* config_;
};

bool CoversJapanese(FcPattern* match) {
  FcCharSet* charset = nullptr;
  if (FcPatternGetCharSet(match, FC_CHARSET, 0, &charset) != FcResultMatch) return false;
  for (FcChar32 c : kRequiredChars) {
    if (!FcCharSetHasChar(charset, c)) return false;
  }
  return true;
}

std::optional<FaceLocation> Match(FcConfig* config, const char* patternText) {
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(patternText));
  if (pattern == nullptr) return std::nullopt;
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config, pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return std::nullopt;
  std::optional<FaceLocation> found;
  FcChar8* file = nullptr;
  int index = 0;
  if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && CoversJapanese(match)) {
    if (FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
    found = FaceLocation{reinterpret_cast<const char*>(file), index};
  }
  FcPatternDestroy(match);
  return found;
}

class TtfFontLibrary final : public FontLibrary {
 public:
  explicit TtfFontLibrary(std::shared_ptr<TtfSession> session) : session_(std::move(session)) {}

  std::optional<FaceLocation> FindJapaneseGothic() const override {
    FcConfigHandle config;
    if (config.get() != nullptr) {
      for (const char* pattern : kPatterns) {
        if (auto found = Match(config.get(), pattern)) return found;
      }
    }
    std::error_code ec;
    if (std::filesystem::is_regular_file(kFallbackFace, ec)) return FaceLocation{kFallbackFace, 0};
    return std::nullopt;
  }

  std::unique_ptr<FontFace> OpenFace(const FaceLocation& location, int pixelSize,
                                     GlyphRendering rendering, std::string& error) override {
    if (pixelSize < 1 || pixelSize > 1024) {
      error = "font size out of range: " + std::to_string(pixelSize);
      return nullptr;
    }
    TTF_Font* font = TTF_OpenFontIndex(location.file.c_str(), pixelSize, location.index);
    if (font == nullptr) {
      error = "cannot open font " + location.file + ": " + TTF_GetError();
      return nullptr;
    }
    return std::make_unique<TtfFontFace>(session_, font, pixelSize, rendering);
  }

 private:
  std::shared_ptr<TtfSession> session_;
};

}  // namespace

std::unique_ptr<FontLibrary> FontLibrary::Create(std::string& error) {
  auto session = TtfSession::Start(error);
  if (!session) return nullptr;
  return std::make_unique<TtfFontLibrary>(std::move(session));
}

std::unique_ptr<FontFace> OpenJapaneseGothic(FontLibrary& library, int pixelSize,
                                             GlyphRendering rendering, std::string& error) {
  const auto location = library.FindJapaneseGothic();
  if (!location) {
    error = "no Japanese gothic font found (install fonts-ipafont-gothic)";
    return nullptr;
  }
  return library.OpenFace(*location, pixelSize, rendering, error);
}

}  // namespace vh::platform
