#include "app/program_icon.h"

#include <initializer_list>

namespace plimsett::app {
namespace {

HICON largeIcon = nullptr;
HICON smallIcon = nullptr;

}  // namespace

HICON ProgramIcon(bool large) {
  HICON& icon = large ? largeIcon : smallIcon;
  if (icon == nullptr) {
    const int size = large ? 32 : 16;
    icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), L"DEFAULT_ICON", IMAGE_ICON, size, size, 0));
  }
  return icon;
}

void DestroyProgramIcons() {
  for (HICON* icon : {&largeIcon, &smallIcon}) {
    if (*icon != nullptr) DestroyIcon(*icon);
    *icon = nullptr;
  }
}

}  // namespace plimsett::app
