// The desktop's drawing objects: bitmaps, brushes, regions and device
// contexts, each behind a handle, with the system's ownership rules (a
// bitmap is selected into one memory DC at a time; a selected object cannot
// be deleted; stock objects are never deleted) and a count of the live ones.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/api/gdi_types.h"
#include "platform/api/text_functions.h"
#include "platform/api/user_functions.h"
#include "platform/desktop/region_model.h"

namespace desktop {

// Pixels as 32-bit words: blue, green, red and a fourth byte. A monochrome
// bitmap keeps only black and white. DIB sections hand their words to the
// program as they are, bottom-up or top-down.
// The nearer of black and white, as a monochrome bitmap keeps a colour.
std::uint32_t Monochrome(std::uint32_t word);

struct Bitmap {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 32;  // 1 or 32
  bool dibSection = false;
  bool bottomUp = false;
  std::vector<std::uint32_t> words;
  HDC selectedInto = nullptr;
  // For a window's surface: how many times a DC was made ready to draw on
  // it. Whoever mirrors the surface need not look at its pixels again
  // while this has not moved.
  std::uint64_t drawnOn = 0;

  std::uint32_t* Row(int y) {
    return words.data() + static_cast<std::size_t>(bottomUp ? height - 1 - y : y) * width;
  }
  std::uint32_t At(int x, int y) { return Row(y)[x]; }
  void Put(int x, int y, std::uint32_t word);  // monochrome ones keep black or white
  void Resize(int newWidth, int newHeight, std::uint32_t fill);  // keeps the overlap
};

struct Brush {
  UINT style = BS_SOLID;
  COLORREF color = 0;
  int selections = 0;
};

struct Font {
  LOGFONTA logfont{};
  int selections = 0;
};

enum class DcKind { Memory, Window, Screen };

struct DeviceContext {
  DcKind kind = DcKind::Memory;
  HWND hwnd = nullptr;         // a window DC's window
  bool wholeWindow = false;    // GetWindowDC: the frame too
  bool paint = false;          // from BeginPaint: clipped to the update region
  Region paintClip;            // the update region, in DC coordinates
  std::optional<Region> clip;  // SelectClipRgn, in DC coordinates
  HBITMAP bitmap = nullptr;
  HBRUSH brush = nullptr;
  HFONT font = nullptr;
  COLORREF textColor = RGB(0, 0, 0);
  COLORREF bkColor = RGB(255, 255, 255);
  int bkMode = OPAQUE;
  int stretchMode = BLACKONWHITE;
};

// What a DC draws on, resolved for one drawing call: the pixels, where the
// DC's (0, 0) lies on them, and where drawing may land (pixel coordinates).
struct DrawTarget {
  Bitmap* pixels = nullptr;
  POINT origin{0, 0};
  Region visible;
};

// Per-window drawing state, kept by the window manager.
struct WindowGraphics {
  Region update;  // invalid part of the client area, client coordinates
  bool erasePending = false;
  HRGN region = nullptr;  // SetWindowRgn's region, owned by the system
  bool layered = false;
  DWORD layeredFlags = 0;
  COLORREF colorKey = 0;
  BYTE alpha = 255;
  std::shared_ptr<Bitmap> surface;  // a top-level window's pixels
};

enum class GdiKind { Bitmap, Brush, Region, Dc, Font };

class GdiState {
 public:
  GdiState();

  HGDIOBJ Add(GdiKind kind);  // a new handle of that kind, counted live
  std::optional<GdiKind> KindOf(const void* handle) const;
  bool IsStock(const void* handle) const;

  Bitmap* FindBitmap(const void* h) { return Lookup(bitmaps, h); }
  Brush* FindBrush(const void* h) { return Lookup(brushes, h); }
  Region* FindRegion(const void* h) { return Lookup(regions, h); }
  Font* FindFont(const void* h) { return Lookup(fonts, h); }
  DeviceContext* FindDc(const void* h) { return Lookup(dcs, h); }

  HBITMAP NewBitmap(Bitmap bitmap);
  HBRUSH NewBrush(Brush brush);
  HRGN NewRegion(Region region);
  HFONT NewFont(const LOGFONTA& logfont);
  // A font the system keeps for the whole run, as a stock object (the
  // dialogs' template fonts): never deleted, not counted.
  HFONT SystemOwnedFont(const LOGFONTA& logfont);
  // The brush of a system colour (GetSysColorBrush), made on first use and
  // kept like a stock object.
  HBRUSH SystemColorBrush(int index, COLORREF color);
  HDC NewDc(DeviceContext dc);
  bool Remove(const void* handle);  // forgets it and its count

  int Live(GdiKind kind) const;
  int LiveTotal() const;

  HBRUSH stockBrushes[6]{};
  HFONT systemFont = nullptr;      // SYSTEM_FONT, every DC's first font
  HFONT defaultGuiFont = nullptr;  // DEFAULT_GUI_FONT
  HBITMAP defaultBitmap = nullptr;  // a memory DC's 1 x 1 monochrome bitmap

  std::map<ULONG_PTR, Bitmap> bitmaps;
  std::map<ULONG_PTR, Brush> brushes;
  std::map<ULONG_PTR, Region> regions;
  std::map<ULONG_PTR, Font> fonts;
  std::map<std::pair<std::string, int>, HFONT> dialogFonts;  // by face and points
  std::map<int, HBRUSH> systemColorBrushes;                   // by COLOR_* index
  std::map<ULONG_PTR, DeviceContext> dcs;
  std::map<ULONG_PTR, GdiKind> kinds;
  // Blits onto each window's own DCs, for tests of how much a window draws.
  std::map<HWND, int> blitsOntoWindow;

 private:
  template <typename T>
  static T* Lookup(std::map<ULONG_PTR, T>& table, const void* h) {
    auto it = table.find(reinterpret_cast<ULONG_PTR>(h));
    return it == table.end() ? nullptr : &it->second;
  }
  std::vector<ULONG_PTR> stock_;
  std::map<GdiKind, int> live_;
  ULONG_PTR next_ = 0x30000;
};

}  // namespace desktop
