// Texts the stage data layer hands to its callers for message boxes (UTF-8).
#pragma once

#include <string>
#include <string_view>

namespace vh::stage {

inline constexpr std::string_view kResizeOutOfMemoryMessage =
    "メモリ不足により、サイズの変更に失敗しました！";
inline constexpr std::string_view kLoadOutOfMemoryMessage =
    "メモリ不足により、ファイルの読み込みに失敗しました！";

// "デフォルトパレット「<path>」が見つかりませんでした！"
std::string DefaultPaletteMissingMessage(std::string_view pathUtf8);
// A file that is not a valid file of its kind; detail says what is wrong.
std::string DamagedFileMessage(std::string_view pathUtf8, std::string_view detail);
// A file that could not be written; the previous file and the data in memory
// are unchanged.
std::string SaveFailedMessage(std::string_view pathUtf8, std::string_view detail);

}  // namespace vh::stage
