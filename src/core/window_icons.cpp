#include "core/window_icons.h"

namespace core {

namespace {

HWND TopOwner(HWND hwnd) {
  HWND top = hwnd;
  while (HWND owner = GetWindow(top, GW_OWNER)) top = owner;
  return top;
}

void SendIcon(HWND hwnd, HWND topOwner, const std::string& iconName, WPARAM which, int cx, int cy) {
  HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), iconName.c_str(), IMAGE_ICON, cx, cy, LR_SHARED);
  if (topOwner) SendMessageA(topOwner, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
  SendMessageA(hwnd, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}

}  // namespace

void SetWindowIcons(HWND hwnd, const std::string& iconName, bool alsoTopOwner) {
  HWND topOwner = alsoTopOwner ? TopOwner(hwnd) : nullptr;
  SendIcon(hwnd, topOwner, iconName, ICON_BIG, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
  SendIcon(hwnd, topOwner, iconName, ICON_SMALL, GetSystemMetrics(SM_CXSMICON),
           GetSystemMetrics(SM_CYSMICON));
}

}  // namespace core
