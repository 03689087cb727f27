#pragma once
// Binds message numbers to member handlers of one object. Platform-free: the
// Win32 classes instantiate it with LRESULT, WPARAM and LPARAM.
#include <cstdint>
#include <map>

template <class Owner, class Result, class WParam, class LParam>
class MessageMap {
public:
    using Handler = Result (Owner::*)(std::uint32_t message, WParam wParam, LParam lParam);

    // The first handler inserted for a message stays; later inserts are ignored.
    bool Insert(std::uint32_t message, Handler handler) {
        return handlers_.emplace(message, handler).second;
    }

    // Calls the handler for the message and stores its result; false when the
    // map has none, so the caller falls back to the next map up the chain.
    bool Dispatch(Owner& owner, std::uint32_t message, WParam wParam, LParam lParam,
                  Result& result) const {
        auto found = handlers_.find(message);
        if (found == handlers_.end() || found->second == nullptr) return false;
        result = (owner.*(found->second))(message, wParam, lParam);
        return true;
    }

    bool Contains(std::uint32_t message) const { return handlers_.count(message) != 0; }
    std::size_t Size() const { return handlers_.size(); }
    void Clear() { handlers_.clear(); }

private:
    std::map<std::uint32_t, Handler> handlers_;
};
