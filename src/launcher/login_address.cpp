#include "launcher/login_address.h"

#include <cstring>

namespace {

constexpr char kServerNameKey[] = "server_name=";
constexpr char kGameKey[] = "client=1";

}  // namespace

CString ServerNameFromAddress(const CString& address) {
  int at = address.Find(kServerNameKey);
  if (at < 0) return CString();
  CString name = address.Mid(at + static_cast<int>(std::strlen(kServerNameKey)));
  int end = name.Find('&');
  if (end >= 0) name.Truncate(end);
  return name;
}

bool IsGameAddress(const CString& address) { return address.Find(kGameKey) >= 0; }
