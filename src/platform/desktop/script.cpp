#include "platform/desktop/script.h"

#include <cctype>
#include <sstream>
#include <vector>

#include "platform/api/user_constants.h"

namespace desktop {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::vector<std::string> Words(const std::string& step) {
  std::istringstream in(step);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(Lower(word));
  return words;
}

bool ParseMilliseconds(const std::string& text, DWORD* ms) {
  if (text.empty() || text.size() > 9) return false;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  *ms = static_cast<DWORD>(std::stoul(text));
  return true;
}

int AnswerForName(const std::string& name) {
  if (name == "ok") return IDOK;
  if (name == "cancel") return IDCANCEL;
  if (name == "yes") return IDYES;
  if (name == "no") return IDNO;
  return 0;
}

bool ParseCoordinate(const std::string& text, LONG* value) {
  DWORD parsed = 0;
  if (!ParseMilliseconds(text, &parsed) || parsed > 65535) return false;
  *value = static_cast<LONG>(parsed);
  return true;
}

bool ParseStep(const std::vector<std::string>& w, HeadlessHost& host, std::string* error) {
  if (w[0] == "move" || w[0] == "click") {
    POINT p{0, 0};
    if (w.size() != 3 || !ParseCoordinate(w[1], &p.x) || !ParseCoordinate(w[2], &p.y)) {
      return *error = w[0] + " takes a screen point, x and y", false;
    }
    if (w[0] == "move") host.MoveMouse(p);
    else host.Click(p);
    return true;
  }
  if (w[0] == "wait") {
    DWORD ms = 0;
    if (w.size() != 2 || !ParseMilliseconds(w[1], &ms)) return *error = "wait takes milliseconds", false;
    host.Wait(ms);
    return true;
  }
  if (w[0] == "key") {
    if (w.size() != 2) return *error = "key takes one key name", false;
    std::string name = w[1];
    bool alt = name.rfind("alt+", 0) == 0;
    if (alt) name = name.substr(4);
    int key = VirtualKeyForName(name);
    if (!key) return *error = "unknown key \"" + w[1] + "\"", false;
    if (alt) host.PressWithAlt(key);
    else host.Press(key);
    return true;
  }
  if (w[0] == "answer") {
    int result = w.size() >= 2 ? AnswerForName(w[1]) : 0;
    DWORD after = 0;
    bool ok = result != 0 && (w.size() == 2 || (w.size() == 4 && w[2] == "after" &&
                                                 ParseMilliseconds(w[3], &after)));
    if (!ok) return *error = "answer takes ok, cancel, yes or no, and optionally after MS", false;
    host.AnswerBox(result, after);
    return true;
  }
  if (w[0] == "menu") {
    DWORD command = 0, after = 0;
    bool dismiss = w.size() >= 2 && w[1] == "dismiss";
    bool ok = w.size() >= 2 && (dismiss || (ParseMilliseconds(w[1], &command) && command != 0)) &&
              (w.size() == 2 || (w.size() == 4 && w[2] == "after" && ParseMilliseconds(w[3], &after)));
    if (!ok) return *error = "menu takes a command id or dismiss, and optionally after MS", false;
    if (dismiss) host.DismissMenu(after);
    else host.ChooseMenuItem(static_cast<UINT>(command), after);
    return true;
  }
  *error = "unknown step \"" + w[0] + "\"";
  return false;
}

}  // namespace

int VirtualKeyForName(const std::string& name) {
  std::string n = Lower(name);
  if (n == "enter" || n == "return") return VK_RETURN;
  if (n == "esc" || n == "escape") return VK_ESCAPE;
  if (n == "tab") return VK_TAB;
  if (n == "space") return VK_SPACE;
  if (n == "backspace") return VK_BACK;
  if (n == "left") return VK_LEFT;
  if (n == "right") return VK_RIGHT;
  if (n == "up") return VK_UP;
  if (n == "down") return VK_DOWN;
  if (n.size() >= 2 && n[0] == 'f' && std::isdigit(static_cast<unsigned char>(n[1]))) {
    int number = std::atoi(n.c_str() + 1);
    if (number >= 1 && number <= 12) return 0x70 + number - 1;
    return 0;
  }
  if (n.size() == 1 && std::isalnum(static_cast<unsigned char>(n[0]))) {
    return std::toupper(static_cast<unsigned char>(n[0]));
  }
  return 0;
}

bool ParseScript(const std::string& text, HeadlessHost& host, std::string* error) {
  std::string step;
  int number = 0;
  auto finish = [&]() {
    std::vector<std::string> words = Words(step);
    step.clear();
    if (words.empty()) return true;
    ++number;
    std::string why;
    if (ParseStep(words, host, &why)) return true;
    *error = "step " + std::to_string(number) + ": " + why;
    return false;
  };
  for (char c : text) {
    if (c == ';' || c == '\n') {
      if (!finish()) return false;
    } else {
      step.push_back(c);
    }
  }
  return finish();
}

}  // namespace desktop
