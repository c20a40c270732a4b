// Every picture of the program, as the files the resource compiler reads:
// which resource id, which file under res/, and the file's bytes.
#pragma once

#include <string>
#include <vector>

#include "tools/artgen/canvas.h"
#include "tools/artgen/lettering.h"

namespace artgen {

struct ArtworkFile {
  int id = 0;
  std::string path;  // relative to res/
  std::string bytes;
};

struct Artwork {
  std::vector<ArtworkFile> bitmaps;
  std::vector<ArtworkFile> icons;
};

Artwork GenerateArtwork(const Typesetter& type);

}  // namespace artgen
