// What a look at a theme found: faults stop a build, notes do not.
#pragma once

#include <string>
#include <vector>

namespace theme {

struct Finding {
  enum class Kind { kFault, kNote };
  Kind kind;
  std::string file;  // relative to the theme folder
  std::string message;
};

class Findings {
 public:
  void Fault(const std::string& file, const std::string& message) {
    list_.push_back({Finding::Kind::kFault, file, message});
  }
  void Note(const std::string& file, const std::string& message) {
    list_.push_back({Finding::Kind::kNote, file, message});
  }
  const std::vector<Finding>& List() const { return list_; }
  bool HasFaults() const {
    for (const Finding& f : list_) {
      if (f.kind == Finding::Kind::kFault) return true;
    }
    return false;
  }

 private:
  std::vector<Finding> list_;
};

}  // namespace theme
