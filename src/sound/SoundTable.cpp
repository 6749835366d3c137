#include "sound/SoundTable.h"

namespace vh::sound {

const std::array<SoundTableRow, kSoundGroupCount> kSoundTable = {{
    {"wave\\カーソル移動.wav", 1, 0},
    {"wave\\決定.wav", 1, 0},
    {"wave\\キャンセル.wav", 1, 0},
    {"wave\\エラー.wav", 1, 0},
    {"wave\\クリア.wav", 1, 0},
    {"wave\\カウント.wav", 1, 0},
    {"wave\\ソード.wav", 1, 0},
    {"wave\\ジャンプ.wav", 1, 0},
    {"wave\\悲鳴.wav", 1, 0},
    {"wave\\ダメージ.wav", 1, 0},
    {"wave\\死.wav", 1, 0},
    {"wave\\ショット.wav", 1, 0},
    {"wave\\火.wav", 1, 0},
    {"wave\\光.wav", 1, 0},
    {"wave\\風.wav", 1, 0},
    {"wave\\雷.wav", 1, 0},
    {"wave\\闇.wav", 1, 0},
    {"wave\\透明化.wav", 1, 0},
    {"wave\\雄叫び.wav", 1, 0},
    {"wave\\アップ.wav", 1, 0},
    {"wave\\アップ2.wav", 1, 0},
    {"wave\\ダウン.wav", 1, 0},
    {"wave\\ダウン2.wav", 1, 0},
    {"wave\\回復.wav", 1, 0},
    {"wave\\ジェム.wav", 1, 0},
    {"wave\\ジェム2.wav", 1, 0},
    {"wave\\スイッチ.wav", 1, 0},
    {"wave\\メッセージ.wav", 1, 0},
    {"wave\\装備.wav", 1, 0},
    {"wave\\装備2.wav", 1, 0},
    {"wave\\スクロール.wav", 1, 0},
}};

int ItemSoundId(int setting) {
  static constexpr std::array<int, 17> kItemSounds = {
      -1, kSoundClear, kSoundGem, kSoundGem2, kSoundSwitch, kSoundUp, kSoundUp2,
      kSoundDown, kSoundDown2, kSoundHeal, kSoundDamage, kSoundScroll, kSoundMessage,
      kSoundEquip, kSoundEquip2, kSoundWarCry, kSoundError};
  if (setting < 0 || setting >= static_cast<int>(kItemSounds.size())) return -1;
  return kItemSounds[setting];
}

}  // namespace vh::sound
