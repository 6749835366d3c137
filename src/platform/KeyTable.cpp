#include "platform/KeyTable.h"

#include <SDL2/SDL_keyboard.h>
#include <SDL2/SDL_scancode.h>

#include <cctype>

#include "platform/VirtualKeys.h"

namespace vh::platform::keys {
namespace {

static_assert(kScancodeCount == SDL_NUM_SCANCODES);

struct KeyEntry {
  int virtualKey;
  SDL_Scancode scancode;
};

// The side-neutral modifier entries come before the sided ones, so a key
// press reports VK_SHIFT / VK_CONTROL / VK_MENU as a key-down message does.
// Punctuation follows the US layout positions, as the scancodes do.
constexpr KeyEntry kTable[] = {
    {vk::kBack, SDL_SCANCODE_BACKSPACE},
    {vk::kTab, SDL_SCANCODE_TAB},
    {vk::kReturn, SDL_SCANCODE_RETURN},
    {vk::kReturn, SDL_SCANCODE_KP_ENTER},
    {vk::kShift, SDL_SCANCODE_LSHIFT},
    {vk::kShift, SDL_SCANCODE_RSHIFT},
    {vk::kControl, SDL_SCANCODE_LCTRL},
    {vk::kControl, SDL_SCANCODE_RCTRL},
    {vk::kMenu, SDL_SCANCODE_LALT},
    {vk::kMenu, SDL_SCANCODE_RALT},
    {vk::kPause, SDL_SCANCODE_PAUSE},
    {0x14, SDL_SCANCODE_CAPSLOCK},
    {0x1C, SDL_SCANCODE_INTERNATIONAL4},  // convert
    {0x1D, SDL_SCANCODE_INTERNATIONAL5},  // non-convert
    {vk::kEscape, SDL_SCANCODE_ESCAPE},
    {vk::kSpace, SDL_SCANCODE_SPACE},
    {vk::kPrior, SDL_SCANCODE_PAGEUP},
    {vk::kNext, SDL_SCANCODE_PAGEDOWN},
    {vk::kEnd, SDL_SCANCODE_END},
    {vk::kHome, SDL_SCANCODE_HOME},
    {vk::kLeft, SDL_SCANCODE_LEFT},
    {vk::kUp, SDL_SCANCODE_UP},
    {vk::kRight, SDL_SCANCODE_RIGHT},
    {vk::kDown, SDL_SCANCODE_DOWN},
    {0x2C, SDL_SCANCODE_PRINTSCREEN},
    {vk::kInsert, SDL_SCANCODE_INSERT},
    {vk::kDelete, SDL_SCANCODE_DELETE},
    {0x30, SDL_SCANCODE_0},
    {0x31, SDL_SCANCODE_1},
    {0x32, SDL_SCANCODE_2},
    {0x33, SDL_SCANCODE_3},
    {0x34, SDL_SCANCODE_4},
    {0x35, SDL_SCANCODE_5},
    {0x36, SDL_SCANCODE_6},
    {0x37, SDL_SCANCODE_7},
    {0x38, SDL_SCANCODE_8},
    {0x39, SDL_SCANCODE_9},
    {0x41, SDL_SCANCODE_A},
    {0x42, SDL_SCANCODE_B},
    {0x43, SDL_SCANCODE_C},
    {0x44, SDL_SCANCODE_D},
    {0x45, SDL_SCANCODE_E},
    {0x46, SDL_SCANCODE_F},
    {0x47, SDL_SCANCODE_G},
    {0x48, SDL_SCANCODE_H},
    {0x49, SDL_SCANCODE_I},
    {0x4A, SDL_SCANCODE_J},
    {0x4B, SDL_SCANCODE_K},
    {0x4C, SDL_SCANCODE_L},
    {0x4D, SDL_SCANCODE_M},
    {0x4E, SDL_SCANCODE_N},
    {0x4F, SDL_SCANCODE_O},
    {0x50, SDL_SCANCODE_P},
    {0x51, SDL_SCANCODE_Q},
    {0x52, SDL_SCANCODE_R},
    {0x53, SDL_SCANCODE_S},
    {0x54, SDL_SCANCODE_T},
    {0x55, SDL_SCANCODE_U},
    {0x56, SDL_SCANCODE_V},
    {0x57, SDL_SCANCODE_W},
    {0x58, SDL_SCANCODE_X},
    {0x59, SDL_SCANCODE_Y},
    {0x5A, SDL_SCANCODE_Z},
    {0x5B, SDL_SCANCODE_LGUI},
    {0x5C, SDL_SCANCODE_RGUI},
    {0x5D, SDL_SCANCODE_APPLICATION},
    {vk::kNumpad0 + 0, SDL_SCANCODE_KP_0},
    {vk::kNumpad0 + 1, SDL_SCANCODE_KP_1},
    {vk::kNumpad0 + 2, SDL_SCANCODE_KP_2},
    {vk::kNumpad0 + 3, SDL_SCANCODE_KP_3},
    {vk::kNumpad0 + 4, SDL_SCANCODE_KP_4},
    {vk::kNumpad0 + 5, SDL_SCANCODE_KP_5},
    {vk::kNumpad0 + 6, SDL_SCANCODE_KP_6},
    {vk::kNumpad0 + 7, SDL_SCANCODE_KP_7},
    {vk::kNumpad0 + 8, SDL_SCANCODE_KP_8},
    {vk::kNumpad0 + 9, SDL_SCANCODE_KP_9},
    {0x6A, SDL_SCANCODE_KP_MULTIPLY},
    {0x6B, SDL_SCANCODE_KP_PLUS},
    {0x6D, SDL_SCANCODE_KP_MINUS},
    {0x6E, SDL_SCANCODE_KP_PERIOD},
    {0x6F, SDL_SCANCODE_KP_DIVIDE},
    {vk::kF1 + 0, SDL_SCANCODE_F1},
    {vk::kF1 + 1, SDL_SCANCODE_F2},
    {vk::kF1 + 2, SDL_SCANCODE_F3},
    {vk::kF1 + 3, SDL_SCANCODE_F4},
    {vk::kF1 + 4, SDL_SCANCODE_F5},
    {vk::kF1 + 5, SDL_SCANCODE_F6},
    {vk::kF1 + 6, SDL_SCANCODE_F7},
    {vk::kF1 + 7, SDL_SCANCODE_F8},
    {vk::kF1 + 8, SDL_SCANCODE_F9},
    {vk::kF1 + 9, SDL_SCANCODE_F10},
    {vk::kF1 + 10, SDL_SCANCODE_F11},
    {vk::kF1 + 11, SDL_SCANCODE_F12},
    {vk::kF1 + 12, SDL_SCANCODE_F13},
    {vk::kF1 + 13, SDL_SCANCODE_F14},
    {vk::kF1 + 14, SDL_SCANCODE_F15},
    {vk::kF1 + 15, SDL_SCANCODE_F16},
    {vk::kF1 + 16, SDL_SCANCODE_F17},
    {vk::kF1 + 17, SDL_SCANCODE_F18},
    {vk::kF1 + 18, SDL_SCANCODE_F19},
    {vk::kF1 + 19, SDL_SCANCODE_F20},
    {vk::kF1 + 20, SDL_SCANCODE_F21},
    {vk::kF1 + 21, SDL_SCANCODE_F22},
    {vk::kF1 + 22, SDL_SCANCODE_F23},
    {vk::kF1 + 23, SDL_SCANCODE_F24},
    {0x90, SDL_SCANCODE_NUMLOCKCLEAR},
    {0x91, SDL_SCANCODE_SCROLLLOCK},
    {vk::kLShift, SDL_SCANCODE_LSHIFT},
    {vk::kRShift, SDL_SCANCODE_RSHIFT},
    {vk::kLControl, SDL_SCANCODE_LCTRL},
    {vk::kRControl, SDL_SCANCODE_RCTRL},
    {vk::kLMenu, SDL_SCANCODE_LALT},
    {vk::kRMenu, SDL_SCANCODE_RALT},
    {0xBA, SDL_SCANCODE_SEMICOLON},
    {0xBB, SDL_SCANCODE_EQUALS},
    {0xBC, SDL_SCANCODE_COMMA},
    {0xBD, SDL_SCANCODE_MINUS},
    {0xBE, SDL_SCANCODE_PERIOD},
    {0xBF, SDL_SCANCODE_SLASH},
    {0xC0, SDL_SCANCODE_GRAVE},
    {0xDB, SDL_SCANCODE_LEFTBRACKET},
    {0xDC, SDL_SCANCODE_BACKSLASH},
    {0xDC, SDL_SCANCODE_INTERNATIONAL3},  // yen key
    {0xDD, SDL_SCANCODE_RIGHTBRACKET},
    {0xDE, SDL_SCANCODE_APOSTROPHE},
    {0xE2, SDL_SCANCODE_NONUSBACKSLASH},
    {0xE2, SDL_SCANCODE_INTERNATIONAL1},  // ro key
};

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace

bool IsVirtualKeyDown(std::span<const uint8_t> keyState, int virtualKey) {
  for (const KeyEntry& e : kTable) {
    if (e.virtualKey == virtualKey && static_cast<std::size_t>(e.scancode) < keyState.size() &&
        keyState[e.scancode] != 0)
      return true;
  }
  return false;
}

int VirtualKeyOfScancode(int scancode) {
  for (const KeyEntry& e : kTable) {
    if (e.scancode == scancode) return e.virtualKey;
  }
  return 0;
}

ScancodeList ScancodesOf(int virtualKey) {
  ScancodeList list;
  for (const KeyEntry& e : kTable) {
    if (e.virtualKey == virtualKey && list.count < 2) list.codes[list.count++] = e.scancode;
  }
  return list;
}

std::string ScancodeName(int scancode) {
  if (scancode <= SDL_SCANCODE_UNKNOWN || scancode >= SDL_NUM_SCANCODES) return {};
  return SDL_GetScancodeName(static_cast<SDL_Scancode>(scancode));
}

int MatchKeyName(std::string_view text, std::size_t& length) {
  int best = 0;
  std::size_t bestLength = 0;
  for (const KeyEntry& e : kTable) {
    const std::string_view name = SDL_GetScancodeName(e.scancode);
    if (name.empty() || name.size() <= bestLength || name.size() > text.size()) continue;
    const bool endsAtWord = name.size() == text.size() || text[name.size()] == ' ';
    if (endsAtWord && EqualsIgnoreCase(text.substr(0, name.size()), name)) {
      best = e.scancode;
      bestLength = name.size();
    }
  }
  length = bestLength;
  return best;
}

}  // namespace vh::platform::keys
