#include "platform/desktop/web/scripted_site.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

namespace desktop::web {
namespace {

using Json = nlohmann::json;

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw SiteError(where + ": " + what);
}

std::string RequireString(const Json& value, const std::string& where) {
  if (!value.is_string()) Fail(where, "expected a string");
  return value.get<std::string>();
}

ScriptedFunction ReadFunction(const Json& value, const std::string& where) {
  ScriptedFunction function;
  ScriptValue& result = function.result;
  if (value.is_null()) {
    result.kind = ScriptValue::Kind::kNull;
  } else if (value.is_boolean()) {
    result.kind = ScriptValue::Kind::kBoolean;
    result.boolean = value.get<bool>();
  } else if (value.is_number()) {
    result.kind = ScriptValue::Kind::kNumber;
    result.number = value.get<double>();
  } else if (value.is_string()) {
    result.kind = ScriptValue::Kind::kString;
    result.text = value.get<std::string>();
  } else if (value.is_object() && value.size() == 1 && value.contains("throws")) {
    function.throws = RequireString(value["throws"], where + ".throws");
  } else {
    Fail(where, "expected a string, number, boolean, null or {\"throws\": message}");
  }
  return function;
}

ScriptedPage ReadPage(const Json& value, const std::string& where) {
  if (!value.is_object()) Fail(where, "expected an object");
  ScriptedPage page;
  for (const auto& [key, item] : value.items()) {
    std::string at = where + "." + key;
    if (key == "functions") {
      if (!item.is_object()) Fail(at, "expected an object of name to result");
      for (const auto& [name, result] : item.items()) {
        page.functions[name] = ReadFunction(result, at + "." + name);
      }
    } else if (key == "frames") {
      if (!item.is_array()) Fail(at, "expected an array of addresses");
      for (const Json& frame : item) page.frames.push_back(RequireString(frame, at));
    } else if (key == "links") {
      if (!item.is_object()) Fail(at, "expected an object of name to address");
      for (const auto& [name, address] : item.items()) {
        page.links[name] = RequireString(address, at + "." + name);
      }
    } else if (key == "title") {
      page.title = RequireString(item, at);
    } else if (key == "on_load") {
      page.onLoad = RequireString(item, at);
    } else if (key == "on_enter") {
      page.onEnter = RequireString(item, at);
    } else if (key == "after") {
      if (!item.is_object() || !item.contains("ms") || !item.contains("url") ||
          !item["ms"].is_number_unsigned()) {
        Fail(at, "expected {\"ms\": milliseconds, \"url\": address}");
      }
      page.after =
          ScriptedPage::Delayed{item["ms"].get<DWORD>(), RequireString(item["url"], at + ".url")};
    } else if (key == "revisit") {
      page.revisit = std::make_shared<const ScriptedPage>(ReadPage(item, at));
    } else if (key == "body_style") {
      if (!item.is_object()) Fail(at, "expected an object with scroll, overflow, border");
      if (item.contains("scroll"))
        page.bodyStyle.scroll = RequireString(item["scroll"], at + ".scroll");
      if (item.contains("overflow")) {
        page.bodyStyle.overflow = RequireString(item["overflow"], at + ".overflow");
      }
      if (item.contains("border"))
        page.bodyStyle.border = RequireString(item["border"], at + ".border");
    }
    // Other keys describe the page for people (notes) and are kept out.
  }
  return page;
}

}  // namespace

const ScriptedPage* ScriptedSite::Find(const std::string& address) const {
  if (auto it = pages.find(address); it != pages.end()) return &it->second;
  std::size_t hash = address.find('#');
  if (hash == std::string::npos) return nullptr;
  auto it = pages.find(address.substr(0, hash));
  return it == pages.end() ? nullptr : &it->second;
}

ScriptedSite ScriptedSite::FromJson(const std::string& text) {
  Json root = Json::parse(text, nullptr, false);
  if (root.is_discarded()) Fail("site", "not valid JSON");
  if (!root.is_object() || !root.contains("pages") || !root["pages"].is_object()) {
    Fail("site", "expected an object with \"pages\" keyed by address");
  }
  ScriptedSite site;
  for (const auto& [address, page] : root["pages"].items()) {
    site.pages[address] = ReadPage(page, "pages[\"" + address + "\"]");
  }
  return site;
}

ScriptedSite ScriptedSite::Load(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw SiteError(path + ": cannot be read");
  std::ostringstream text;
  text << file.rdbuf();
  try {
    return FromJson(text.str());
  } catch (const SiteError& error) {
    throw SiteError(path + ": " + error.what());
  }
}

}  // namespace desktop::web
