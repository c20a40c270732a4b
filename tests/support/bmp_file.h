// Writes small .bmp files for the tests' bitmap resources.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A bottom-up BI_RGB file of `bits` (8, 24 or 32) per pixel. `pixels` are
// given top row first: 0x00RRGGBB colours, or palette indices for 8 bits
// (the palette as 0x00RRGGBB colours). For 32 bits the fourth byte is kept.
std::string BmpFile(int width, int height, int bits, const std::vector<std::uint32_t>& pixels,
                    const std::vector<std::uint32_t>& palette = {});
