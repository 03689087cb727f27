#pragma once
// Lets an object learn whether it still lives after a call that may delete
// it (a parent deleting a control from inside its notification handler).
// Platform-free.
#include <memory>

namespace vo {

class LifeGuard {
public:
    class Watch {
    public:
        explicit Watch(const std::shared_ptr<char>& token) : token_(token) {}
        bool Alive() const { return !token_.expired(); }

    private:
        std::weak_ptr<char> token_;
    };

    // Taken on the stack before the call; asked after it.
    Watch Observe() const { return Watch(token_); }

private:
    std::shared_ptr<char> token_ = std::make_shared<char>(0);
};

}  // namespace vo
