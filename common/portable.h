// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the plain C++ libraries take from a standard library that not every
// C++20 library has yet (the WebAssembly build's lacks these): stop tokens,
// for work that can be asked to stop. Where the standard library has them,
// these are its own types, so that std::jthread hands its token straight on;
// elsewhere a small stand-in with the same meaning.
#pragma once

#include <version>

#if defined(__cpp_lib_jthread)
#include <stop_token>
#else
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>
#endif

namespace discone {

#if defined(__cpp_lib_jthread)

using StopToken = std::stop_token;
using StopSource = std::stop_source;
template <class Callback> using StopCallback = std::stop_callback<Callback>;

#else

namespace portable {

// The state a source and its tokens share: the request, and the callbacks
// to run when it comes.
struct StopState {
    std::mutex mutex;
    bool requested = false;
    std::uint64_t next = 0;
    std::vector<std::pair<std::uint64_t, std::function<void()>>> callbacks;
};

} // namespace portable

class StopToken {
public:
    StopToken() = default;
    bool stop_requested() const noexcept {
        if (!state_)
            return false;
        const std::lock_guard lock(state_->mutex);
        return state_->requested;
    }
    bool stop_possible() const noexcept { return state_ != nullptr; }

private:
    friend class StopSource;
    template <class> friend class StopCallback;
    explicit StopToken(std::shared_ptr<portable::StopState> state) : state_(std::move(state)) {}
    std::shared_ptr<portable::StopState> state_;
};

class StopSource {
public:
    StopSource() : state_(std::make_shared<portable::StopState>()) {}
    StopToken get_token() const noexcept { return StopToken(state_); }
    bool stop_requested() const noexcept { return get_token().stop_requested(); }
    // True for the call that made the request.
    bool request_stop() {
        std::vector<std::pair<std::uint64_t, std::function<void()>>> callbacks;
        {
            const std::lock_guard lock(state_->mutex);
            if (state_->requested)
                return false;
            state_->requested = true;
            callbacks.swap(state_->callbacks);
        }
        for (auto& [id, callback] : callbacks)
            callback();
        return true;
    }

private:
    std::shared_ptr<portable::StopState> state_;
};

// Runs `callback` once when the token's stop is requested, at once if it
// already is; never after the callback object is gone.
template <class Callback> class StopCallback {
public:
    template <class C>
    explicit StopCallback(const StopToken& token, C&& callback) : state_(token.state_) {
        if (!state_)
            return;
        std::unique_lock lock(state_->mutex);
        if (state_->requested) {
            lock.unlock();
            std::forward<C>(callback)();
            return;
        }
        id_ = ++state_->next;
        state_->callbacks.emplace_back(id_, std::function<void()>(std::forward<C>(callback)));
    }
    ~StopCallback() {
        if (!state_ || id_ == 0)
            return;
        const std::lock_guard lock(state_->mutex);
        std::erase_if(state_->callbacks, [this](const auto& entry) { return entry.first == id_; });
    }
    StopCallback(const StopCallback&) = delete;
    StopCallback& operator=(const StopCallback&) = delete;

private:
    std::shared_ptr<portable::StopState> state_;
    std::uint64_t id_ = 0;
};

template <class Callback> StopCallback(StopToken, Callback) -> StopCallback<Callback>;

#endif

} // namespace discone
