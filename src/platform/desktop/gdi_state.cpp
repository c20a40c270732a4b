#include "platform/desktop/gdi_state.h"

#include <algorithm>
#include <cstring>

namespace desktop {

namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;

LOGFONTA StockFont(const char* face, LONG height, LONG weight) {
  LOGFONTA lf{};
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfCharSet = DEFAULT_CHARSET;
  std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  return lf;
}

}  // namespace

std::uint32_t Monochrome(std::uint32_t word) {
  int sum = static_cast<int>((word & 0xFF) + ((word >> 8) & 0xFF) + ((word >> 16) & 0xFF));
  return sum > 3 * 127 ? kWhite : 0;
}

void Bitmap::Put(int x, int y, std::uint32_t word) {
  Row(y)[x] = bitsPerPixel == 1 ? Monochrome(word) : word;
}

void Bitmap::Resize(int newWidth, int newHeight, std::uint32_t fill) {
  if (newWidth == width && newHeight == height) return;
  Bitmap resized;
  resized.width = newWidth;
  resized.height = newHeight;
  resized.words.assign(static_cast<std::size_t>(newWidth) * newHeight, fill);
  for (int y = 0; y < std::min(height, newHeight); ++y) {
    std::copy_n(Row(y), std::min(width, newWidth), resized.Row(y));
  }
  width = newWidth;
  height = newHeight;
  bottomUp = false;
  words = std::move(resized.words);
}

GdiState::GdiState() {
  const COLORREF grays[] = {RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128),
                            RGB(64, 64, 64),    RGB(0, 0, 0),       RGB(0, 0, 0)};
  for (int i = 0; i < 6; ++i) {
    stockBrushes[i] =
        NewBrush(Brush{i == NULL_BRUSH ? static_cast<UINT>(BS_NULL) : BS_SOLID, grays[i], 0});
    stock_.push_back(reinterpret_cast<ULONG_PTR>(stockBrushes[i]));
  }
  systemFont = NewFont(StockFont("System", 16, FW_BOLD));
  defaultGuiFont = NewFont(StockFont("MS Shell Dlg", -11, FW_NORMAL));
  stock_.push_back(reinterpret_cast<ULONG_PTR>(systemFont));
  stock_.push_back(reinterpret_cast<ULONG_PTR>(defaultGuiFont));
  Bitmap one;
  one.width = one.height = 1;
  one.bitsPerPixel = 1;
  one.words.assign(1, 0);
  defaultBitmap = NewBitmap(std::move(one));
  stock_.push_back(reinterpret_cast<ULONG_PTR>(defaultBitmap));
  live_.clear();  // stock objects are not the program's
}

HGDIOBJ GdiState::Add(GdiKind kind) {
  next_ += 4;
  kinds[next_] = kind;
  ++live_[kind];
  return reinterpret_cast<HGDIOBJ>(next_);
}

std::optional<GdiKind> GdiState::KindOf(const void* handle) const {
  auto it = kinds.find(reinterpret_cast<ULONG_PTR>(handle));
  if (it == kinds.end()) return std::nullopt;
  return it->second;
}

bool GdiState::IsStock(const void* handle) const {
  return std::find(stock_.begin(), stock_.end(), reinterpret_cast<ULONG_PTR>(handle)) !=
         stock_.end();
}

HBITMAP GdiState::NewBitmap(Bitmap bitmap) {
  HGDIOBJ h = Add(GdiKind::Bitmap);
  bitmaps.emplace(reinterpret_cast<ULONG_PTR>(h), std::move(bitmap));
  return reinterpret_cast<HBITMAP>(h);
}

HBRUSH GdiState::NewBrush(Brush brush) {
  HGDIOBJ h = Add(GdiKind::Brush);
  brushes.emplace(reinterpret_cast<ULONG_PTR>(h), brush);
  return reinterpret_cast<HBRUSH>(h);
}

HRGN GdiState::NewRegion(Region region) {
  HGDIOBJ h = Add(GdiKind::Region);
  regions.emplace(reinterpret_cast<ULONG_PTR>(h), std::move(region));
  return reinterpret_cast<HRGN>(h);
}

HFONT GdiState::NewFont(const LOGFONTA& logfont) {
  HGDIOBJ h = Add(GdiKind::Font);
  fonts.emplace(reinterpret_cast<ULONG_PTR>(h), Font{logfont, 0});
  return reinterpret_cast<HFONT>(h);
}

HFONT GdiState::SystemOwnedFont(const LOGFONTA& logfont) {
  HFONT font = NewFont(logfont);
  stock_.push_back(reinterpret_cast<ULONG_PTR>(font));
  --live_[GdiKind::Font];
  return font;
}

HBRUSH GdiState::SystemColorBrush(int index, COLORREF color) {
  auto found = systemColorBrushes.find(index);
  if (found != systemColorBrushes.end()) return found->second;
  HBRUSH brush = NewBrush(Brush{BS_SOLID, color, 0});
  stock_.push_back(reinterpret_cast<ULONG_PTR>(brush));
  --live_[GdiKind::Brush];
  systemColorBrushes.emplace(index, brush);
  return brush;
}

HDC GdiState::NewDc(DeviceContext dc) {
  HGDIOBJ h = Add(GdiKind::Dc);
  dcs.emplace(reinterpret_cast<ULONG_PTR>(h), std::move(dc));
  return reinterpret_cast<HDC>(h);
}

bool GdiState::Remove(const void* handle) {
  auto key = reinterpret_cast<ULONG_PTR>(handle);
  auto it = kinds.find(key);
  if (it == kinds.end()) return false;
  switch (it->second) {
    case GdiKind::Bitmap:
      bitmaps.erase(key);
      break;
    case GdiKind::Brush:
      brushes.erase(key);
      break;
    case GdiKind::Region:
      regions.erase(key);
      break;
    case GdiKind::Dc:
      dcs.erase(key);
      break;
    case GdiKind::Font:
      fonts.erase(key);
      break;
  }
  --live_[it->second];
  kinds.erase(it);
  return true;
}

int GdiState::Live(GdiKind kind) const {
  auto it = live_.find(kind);
  return it == live_.end() ? 0 : it->second;
}

int GdiState::LiveTotal() const {
  int total = 0;
  for (const auto& [kind, count] : live_) total += count;
  return total;
}

}  // namespace desktop
