// tessal-artgen [--font FILE] [--contact-sheet FILE.png] [--layout-sheet FILE.png] RES_FOLDER
// Draws every picture of the program and writes them under RES_FOLDER
// (bitmaps/*.bmp, icons/*.ico). The same font gives the same files. The
// sheets are pictures to look at: every picture, and where each one goes.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "tools/artgen/artwork.h"
#include "tools/artgen/contact_sheet.h"
#include "tools/artgen/image_files.h"
#include "tools/artgen/layout_sheet.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out);
}

int Usage() {
  std::fprintf(stderr, "usage: tessal-artgen [--font FILE] [--contact-sheet FILE.png] "
                       "[--layout-sheet FILE.png] RES_FOLDER\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string font = TESSAL_ART_FONT;
  std::string contactSheet;
  std::string layoutSheet;
  std::string resFolder;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--font" && i + 1 < argc) font = argv[++i];
    else if (arg == "--contact-sheet" && i + 1 < argc) contactSheet = argv[++i];
    else if (arg == "--layout-sheet" && i + 1 < argc) layoutSheet = argv[++i];
    else if (!arg.empty() && arg[0] != '-' && resFolder.empty()) resFolder = arg;
    else return Usage();
  }
  if (resFolder.empty()) return Usage();

  try {
    artgen::Typesetter type(font);
    artgen::Artwork artwork = artgen::GenerateArtwork(type);
    for (const auto* files : {&artwork.bitmaps, &artwork.icons}) {
      for (const artgen::ArtworkFile& file : *files) {
        if (!WriteFile(std::filesystem::path(resFolder) / file.path, file.bytes)) {
          std::fprintf(stderr, "tessal-artgen: cannot write %s\n", file.path.c_str());
          return 1;
        }
      }
    }
    if (!contactSheet.empty() &&
        !WriteFile(contactSheet, artgen::EncodePngFile(artgen::ContactSheet(artwork)))) {
      std::fprintf(stderr, "tessal-artgen: cannot write %s\n", contactSheet.c_str());
      return 1;
    }
    if (!layoutSheet.empty() &&
        !WriteFile(layoutSheet, artgen::EncodePngFile(artgen::LayoutSheet(artwork, type)))) {
      std::fprintf(stderr, "tessal-artgen: cannot write %s\n", layoutSheet.c_str());
      return 1;
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tessal-artgen: %s\n", error.what());
    return 1;
  }
  return 0;
}
