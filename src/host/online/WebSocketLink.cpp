#include "host/online/WebSocketLink.h"

#include <boost/asio/connect.hpp>
#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/websocket.hpp>
#ifdef SONARCH_TLS
#include <boost/asio/ssl.hpp>
#include <boost/beast/ssl.hpp>
#include <boost/beast/websocket/ssl.hpp>
#endif

#include <functional>

#include "host/online/arrivalSignal.h"
#include "net/protocol.h"

namespace sonarch {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;

namespace {

// One connection, replaced whole by the next when it is lost: a late
// callback of an old one finds it no longer current and does nothing.
class Connection : public std::enable_shared_from_this<Connection> {
public:
    virtual ~Connection() = default;
    virtual void start() = 0;
    virtual void send(std::string text) = 0;
    virtual void close() = 0;
};

template <typename Stream>
class ConnectionOn final : public Connection {
public:
    using Report = std::function<void(const Connection*, LinkEvent)>;
    // streamArgs: what the stream is made of (the io_context, and the TLS context for a secure one).
    template <typename... StreamArgs>
    ConnectionOn(asio::io_context& io, ServerAddress address, Report report, StreamArgs&... streamArgs)
        : resolver_(io), ws_(streamArgs...), address_(std::move(address)), report_(std::move(report)) {}

    void start() override {
        auto self = shared();
        resolver_.async_resolve(address_.host, address_.port, [self](beast::error_code error, auto results) {
            if (error) return self->lost("the server's address was not found");
            beast::get_lowest_layer(self->ws_).expires_after(std::chrono::seconds(10));
            beast::get_lowest_layer(self->ws_).async_connect(
                results, [self](beast::error_code error, const tcp::endpoint&) {
                    if (error) return self->lost("the server did not answer");
                    self->secureThenHandshake();
                });
        });
    }

    void send(std::string text) override {
        outgoing_.push_back(std::move(text));
        if (open_ && outgoing_.size() == 1) writeNext();
    }

    void close() override {
        closing_ = true;
        if (!open_) return;
        open_ = false;
        ws_.async_close(websocket::close_code::going_away, [self = shared()](beast::error_code) {});
    }

private:
    std::shared_ptr<ConnectionOn> shared() { return std::static_pointer_cast<ConnectionOn>(shared_from_this()); }

    void secureThenHandshake() {
#ifdef SONARCH_TLS
        if constexpr (!std::is_same_v<Stream, websocket::stream<beast::tcp_stream>>) {
            SSL_set_tlsext_host_name(ws_.next_layer().native_handle(), address_.host.c_str());
            ws_.next_layer().async_handshake(asio::ssl::stream_base::client,
                                             [self = shared()](beast::error_code error) {
                                                 if (error) return self->lost("the secure connection failed");
                                                 self->handshake();
                                             });
            return;
        }
#endif
        handshake();
    }

    void handshake() {
        beast::get_lowest_layer(ws_).expires_never();
        ws_.set_option(websocket::stream_base::timeout::suggested(beast::role_type::client));
        ws_.read_message_max(net::maxServerMessageBytes);
        ws_.async_handshake(address_.host + ":" + address_.port, "/play", [self = shared()](beast::error_code error) {
            if (error) return self->lost("the server refused the game's connection");
            self->open_ = true;
            self->report_(self.get(), {LinkEvent::Kind::Connected, {}});
            if (!self->outgoing_.empty()) self->writeNext();
            self->readNext();
        });
    }

    void readNext() {
        ws_.async_read(buffer_, [self = shared()](beast::error_code error, std::size_t) {
            if (error) return self->lost(error == websocket::error::closed ? "the server closed the connection"
                                                                            : "the connection broke");
            self->report_(self.get(), {LinkEvent::Kind::Message, beast::buffers_to_string(self->buffer_.data())});
            self->buffer_.consume(self->buffer_.size());
            self->readNext();
        });
    }

    void writeNext() {
        ws_.text(true);
        ws_.async_write(asio::buffer(outgoing_.front()), [self = shared()](beast::error_code error, std::size_t) {
            if (error) return self->lost("the connection broke");
            self->outgoing_.pop_front();
            if (!self->outgoing_.empty()) self->writeNext();
        });
    }

    void lost(std::string why) {
        open_ = false;
        if (closing_ || reported_) return;
        reported_ = true;
        report_(this, {LinkEvent::Kind::Lost, std::move(why)});
    }

    tcp::resolver resolver_;
    Stream ws_;
    ServerAddress address_;
    Report report_;
    beast::flat_buffer buffer_;
    std::deque<std::string> outgoing_;
    bool open_ = false;
    bool closing_ = false;
    bool reported_ = false;
};

}  // namespace

struct WebSocketLink::Session {
    asio::io_context io;
    asio::executor_work_guard<asio::io_context::executor_type> work{io.get_executor()};
#ifdef SONARCH_TLS
    asio::ssl::context tls{asio::ssl::context::tls_client};
#endif
    std::shared_ptr<Connection> current;
    ArrivalSignal arrival;
};

WebSocketLink::WebSocketLink(ServerAddress address)
    : address_(std::move(address)), session_(std::make_unique<Session>()) {
    wakeFd_ = session_->arrival.descriptor();
#ifdef SONARCH_TLS
    session_->tls.set_default_verify_paths();
    session_->tls.set_verify_mode(asio::ssl::verify_peer);
#endif
    thread_ = std::thread([this] { session_->io.run(); });
}

WebSocketLink::~WebSocketLink() {
    close();
    session_->work.reset();
    // A close that the server never answers must not hold the program.
    asio::post(session_->io, [this] {
        auto timer = std::make_shared<asio::steady_timer>(session_->io, std::chrono::seconds(2));
        timer->async_wait([this, timer](beast::error_code) { session_->io.stop(); });
    });
    thread_.join();
    session_->current.reset();
}

void WebSocketLink::connect() {
    asio::post(session_->io, [this] {
        if (session_->current) session_->current->close();
        auto report = [this](const Connection* from, LinkEvent event) {
            if (from == session_->current.get()) arrived(std::move(event));
        };
        using Plain = websocket::stream<beast::tcp_stream>;
#ifdef SONARCH_TLS
        using Secure = websocket::stream<beast::ssl_stream<beast::tcp_stream>>;
        if (address_.secure) {
            session_->current =
                std::make_shared<ConnectionOn<Secure>>(session_->io, address_, report, session_->io, session_->tls);
            session_->current->start();
            return;
        }
#endif
        session_->current = std::make_shared<ConnectionOn<Plain>>(session_->io, address_, report, session_->io);
        session_->current->start();
    });
}

void WebSocketLink::send(std::string text) {
    asio::post(session_->io, [this, text = std::move(text)]() mutable {
        if (session_->current) session_->current->send(std::move(text));
    });
}

void WebSocketLink::close() {
    asio::post(session_->io, [this] {
        if (session_->current) session_->current->close();
    });
}

void WebSocketLink::wakeWith(std::function<void()> wake) {
    const std::lock_guard lock(mutex_);
    wake_ = std::move(wake);
}

void WebSocketLink::arrived(LinkEvent event) {
    std::function<void()> wake;
    {
        const std::lock_guard lock(mutex_);
        events_.push_back(std::move(event));
        wake = wake_;
    }
    session_->arrival.raise();
    if (wake) wake();
}

std::vector<LinkEvent> WebSocketLink::take() {
    session_->arrival.clear();
    const std::lock_guard lock(mutex_);
    std::vector<LinkEvent> taken(std::make_move_iterator(events_.begin()), std::make_move_iterator(events_.end()));
    events_.clear();
    return taken;
}

void WebSocketLink::waitFor(std::chrono::milliseconds most) const { session_->arrival.waitFor(most); }

}  // namespace sonarch
