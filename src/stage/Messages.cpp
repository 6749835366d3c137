#include "stage/Messages.h"

namespace vh::stage {

std::string DefaultPaletteMissingMessage(std::string_view pathUtf8) {
  std::string text = "デフォルトパレット「";
  text += pathUtf8;
  text += "」が見つかりませんでした！";
  return text;
}

std::string DamagedFileMessage(std::string_view pathUtf8, std::string_view detail) {
  std::string text = "ファイル「";
  text += pathUtf8;
  text += "」は壊れているため、読み込めませんでした！\n(";
  text += detail;
  text += ")";
  return text;
}

std::string SaveFailedMessage(std::string_view pathUtf8, std::string_view detail) {
  std::string text = "ファイル「";
  text += pathUtf8;
  text += "」に保存できませんでした！\n編集中のデータはそのまま残っています。\n(";
  text += detail;
  text += ")";
  return text;
}

}  // namespace vh::stage
