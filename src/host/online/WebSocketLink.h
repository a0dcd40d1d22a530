// One WebSocket connection to a game server, kept on a thread of its own so
// that the game's loop never waits on the network: what arrives is queued
// and wakes the host's loop (a descriptor becomes readable on Linux), and the
// host hands it over in its own loop like a key. Sending only queues the text.
// In the page the browser's own WebSocket carries it instead
// (host/web/browserLink.cpp): no thread and no descriptor, and waitFor,
// which may not block there, asks for the wake when the time is up.
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#ifndef __EMSCRIPTEN__
#include <mutex>
#include <thread>
#endif

namespace sonarch {

// Where a server is, as it prints its address (http://HOST:PORT/) or as
// ws://HOST:PORT/play; https:// and wss:// go over TLS, in a build that has
// it (the Windows program has none).
struct ServerAddress {
    std::string host;
    std::string port;
    bool secure = false;
};
std::optional<ServerAddress> serverAddressOf(std::string_view url, std::string& whyNot);

struct LinkEvent {
    enum class Kind { Connected, Message, Lost };
    Kind kind = Kind::Message;
    std::string text;  // the message, or why the connection was lost
};

class WebSocketLink {
public:
    explicit WebSocketLink(ServerAddress address);
    ~WebSocketLink();
    WebSocketLink(const WebSocketLink&) = delete;
    WebSocketLink& operator=(const WebSocketLink&) = delete;

    // Connects, or connects again after a loss; a Connected or a Lost event follows.
    void connect();
    void send(std::string text);
    void close();
    // What arrived since the last call, in order.
    std::vector<LinkEvent> take();
    // Waits without spinning until an event arrives or the time is up.
    void waitFor(std::chrono::milliseconds most) const;
    // Called on the link's thread after each event arrives.
    void wakeWith(std::function<void()> wake);
    // Readable while events wait to be taken; -1 where there is no descriptor.
    int readableWhenWaiting() const { return wakeFd_; }

private:
    struct Session;
    void arrived(LinkEvent event);

    ServerAddress address_;
    int wakeFd_ = -1;
#ifndef __EMSCRIPTEN__
    std::mutex mutex_;
#endif
    std::deque<LinkEvent> events_;
    std::function<void()> wake_;
    std::unique_ptr<Session> session_;
#ifndef __EMSCRIPTEN__
    std::thread thread_;
#endif
};

}  // namespace sonarch
