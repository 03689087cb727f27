#pragma once
// Everything a control's picture depends on, written down value by value, so
// that a paint can tell whether the picture it kept is still the right one.
// Platform-free.
#include <cstdint>
#include <string>
#include <vector>

namespace vo {

class LookKey {
public:
    template <class Number>
    LookKey& operator<<(Number value) {
        values_.push_back(static_cast<std::int64_t>(value));
        return *this;
    }
    LookKey& operator<<(const std::wstring& text) {
        values_.push_back(static_cast<std::int64_t>(text.size()));
        values_.insert(values_.end(), text.begin(), text.end());
        return *this;
    }
    bool operator==(const LookKey& other) const { return values_ == other.values_; }
    bool operator!=(const LookKey& other) const { return !(*this == other); }
    bool Empty() const { return values_.empty(); }
    void Clear() { values_.clear(); }

private:
    std::vector<std::int64_t> values_;
};

}  // namespace vo
