#include "platform/desktop/lnk_writer.h"

#include "platform/desktop/codepage.h"

namespace desktop {
namespace {

// LinkFlags
constexpr DWORD kHasLinkInfo = 0x02;
constexpr DWORD kHasName = 0x04;
constexpr DWORD kHasRelativePath = 0x08;
constexpr DWORD kHasWorkingDir = 0x10;
constexpr DWORD kHasArguments = 0x20;
constexpr DWORD kHasIconLocation = 0x40;
constexpr DWORD kIsUnicode = 0x80;

constexpr DWORD kHeaderSize = 0x4C;
constexpr DWORD kLinkInfoHeaderSize = 0x24;  // with the Unicode offsets
constexpr DWORD kVolumeIdAndLocalBasePath = 0x1;
constexpr DWORD kDriveFixed = 3;
constexpr unsigned char kShellLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                               0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

void Put16(std::string& out, unsigned value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string& out, DWORD value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void PutUtf16(std::string& out, const std::u16string& text) {
  for (char16_t c : text) Put16(out, c);
}

bool IsDrivePath(const std::string& path) {
  return path.size() >= 3 && path[1] == ':' && path[2] == '\\' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// LinkInfo with a VolumeID (a fixed drive without label) and the local
// base path; the common path suffix is empty.
std::string LinkInfo(const std::string& target) {
  std::string volume;
  Put32(volume, 17);  // VolumeIDSize: four fields and the empty label
  Put32(volume, kDriveFixed);
  Put32(volume, 0);     // DriveSerialNumber
  Put32(volume, 0x10);  // VolumeLabelOffset
  volume.push_back('\0');

  std::string body = volume;
  DWORD localBasePath = kLinkInfoHeaderSize + static_cast<DWORD>(body.size());
  body += target + '\0';
  DWORD commonPathSuffix = kLinkInfoHeaderSize + static_cast<DWORD>(body.size());
  body.push_back('\0');
  DWORD localBasePathUnicode = kLinkInfoHeaderSize + static_cast<DWORD>(body.size());
  PutUtf16(body, Cp936ToUtf16(target));
  Put16(body, 0);
  DWORD commonPathSuffixUnicode = kLinkInfoHeaderSize + static_cast<DWORD>(body.size());
  Put16(body, 0);

  std::string info;
  Put32(info, kLinkInfoHeaderSize + static_cast<DWORD>(body.size()));
  Put32(info, kLinkInfoHeaderSize);
  Put32(info, kVolumeIdAndLocalBasePath);
  Put32(info, kLinkInfoHeaderSize);  // VolumeIDOffset
  Put32(info, localBasePath);
  Put32(info, 0);  // CommonNetworkRelativeLinkOffset
  Put32(info, commonPathSuffix);
  Put32(info, localBasePathUnicode);
  Put32(info, commonPathSuffixUnicode);
  return info + body;
}

// A StringData entry: its length in characters, then UTF-16 without end.
void PutString(std::string& out, const std::string& text) {
  std::u16string wide = Cp936ToUtf16(text);
  if (wide.size() > 0xFFFF) wide.resize(0xFFFF);
  Put16(out, static_cast<unsigned>(wide.size()));
  PutUtf16(out, wide);
}

}  // namespace

std::string EncodeShellLink(const ShellLinkFields& fields) {
  bool local = IsDrivePath(fields.target);
  DWORD flags = kIsUnicode | (local ? kHasLinkInfo : 0);
  if (!fields.description.empty()) flags |= kHasName;
  if (!local && !fields.target.empty()) flags |= kHasRelativePath;
  if (!fields.workingDirectory.empty()) flags |= kHasWorkingDir;
  if (!fields.arguments.empty()) flags |= kHasArguments;
  if (!fields.iconLocation.empty()) flags |= kHasIconLocation;

  std::string out;
  Put32(out, kHeaderSize);
  out.append(reinterpret_cast<const char*>(kShellLinkClsid), sizeof kShellLinkClsid);
  Put32(out, flags);
  Put32(out, 0);                        // FileAttributes
  out.append(24, '\0');                 // creation, access and write times
  Put32(out, 0);                        // FileSize
  Put32(out, static_cast<DWORD>(fields.iconIndex));
  Put32(out, static_cast<DWORD>(fields.showCommand));
  Put16(out, fields.hotkey);
  out.append(10, '\0');                 // Reserved1, Reserved2, Reserved3

  if (local) out += LinkInfo(fields.target);
  // StringData, in the format's order.
  if (flags & kHasName) PutString(out, fields.description);
  if (flags & kHasRelativePath) PutString(out, fields.target);
  if (flags & kHasWorkingDir) PutString(out, fields.workingDirectory);
  if (flags & kHasArguments) PutString(out, fields.arguments);
  if (flags & kHasIconLocation) PutString(out, fields.iconLocation);
  Put32(out, 0);  // TerminalBlock
  return out;
}

}  // namespace desktop
