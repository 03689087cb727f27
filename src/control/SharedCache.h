#pragma once
// Sharing of what is costly to make and cheap to keep (skin pieces, fonts,
// gradient slices): one value per key for as long as any holder keeps it,
// released when the last holder lets go. Platform-free; one GUI thread, no locks.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace vo {

template <class Key, class Value>
class SharedCache {
public:
    using Handle = std::shared_ptr<const Value>;

    // The live value for `key`, or a new one from `make()`, which returns a
    // std::unique_ptr<Value>.
    template <class Make>
    Handle Acquire(const Key& key, Make&& make) {
        auto found = entries_.find(key);
        if (found != entries_.end()) {
            if (Handle live = found->second.lock()) return live;
        }
        // Misses are rare, so they pay for keeping the map to live values.
        SweepExpired();
        Handle made(make());
        entries_[key] = made;
        ++made_;
        return made;
    }

    std::size_t Live() const {
        return static_cast<std::size_t>(std::count_if(
            entries_.begin(), entries_.end(), [](const auto& entry) { return !entry.second.expired(); }));
    }
    // Values made since the start: what a test counts to see the sharing.
    std::size_t Made() const { return made_; }

private:
    void SweepExpired() {
        for (auto entry = entries_.begin(); entry != entries_.end();)
            entry = entry->second.expired() ? entries_.erase(entry) : std::next(entry);
    }

    std::map<Key, std::weak_ptr<const Value>> entries_;
    std::size_t made_ = 0;
};

// One holder's own few values from a shared cache: what it used recently
// stays at hand, so repeated paints touch no shared map and make nothing; the
// least recently used goes beyond `capacity`, so changing paths or fonts
// cannot grow it without bound. A value got stays valid until `capacity`
// other keys have been asked for.
template <class Key, class Value>
class LocalMemo {
public:
    explicit LocalMemo(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {}

    template <class Make>
    const Value& Get(SharedCache<Key, Value>& cache, const Key& key, Make&& make) {
        for (Entry& entry : entries_) {
            if (entry.key == key) {
                entry.used = ++clock_;
                return *entry.value;
            }
        }
        if (entries_.size() >= capacity_) {
            entries_.erase(std::min_element(entries_.begin(), entries_.end(),
                                            [](const Entry& a, const Entry& b) { return a.used < b.used; }));
        }
        entries_.push_back({key, cache.Acquire(key, std::forward<Make>(make)), ++clock_});
        return *entries_.back().value;
    }

    std::size_t Size() const { return entries_.size(); }
    void Clear() { entries_.clear(); }

private:
    struct Entry {
        Key key;
        std::shared_ptr<const Value> value;
        std::uint64_t used;
    };
    std::size_t capacity_;
    std::vector<Entry> entries_;
    std::uint64_t clock_ = 0;
};

}  // namespace vo
