#pragma once
// Plain callbacks for whoever follows a session (a window, a companion window): added under an id
// the owner hands out, removed by it, called in the order they were added. The session is core
// code: no signals.

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace brakefell {

using ListenerId = int;

template <typename... Args>
class ListenerList {
  public:
    using Listener = std::function<void(Args...)>;

    void add(ListenerId id, Listener listener) { listeners_.push_back({id, std::move(listener)}); }

    void remove(ListenerId id) {
        std::erase_if(listeners_, [id](const Entry& entry) { return entry.id == id; });
    }

    // A listener may add or remove listeners while it is called: those called are the ones there
    // when the call began and not removed since (a window gone takes its listener with it).
    void call(const Args&... args) const {
        const std::vector<Entry> now = listeners_;
        for (const Entry& entry : now) {
            if (std::any_of(listeners_.begin(), listeners_.end(),
                            [&](const Entry& still) { return still.id == entry.id; })) {
                entry.listener(args...);
            }
        }
    }

  private:
    struct Entry {
        ListenerId id;
        Listener listener;
    };
    std::vector<Entry> listeners_;
};

}  // namespace brakefell
