// Splitting a Windows path into its drive, folder, name and extension,
// character by character in code page 936, so that a backslash that is the
// second byte of a two-byte character is never taken for a separator.
#pragma once

#include <string>

struct SplitPathParts {
  std::string drive;      // "C:" or empty
  std::string directory;  // "\Games\Tessal\" (ends with a separator) or empty
  std::string name;       // "Tessal"
  std::string extension;  // ".exe" or empty
};

SplitPathParts SplitPath(const std::string& path);
