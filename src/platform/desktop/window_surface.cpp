// Where windows draw: every top-level window keeps its own pixels, the size
// of its window rectangle; its child windows draw into them at their
// offset, within their parents' client areas and the window regions on the
// way, as on Windows without composition.
#include <algorithm>
#include <memory>

#include "platform/desktop/gdi_internal.h"

namespace desktop {

namespace {

constexpr std::uint32_t kFreshSurface = 0x00FFFFFF;

RECT Offset(RECT r, POINT by) {
  return RECT{r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y};
}

RECT WindowBox(const Window& w) {
  return RECT{0, 0, w.rect.right - w.rect.left, w.rect.bottom - w.rect.top};
}

void Intersect(Region& area, const Region& with) {
  area = Region::Combine(area, with, Region::Op::And);
}

void Subtract(Region& area, const RECT& rect) {
  area = Region::Combine(area, Region::FromRect(rect), Region::Op::Diff);
}

// A window's own region (window coordinates), placed on the surface.
void ClipToWindowRegion(Region& area, const Window& w) {
  if (!w.gfx.region) return;
  if (Region* region = Gdi().FindRegion(w.gfx.region)) {
    Region placed = *region;
    POINT origin = OriginOnSurface(w, false);
    placed.Offset(origin.x, origin.y);
    Intersect(area, placed);
  }
}

// Siblings above a WS_CLIPSIBLINGS child, and children of a WS_CLIPCHILDREN
// parent, are left out of its drawing.
void ClipSiblingsAbove(Region& area, const Window& w) {
  State& s = Current();
  Window* parent = s.Find(w.parent);
  if (!parent || !(w.style & WS_CLIPSIBLINGS)) return;
  for (HWND sibling : parent->children) {
    if (sibling == w.handle) break;
    const Window* other = s.Find(sibling);
    if (other && (other->style & WS_VISIBLE)) {
      Subtract(area, Offset(WindowBox(*other), OriginOnSurface(*other, false)));
    }
  }
}

void ClipChildren(Region& area, const Window& w) {
  if (!(w.style & WS_CLIPCHILDREN)) return;
  for (HWND child : w.children) {
    const Window* c = Current().Find(child);
    if (c && (c->style & WS_VISIBLE)) {
      Subtract(area, Offset(WindowBox(*c), OriginOnSurface(*c, false)));
    }
  }
}

}  // namespace

Bitmap& SurfaceOf(Window& top) {
  if (!top.gfx.surface) {
    top.gfx.surface = std::make_shared<Bitmap>();
  }
  RECT box = WindowBox(top);
  top.gfx.surface->Resize(std::max<LONG>(box.right, 0), std::max<LONG>(box.bottom, 0),
                          kFreshSurface);
  return *top.gfx.surface;
}

POINT OriginOnSurface(const Window& w, bool client) {
  POINT p{client ? w.client.left : 0, client ? w.client.top : 0};
  const Window* current = &w;
  while (current->parent) {
    const Window* parent = Current().Find(current->parent);
    if (!parent) break;
    p.x += current->rect.left + parent->client.left;
    p.y += current->rect.top + parent->client.top;
    current = parent;
  }
  return p;
}

Region VisibleOnSurface(const Window& w, bool client) {
  RECT own = client ? RECT{0, 0, w.client.right - w.client.left, w.client.bottom - w.client.top}
                    : WindowBox(w);
  Region area = Region::FromRect(Offset(own, OriginOnSurface(w, client)));
  ClipToWindowRegion(area, w);
  ClipSiblingsAbove(area, w);
  if (client) ClipChildren(area, w);
  const Window* current = &w;
  while (current->parent) {
    const Window* parent = Current().Find(current->parent);
    if (!parent) break;
    RECT parentClient{0, 0, parent->client.right - parent->client.left,
                      parent->client.bottom - parent->client.top};
    Intersect(area, Region::FromRect(Offset(parentClient, OriginOnSurface(*parent, true))));
    ClipToWindowRegion(area, *parent);
    ClipSiblingsAbove(area, *parent);
    current = parent;
  }
  Intersect(area, Region::FromRect(WindowBox(*current)));
  return area;
}

void ReleaseWindowGraphics(Window& w) {
  if (w.gfx.region) Gdi().Remove(w.gfx.region);
  w.gfx.region = nullptr;
  w.gfx.surface.reset();
}

}  // namespace desktop
