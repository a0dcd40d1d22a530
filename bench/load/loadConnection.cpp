#include "loadConnection.h"

namespace sonarch::load {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;

void ConnectGate::enter(std::function<void()> open) {
    if (open_ < atOnce_) {
        ++open_;
        open();
    } else {
        waiting_.push_back(std::move(open));
    }
}

void ConnectGate::leave() {
    --open_;
    if (waiting_.empty()) return;
    ++open_;
    auto next = std::move(waiting_.front());
    waiting_.pop_front();
    next();
}

LoadConnection::LoadConnection(asio::io_context& io, ConnectGate& gate, int port, Owner owner)
    : ws_(io), gate_(gate), port_(port), owner_(std::move(owner)) {}

void LoadConnection::open() {
    gate_.enter([self = shared_from_this()] {
        auto& stream = beast::get_lowest_layer(self->ws_);
        stream.expires_after(std::chrono::seconds(30));
        const tcp::endpoint server(asio::ip::make_address_v4("127.0.0.1"), static_cast<unsigned short>(self->port_));
        stream.async_connect(server, [self](beast::error_code error) {
            if (error) return self->handshaken(error);
            self->ws_.async_handshake("127.0.0.1:" + std::to_string(self->port_), "/play",
                                      [self](beast::error_code error) { self->handshaken(error); });
        });
    });
}

void LoadConnection::handshaken(beast::error_code error) {
    gate_.leave();
    if (error) return ended();
    beast::get_lowest_layer(ws_).expires_never();
    // A board of a large map with every name is well below the codec's
    // megabyte; a frame beyond it is the server gone wrong.
    ws_.read_message_max(1024 * 1024 + 1024);
    open_ = true;
    if (owner_.opened) owner_.opened();
    read();
    write();
}

void LoadConnection::read() {
    ws_.async_read(buffer_, [self = shared_from_this()](beast::error_code error, std::size_t) {
        if (error) return self->ended();
        const auto data = self->buffer_.cdata();
        if (self->owner_.received)
            self->owner_.received(std::string_view(static_cast<const char*>(data.data()), data.size()));
        self->buffer_.consume(self->buffer_.size());
        if (!self->ended_) self->read();
    });
}

void LoadConnection::send(std::string text) {
    if (ended_) return;
    queue_.push_back(std::move(text));
    write();
}

void LoadConnection::write() {
    if (!open_ || writing_ || queue_.empty() || ended_) return;
    writing_ = true;
    ws_.text(true);
    ws_.async_write(asio::buffer(queue_.front()), [self = shared_from_this()](beast::error_code error, std::size_t) {
        self->writing_ = false;
        if (error) return self->ended();
        self->queue_.pop_front();
        self->write();
    });
}

void LoadConnection::close() {
    if (ended_) return;
    beast::error_code ignored;
    beast::get_lowest_layer(ws_).socket().close(ignored);
}

void LoadConnection::ended() {
    if (ended_) return;
    ended_ = true;
    open_ = false;
    beast::error_code ignored;
    beast::get_lowest_layer(ws_).socket().close(ignored);
    if (owner_.closed) owner_.closed();
}

}  // namespace sonarch::load
