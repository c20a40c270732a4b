#include "platform/desktop/dialog_units.h"

#include <map>
#include <utility>

namespace desktop {

BaseUnits DialogBaseUnits(const std::string&, int points) {
  if (points <= 0) points = 8;
  // Character cells grow with the point size from the 8-point cell.
  return BaseUnits{(6 * points + 4) / 8, (13 * points + 4) / 8};
}

HFONT DialogFont(const std::string& face, int points) {
  static std::map<std::pair<std::string, int>, ULONG_PTR> fonts;
  auto key = std::make_pair(face, points);
  auto it = fonts.find(key);
  if (it == fonts.end()) {
    it = fonts.emplace(key, 0x8A0000 + fonts.size() * 4).first;
  }
  return reinterpret_cast<HFONT>(it->second);
}

}  // namespace desktop
