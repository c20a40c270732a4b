#include "tools/sim/window_names.h"

#include "platform/desktop/dialog_units.h"
#include "platform/desktop/state.h"
#include "platform/win32api.h"

namespace sim {
namespace {

struct NamedTemplate {
  const char* name;
  WORD templateId;
};
constexpr NamedTemplate kNamedWindows[] = {
    {"launcher", 102},
    {"game", 130},
    {"about", 100},
};

WORD TemplateOf(HWND hwnd) {
  const desktop::DialogState* dialog = desktop::DialogOf(hwnd);
  return dialog ? dialog->templateId : 0;
}

}  // namespace

std::optional<WORD> TemplateOfWindow(const std::string& name) {
  for (const NamedTemplate& named : kNamedWindows) {
    if (name == named.name) return named.templateId;
  }
  return std::nullopt;
}

HWND FindNamedWindow(const std::string& name) {
  std::optional<WORD> id = TemplateOfWindow(name);
  if (!id) return nullptr;
  for (HWND top : desktop::Current().topLevels) {
    const desktop::Window* w = desktop::Current().Find(top);
    if (w && !w->destroying && TemplateOf(top) == *id) return top;
  }
  return nullptr;
}

std::string NameOfWindow(HWND hwnd) {
  HWND top = hwnd ? desktop::TopLevelOf(hwnd) : nullptr;
  WORD id = top ? TemplateOf(top) : 0;
  for (const NamedTemplate& named : kNamedWindows) {
    if (id != 0 && id == named.templateId) return named.name;
  }
  return {};
}

std::string ShowStateOf(HWND hwnd) {
  if (!IsWindowVisible(hwnd)) return "hidden";
  if (IsIconic(hwnd)) return "minimized";
  if (IsZoomed(hwnd)) return "maximized";
  return "normal";
}

}  // namespace sim
