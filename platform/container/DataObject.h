// The data carried by a drag-and-drop operation: bytes per clipboard format.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace container {

class DataObject {
  public:
    void SetData(std::int16_t format, std::string data) { formats_[format] = std::move(data); }
    std::optional<std::string> GetData(std::int16_t format) const {
        auto found = formats_.find(format);
        if (found == formats_.end())
            return std::nullopt;
        return found->second;
    }
    bool GetFormat(std::int16_t format) const { return formats_.count(format) != 0; }
    void Clear() { formats_.clear(); }

  private:
    std::map<std::int16_t, std::string> formats_;
};

} // namespace container
