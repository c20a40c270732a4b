// The colours of the artwork: deep navy and teal, with gold accents.
#pragma once

#include "tools/artgen/canvas.h"

namespace artgen::palette {

inline constexpr Rgb kNight{6, 12, 24};
inline constexpr Rgb kNavyDeep{10, 21, 38};
inline constexpr Rgb kNavy{17, 36, 63};
inline constexpr Rgb kNavyLight{30, 60, 98};
inline constexpr Rgb kTealDeep{12, 58, 70};
inline constexpr Rgb kTeal{27, 112, 124};
inline constexpr Rgb kTealLight{74, 178, 184};
inline constexpr Rgb kGoldDark{128, 92, 38};
inline constexpr Rgb kGold{212, 168, 78};
inline constexpr Rgb kGoldLight{248, 222, 146};
inline constexpr Rgb kIvory{240, 236, 224};
inline constexpr Rgb kWhite{250, 252, 255};
inline constexpr Rgb kShadow{2, 5, 10};
inline constexpr Rgb kEmber{196, 58, 44};
inline constexpr Rgb kEmberLight{232, 96, 72};

// Under the login page, while it loads.
inline constexpr Rgb kPagePanel{9, 15, 25};

// The skinned title bar (its middle rows) and the caption-button tiles on it.
inline constexpr Rgb kTitleBar{22, 22, 22};
inline constexpr Rgb kTileBlue{26, 58, 104};
inline constexpr Rgb kTileBlueDeep{16, 38, 72};
inline constexpr Rgb kTileBlueBright{48, 124, 214};
inline constexpr Rgb kTileBlueBrightDeep{30, 94, 178};

}  // namespace artgen::palette
