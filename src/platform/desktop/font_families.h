// Which Debian font family stands in for a Windows face name: one for the
// Latin characters, one for the Chinese ones (which the Latin family lacks).
#pragma once

#include <string>

namespace desktop {

// `faceName` is in code page 936, as LOGFONTA carries it.
std::string LatinFamilyFor(const std::string& faceName);
std::string ChineseFamilyFor(const std::string& faceName);

}  // namespace desktop
