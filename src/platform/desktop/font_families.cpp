#include "platform/desktop/font_families.h"

#include "platform/desktop/codepage.h"

namespace desktop {
namespace {

constexpr const char* kSans = "DejaVu Sans";
constexpr const char* kSerif = "DejaVu Serif";
constexpr const char* kMono = "DejaVu Sans Mono";
constexpr const char* kChinese = "WenQuanYi Micro Hei";

struct FaceMapping {
  const char* windowsFace;  // code page 936, in the case FoldCase936 gives
  const char* latin;
};

// Windows' Chinese faces draw their Latin letters themselves; here the
// Chinese family does, so that a line keeps one look.
const FaceMapping kFaces[] = {
    {"arial", kSans},          {"tahoma", kSans},
    {"verdana", kSans},        {"ms shell dlg", kSans},
    {"ms shell dlg 2", kSans}, {"ms sans serif", kSans},
    {"segoe ui", kSans},       {"times new roman", kSerif},
    {"courier new", kMono},    {"宋体", kChinese},
    {"新宋体", kChinese},      {"simsun", kChinese},
    {"nsimsun", kChinese},     {"黑体", kChinese},
    {"simhei", kChinese},      {"微软雅黑", kChinese},
    {"microsoft yahei", kChinese},
};

}  // namespace

std::string LatinFamilyFor(const std::string& faceName) {
  std::string wanted = FoldCase936(faceName);
  for (const FaceMapping& mapping : kFaces) {
    if (wanted == mapping.windowsFace) return mapping.latin;
  }
  return kSans;  // an unknown face: the system's sans serif, as Windows substitutes
}

std::string ChineseFamilyFor(const std::string&) { return kChinese; }

}  // namespace desktop
