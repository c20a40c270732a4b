// The files of a theme: the pictures the program loads, with the resource
// id each one becomes, its file under the theme folder, its size and what it
// is for; the icon; and the game title. The resource tables, the build and
// tessal-theme all read this one list.
#pragma once

#include <cstddef>
#include <span>

namespace theme {

// Where the key colour 0x5C5C5C may stand in a picture.
enum class KeyUse {
  kShape,      // see-through where it is: the picture's pixels shape a window or button
  kForbidden,  // the game window is not see-through: the colour would show as grey
};

struct PictureFile {
  int id;             // resource id
  const char* path;   // relative to the theme folder
  int width, height;  // pixels; 24 bits per pixel, rows stored from the bottom
  KeyUse key;
  const char* purpose;
  const char* sameShapeAs;  // another look of the same button: key pixels must match; or null
};

// Every picture, in the order of the resource tables.
std::span<const PictureFile> Pictures();
// The picture that becomes this resource id; null when none does.
const PictureFile* FindPicture(int id);

// The program icon and the title, by their paths in the theme folder.
inline constexpr const char* kIconPath = "icons/tessal.ico";
inline constexpr const char* kTitlePath = "title.txt";

// The title is drawn before the server name in the game window's title bar
// and names the notification icon (whose tip holds 127 bytes): at most this
// many bytes in code page 936, that is 24 Chinese characters.
inline constexpr std::size_t kTitleLimit = 48;

}  // namespace theme
