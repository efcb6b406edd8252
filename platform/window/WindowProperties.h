// The named values of one window (SetPropA, GetPropA, RemovePropA). Names
// compare without regard to case, like the atoms they are on Windows.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <strings.h>

namespace user {

class WindowProperties {
  public:
    using Value = std::intptr_t; // user::HANDLE

    void Set(const std::string& name, Value value) { values_[name] = value; }
    Value Get(const std::string& name) const {
        auto found = values_.find(name);
        return found == values_.end() ? 0 : found->second;
    }
    // Returns the value removed, 0 when the name was absent.
    Value Remove(const std::string& name) {
        auto found = values_.find(name);
        if (found == values_.end())
            return 0;
        const Value value = found->second;
        values_.erase(found);
        return value;
    }

  private:
    struct CaseInsensitiveLess {
        bool operator()(const std::string& a, const std::string& b) const {
            return strcasecmp(a.c_str(), b.c_str()) < 0;
        }
    };
    std::map<std::string, Value, CaseInsensitiveLess> values_;
};

} // namespace user
