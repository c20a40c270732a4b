#include "app/module_path.h"

#include "fw/mbcs.h"

SplitPathParts SplitPath(const std::string& path) {
  SplitPathParts parts;
  std::size_t start = 0;
  if (path.size() >= 2 && path[1] == ':' && !AfxIsLeadByte(static_cast<unsigned char>(path[0]))) {
    parts.drive = path.substr(0, 2);
    start = 2;
  }
  // The last separator and the last dot after it, on character boundaries.
  std::size_t nameStart = start;
  std::size_t lastDot = std::string::npos;
  for (std::size_t i = start; i < path.size();) {
    unsigned char c = static_cast<unsigned char>(path[i]);
    if (AfxCharWidth(path, i) == 2) {
      i += 2;
      continue;
    }
    if (c == '\\' || c == '/') {
      nameStart = i + 1;
      lastDot = std::string::npos;
    } else if (c == '.') {
      lastDot = i;
    }
    ++i;
  }
  parts.directory = path.substr(start, nameStart - start);
  if (lastDot == std::string::npos) {
    parts.name = path.substr(nameStart);
  } else {
    parts.name = path.substr(nameStart, lastDot - nameStart);
    parts.extension = path.substr(lastDot);
  }
  return parts;
}
