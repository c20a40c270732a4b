// System metrics, the work area, string and icon resources, and the common
// controls' initialisation.
#include <algorithm>
#include <cstring>

#include "platform/api/commctrl_functions.h"
#include "platform/desktop/frame_metrics.h"
#include "platform/desktop/gdi_internal.h"
#include "platform/desktop/icon_file.h"
#include "platform/desktop/state.h"

using desktop::Current;

int WINAPI GetSystemMetrics(int index) {
  const desktop::State& s = Current();
  switch (index) {
    case SM_CXSCREEN: return s.screenWidth;
    case SM_CYSCREEN: return s.screenHeight;
    case SM_CYCAPTION: return s.captionHeight;
    case SM_CXSIZE: return desktop::kCaptionButtonWidth;
    case SM_CYSIZE: return desktop::kCaptionButtonHeight;
    case SM_CXBORDER:
    case SM_CYBORDER: return desktop::kBorder;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return desktop::kDialogFrame;
    case SM_CXFRAME:
    case SM_CYFRAME: return desktop::kSizingFrame;
    case SM_CXPADDEDBORDER: return desktop::kPaddedBorder;
    case SM_CXICON:
    case SM_CYICON: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    default: return 0;
  }
}

BOOL WINAPI SystemParametersInfoA(UINT action, UINT, PVOID data, UINT) {
  if (action == SPI_GETWORKAREA && data) {
    *static_cast<RECT*>(data) = Current().workArea;
    return TRUE;
  }
  if (action == SPI_GETMOUSEHOVERTIME && data) {
    *static_cast<UINT*>(data) = desktop::kMouseHoverTime;
    return TRUE;
  }
  desktop::SetError(ERROR_INVALID_PARAMETER);
  return FALSE;
}

int WINAPI LoadStringA(HINSTANCE, UINT id, LPSTR buffer, int size) {
  const desktop::ResourceSet* resources = Current().resources;
  const desktop::StringResource* found = resources ? resources->FindString(id) : nullptr;
  if (size <= 0 || !buffer) return 0;
  buffer[0] = '\0';
  if (!found) {
    desktop::SetError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return 0;
  }
  std::size_t n = std::min<std::size_t>(found->text.size(), static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, found->text.data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}

namespace {

constexpr ULONG_PTR kIconHandleBase = 0x7F0000;

const desktop::FileResource* IconResource(ULONG_PTR id) {
  const desktop::ResourceSet* resources = Current().resources;
  if (!resources || id > 0xFFFF) return nullptr;
  for (const desktop::FileResource& icon : resources->icons) {
    if (icon.id == id) return &icon;
  }
  return nullptr;
}

// A malformed icon file loads as nothing.
HICON IconFor(ULONG_PTR id) {
  const desktop::FileResource* icon = IconResource(id);
  if (icon && desktop::ReadIconFile(icon->bytes)) {
    return reinterpret_cast<HICON>(kIconHandleBase + id * 4);
  }
  desktop::SetError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return nullptr;
}

}  // namespace

// Icons loaded from resources are shared by the system and never need
// destroying; the handle names the resource.
HICON WINAPI LoadIconA(HINSTANCE, LPCSTR name) {
  return IS_INTRESOURCE(name) ? IconFor(reinterpret_cast<ULONG_PTR>(name)) : nullptr;
}

HICON WINAPI LoadIconW(HINSTANCE, LPCWSTR name) {
  return IS_INTRESOURCE(name) ? IconFor(reinterpret_cast<ULONG_PTR>(name)) : nullptr;
}

BOOL WINAPI DestroyIcon(HICON) { return TRUE; }

namespace desktop {

std::string_view IconBytesOf(HICON icon) {
  auto value = reinterpret_cast<ULONG_PTR>(icon);
  if (value < kIconHandleBase || (value - kIconHandleBase) % 4 != 0) return {};
  const FileResource* resource = IconResource((value - kIconHandleBase) / 4);
  return resource ? resource->bytes : std::string_view{};
}

}  // namespace desktop

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
  if (!init || init->dwSize != sizeof(INITCOMMONCONTROLSEX)) return FALSE;
  Current().commonControlsReady = true;
  return TRUE;
}
