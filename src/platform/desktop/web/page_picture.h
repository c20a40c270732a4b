// A plain picture of a page for engines that run no HTML (the scripted
// engine): the page's background, its heading, its links as underlined
// names and its address, so that screenshots show which page is open.
#pragma once

#include <string>

#include "platform/api/win_types.h"
#include "platform/desktop/web/web_engine.h"

namespace desktop::web {

// `background` is a CSS colour ("#rrggbb"); anything else paints white.
void PaintPagePicture(HDC dc, const RECT& area, const WebDocument* document,
                      const std::string& background);

}  // namespace desktop::web
