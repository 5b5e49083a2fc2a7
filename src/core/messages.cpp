#include "core/messages.h"

#include "core/globals.h"
#include "ui/prompts.h"

namespace core {

std::string MessageTitle() { return gAppTitle.empty() ? std::string(kFixedTitle) : gAppTitle; }

int ShowMessage(const std::string& text, UINT buttons, HWND owner) {
  return ui::MsgBox(text, buttons, MessageTitle(), owner);
}

}  // namespace core
