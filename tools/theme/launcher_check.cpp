#include "tools/theme/launcher_check.h"

#include <algorithm>
#include <string>

#include "launcher/launcher_layout.h"
#include "res/resource_ids.h"
#include "res/theme_files.h"
#include "tools/theme/pixel_text.h"

namespace theme {

namespace {

using artgen::Canvas;

// The panel under the login page and this margin around it stay solid, so
// that no hole opens beside the page while it loads or when it is smaller.
constexpr int kPanelMargin = 3;

void CheckPanel(const ReadPictures& pictures, Findings& findings) {
  const PictureFile* file = FindPicture(IDB_LAUNCHER_BACKGROUND);
  auto background = pictures.find(file->path);
  if (background == pictures.end()) return;
  const RECT& page = launcher_layout::BrowserRect;
  PixelCount holes;
  for (int y = page.top - kPanelMargin; y < page.bottom + kPanelMargin; ++y) {
    for (int x = page.left - kPanelMargin; x < page.right + kPanelMargin; ++x) {
      if (IsKeyPixel(background->second, x, y)) holes.Add(x, y);
    }
  }
  if (holes.count) {
    findings.Fault(file->path, holes.Text() + " the key colour under the login page or within " +
                                   std::to_string(kPanelMargin) + " pixels of it (" +
                                   std::to_string(page.left) + ", " + std::to_string(page.top) +
                                   " to " + std::to_string(page.right) + ", " +
                                   std::to_string(page.bottom) +
                                   "): a hole would open beside the page");
  }
}

// Each button shows its picture from its rectangle's top-left corner; where
// two pictures meet, one of them must be see-through, or the one made later
// hides the other's pixels (the logo over the forum and service links, the
// minimise button beside the close button).
void CheckOverlaps(const ReadPictures& pictures, Findings& findings) {
  const auto& buttons = launcher_layout::Buttons;
  for (std::size_t i = 0; i < std::size(buttons); ++i) {
    for (std::size_t j = i + 1; j < std::size(buttons); ++j) {
      const PictureFile* first = FindPicture(buttons[i].normal);
      const PictureFile* second = FindPicture(buttons[j].normal);
      auto a = pictures.find(first->path), b = pictures.find(second->path);
      if (a == pictures.end() || b == pictures.end()) continue;
      const LONG ax = buttons[i].rect.left, ay = buttons[i].rect.top;
      const LONG bx = buttons[j].rect.left, by = buttons[j].rect.top;
      PixelCount both;
      for (LONG y = std::max(ay, by);
           y < std::min(ay + a->second.Height(), by + b->second.Height()); ++y) {
        for (LONG x = std::max(ax, bx);
             x < std::min(ax + a->second.Width(), bx + b->second.Width()); ++x) {
          if (!IsKeyPixel(a->second, x - ax, y - ay) && !IsKeyPixel(b->second, x - bx, y - by)) {
            both.Add(x, y);
          }
        }
      }
      if (both.count) {
        findings.Fault(second->path, std::string("it and ") + first->path + " are both solid at " +
                                         both.Counted() +
                                         " of the launcher: where two buttons overlap, one of "
                                         "them must be the key colour 0x5C5C5C");
      }
    }
  }
}

}  // namespace

void CheckLauncherLayout(const ReadPictures& pictures, Findings& findings) {
  CheckPanel(pictures, findings);
  CheckOverlaps(pictures, findings);
}

}  // namespace theme
