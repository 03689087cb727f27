#pragma once
// Process-wide map from a native window handle to the object that owns it.
// Platform-free: the key is any ordered handle type.
#include <map>

template <class Handle, class Object>
class HandleRegistry {
public:
    // An insert for a handle already present keeps the existing entry.
    bool Insert(Handle handle, Object* object) { return entries_.emplace(handle, object).second; }

    Object* Find(Handle handle) const {
        auto found = entries_.find(handle);
        return found == entries_.end() ? nullptr : found->second;
    }

    bool Contains(Handle handle) const { return entries_.count(handle) != 0; }
    bool Erase(Handle handle) { return entries_.erase(handle) != 0; }
    std::size_t Size() const { return entries_.size(); }

    // Routes a message to the registered object, or to the fallback for handles
    // that have none (messages sent during creation or after destruction).
    template <class Routed, class Fallback>
    auto Route(Handle handle, Routed&& routed, Fallback&& fallback) const {
        if (Object* object = Find(handle)) return routed(*object);
        return fallback();
    }

private:
    std::map<Handle, Object*> entries_;
};
