// One WebSocket to the server's /play on 127.0.0.1, asynchronous on the
// tester's one io_context: it opens when the gate lets it, hands every text
// frame to its owner, and writes what it is given in order.
#pragma once

#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/websocket.hpp>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace sonarch::load {

// Opening thousands of connections at once would only overflow the
// server's backlog; a few hundred handshakes at a time keep it busy.
class ConnectGate {
public:
    explicit ConnectGate(int atOnce) : atOnce_(atOnce) {}
    void enter(std::function<void()> open);
    void leave();

private:
    int atOnce_;
    int open_ = 0;
    std::deque<std::function<void()>> waiting_;
};

class LoadConnection : public std::enable_shared_from_this<LoadConnection> {
public:
    struct Owner {
        std::function<void()> opened;
        std::function<void(std::string_view)> received;
        std::function<void()> closed;
    };
    LoadConnection(boost::asio::io_context& io, ConnectGate& gate, int port, Owner owner);
    void open();
    void send(std::string text);
    bool isOpen() const { return open_; }
    void close();

private:
    void handshaken(boost::beast::error_code error);
    void read();
    void write();
    void ended();

    boost::beast::websocket::stream<boost::beast::tcp_stream> ws_;
    ConnectGate& gate_;
    int port_;
    Owner owner_;
    boost::beast::flat_buffer buffer_;
    std::deque<std::string> queue_;
    bool writing_ = false;
    bool open_ = false;
    bool ended_ = false;
};

}  // namespace sonarch::load
