// The network side of the server, and the one file that compiles Beast and
// Asio: one port for the page, the health and figures, and the WebSocket
// at /play. A single thread runs every connection and every room; the store
// writes on its own thread and hands the telling back here.
#include "host/server/serve.h"

#include <sys/resource.h>

#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <deque>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>

#include "host/harmlessText.h"
#include "host/server/Lobby.h"
#include "host/server/Metrics.h"
#include "host/server/RedisStore.h"
#include "host/server/RoomStore.h"
#include "host/server/mapShelf.h"
#include "host/server/webFiles.h"

namespace sonarch::server {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;

namespace {

// A message far beyond the protocol's limit closes the connection unread;
// one a little beyond it is read and refused with a sentence.
constexpr std::size_t largestFrame = 64 * 1024;
constexpr auto requestTime = std::chrono::seconds(10);

class Hub;

class Link : public std::enable_shared_from_this<Link> {
public:
    Link(Hub& hub, ConnectionId id, beast::tcp_stream stream, std::size_t maxQueued)
        : hub_(hub), id_(id), ws_(std::move(stream)), maxQueued_(maxQueued) {}

    void accept(http::request<http::string_body> request);
    void send(const Letter& letter);
    bool behind() const;
    void closeWhenSent();
    void drop();

private:
    void read();
    void write();
    void finished();

    Hub& hub_;
    ConnectionId id_;
    websocket::stream<beast::tcp_stream> ws_;
    beast::flat_buffer buffer_;
    std::deque<Letter> queue_;
    std::size_t queuedBytes_ = 0;
    std::size_t maxQueued_;
    // When the write under way began: a client is behind only when one has
    // waited long, not when a computer player's whole turn is queued at once.
    std::chrono::steady_clock::time_point writeStarted_{};
    bool writing_ = false;
    bool closing_ = false;
    bool done_ = false;
};

class Hub final : public Wire {
public:
    Hub(asio::io_context& io, const ServeOptions& options, std::string ownOrigin, Metrics& metrics,
        WebFiles& web)
        : io_(io), options_(options), ownOrigin_(std::move(ownOrigin)), metrics_(metrics), web_(web) {}

    void setLobby(Lobby* lobby) { lobby_ = lobby; }
    // Called once the server stops and its last link has ended.
    void whenAllEnded(std::function<void()> done) {
        allEnded_ = std::move(done);
        if (links_.empty()) allEnded_();
    }
    void accepted(tcp::socket socket);
    void stop() { accepting_ = false; }
    // With a shared store, the server is healthy only while it reaches it.
    void healthyWhen(std::function<bool()> healthy) { healthy_ = std::move(healthy); }

    void send(const Letter& letter) override {
        if (const auto found = links_.find(letter.to); found != links_.end()) found->second->send(letter);
    }
    void close(ConnectionId connection) override {
        if (const auto found = links_.find(connection); found != links_.end()) found->second->closeWhenSent();
    }

    // Called once by each link as it ends.
    void ended(ConnectionId connection) {
        links_.erase(connection);
        lobby_->closed(connection);
        if (links_.empty() && allEnded_) allEnded_();
    }
    void received(ConnectionId connection, std::string_view text) { lobby_->received(connection, text); }

private:
    void readRequest(std::shared_ptr<beast::tcp_stream> stream);
    void answer(std::shared_ptr<beast::tcp_stream> stream, http::request<http::string_body>& request);
    bool originAllowed(const http::request<http::string_body>& request) const;
    void respond(std::shared_ptr<beast::tcp_stream> stream, http::status status, std::string body,
                 std::string type, unsigned version);

    asio::io_context& io_;
    const ServeOptions& options_;
    std::string ownOrigin_;
    Metrics& metrics_;
    WebFiles& web_;
    Lobby* lobby_ = nullptr;
    bool accepting_ = true;
    ConnectionId nextId_ = 1;
    std::map<ConnectionId, std::shared_ptr<Link>> links_;
    std::function<void()> allEnded_;
    std::function<bool()> healthy_;
};

void Hub::accepted(tcp::socket socket) {
    auto stream = std::make_shared<beast::tcp_stream>(std::move(socket));
    readRequest(stream);
}

void Hub::readRequest(std::shared_ptr<beast::tcp_stream> stream) {
    auto buffer = std::make_shared<beast::flat_buffer>();
    auto parser = std::make_shared<http::request_parser<http::string_body>>();
    parser->header_limit(8 * 1024);
    parser->body_limit(8 * 1024);
    stream->expires_after(requestTime);
    http::async_read(*stream, *buffer, *parser,
                     [this, stream, buffer, parser](beast::error_code error, std::size_t) {
                         if (error) return;
                         auto request = parser->release();
                         answer(stream, request);
                     });
}

bool Hub::originAllowed(const http::request<http::string_body>& request) const {
    const auto found = request.find(http::field::origin);
    // Programs that are not browsers send no Origin; a page elsewhere that
    // a browser runs always does, and is kept out.
    if (found == request.end()) return true;
    const std::string origin(found->value());
    if (origin == ownOrigin_) return true;
    for (const std::string& allowed : options_.allowedOrigins)
        if (origin == allowed) return true;
    return false;
}

void Hub::answer(std::shared_ptr<beast::tcp_stream> stream, http::request<http::string_body>& request) {
    const std::string target(request.target());
    if (websocket::is_upgrade(request)) {
        if (target != "/play")
            return respond(stream, http::status::not_found, "Not found.\n", "text/plain", request.version());
        if (!accepting_)
            return respond(stream, http::status::service_unavailable, "The server is stopping.\n", "text/plain",
                           request.version());
        if (!originAllowed(request))
            return respond(stream, http::status::forbidden, "This page may not play here.\n", "text/plain",
                           request.version());
        beast::error_code error;
        const auto remote = stream->socket().remote_endpoint(error);
        if (error) return;
        const ConnectionId id = nextId_++;
        if (!lobby_->admit(id, remote.address().to_string()))
            return respond(stream, http::status::too_many_requests, "Too many connections from here.\n",
                           "text/plain", request.version());
        auto link = std::make_shared<Link>(*this, id, std::move(*stream), options_.maxQueuedBytes);
        links_[id] = link;
        link->accept(std::move(request));
        return;
    }
    if (request.method() != http::verb::get && request.method() != http::verb::head)
        return respond(stream, http::status::method_not_allowed, "Only GET.\n", "text/plain", request.version());
    if (target == "/healthz") {
        if (!accepting_)
            return respond(stream, http::status::service_unavailable, "stopping", "text/plain", request.version());
        if (healthy_ && !healthy_())
            return respond(stream, http::status::service_unavailable, "the rooms' store cannot be reached",
                           "text/plain", request.version());
        return respond(stream, http::status::ok, "ok", "text/plain", request.version());
    }
    if (target == "/metrics")
        return respond(stream, http::status::ok, metrics_.text(), "text/plain; version=0.0.4", request.version());
    if (auto file = web_.find(target))
        return respond(stream, http::status::ok, std::move(file->body), file->contentType, request.version());
    respond(stream, http::status::not_found, "Not found.\n", "text/plain", request.version());
}

void Hub::respond(std::shared_ptr<beast::tcp_stream> stream, http::status status, std::string body,
                  std::string type, unsigned version) {
    auto response = std::make_shared<http::response<http::string_body>>(status, version);
    response->set(http::field::server, "sonarch");
    response->set(http::field::content_type, type);
    response->set(http::field::cache_control, "no-store");
    response->keep_alive(false);
    response->body() = std::move(body);
    response->prepare_payload();
    stream->expires_after(requestTime);
    http::async_write(*stream, *response, [stream, response](beast::error_code, std::size_t) {
        beast::error_code ignored;
        stream->socket().shutdown(tcp::socket::shutdown_send, ignored);
    });
}

void Link::accept(http::request<http::string_body> request) {
    beast::get_lowest_layer(ws_).expires_never();
    ws_.set_option(websocket::stream_base::timeout::suggested(beast::role_type::server));
    ws_.read_message_max(largestFrame);
    ws_.async_accept(request, [self = shared_from_this()](beast::error_code error) {
        if (error) return self->finished();
        self->read();
    });
}

void Link::read() {
    ws_.async_read(buffer_, [self = shared_from_this()](beast::error_code error, std::size_t) {
        if (error) return self->finished();
        const auto data = self->buffer_.cdata();
        const std::string_view text(static_cast<const char*>(data.data()), data.size());
        if (!self->done_ && !self->closing_) self->hub_.received(self->id_, text);
        self->buffer_.consume(self->buffer_.size());
        self->read();
    });
}

// A client that reads is never behind, however much one turn sends it at
// once (a round of computer players on a large map is a burst of a few
// hundred kilobytes, each board the one its move's events are told with).
// Only a write that has waited more than a second marks it behind: then a
// newer board stands in for the older ones waiting, and beyond the limit the
// client is dropped, so that it never holds up anyone else.
bool Link::behind() const {
    return writing_ && std::chrono::steady_clock::now() - writeStarted_ > std::chrono::seconds(1);
}

void Link::send(const Letter& letter) {
    if (done_ || closing_) return;
    if (letter.isBoard && behind()) {
        // A newer board says all an older one waiting here would: the older
        // goes, so a slow client catches up. Events are never dropped.
        const std::size_t first = writing_ ? 1 : 0;
        for (std::size_t i = queue_.size(); i-- > first;) {
            if (!queue_[i].isBoard) continue;
            queuedBytes_ -= queue_[i].text->size();
            queue_.erase(queue_.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    queue_.push_back(letter);
    queuedBytes_ += letter.text->size();
    if (queuedBytes_ > maxQueued_ && (behind() || queuedBytes_ > 16 * maxQueued_)) return drop();
    write();
}

void Link::write() {
    if (writing_ || done_) return;
    if (queue_.empty()) {
        if (closing_) {
            writing_ = true;
            ws_.async_close(websocket::close_code::normal,
                            [self = shared_from_this()](beast::error_code) { self->finished(); });
        }
        return;
    }
    writing_ = true;
    writeStarted_ = std::chrono::steady_clock::now();
    ws_.text(true);
    ws_.async_write(asio::buffer(*queue_.front().text),
                    [self = shared_from_this()](beast::error_code error, std::size_t) {
                        self->writing_ = false;
                        if (error) return self->finished();
                        self->queuedBytes_ -= self->queue_.front().text->size();
                        self->queue_.pop_front();
                        self->write();
                    });
}

void Link::closeWhenSent() {
    if (closing_ || done_) return;
    closing_ = true;
    write();
}

void Link::drop() {
    // Too far behind: no client slows the others down by reading slowly.
    // Dropped from inside a send, while the lobby goes through its letters:
    // the link ends once that is over, not under its feet.
    if (done_ || closing_) return;
    closing_ = true;
    queue_.clear();
    queuedBytes_ = 0;
    beast::error_code ignored;
    beast::get_lowest_layer(ws_).socket().close(ignored);
    asio::post(ws_.get_executor(), [self = shared_from_this()] { self->finished(); });
}

void Link::finished() {
    if (done_) return;
    done_ = true;
    queue_.clear();
    queuedBytes_ = 0;
    beast::error_code ignored;
    beast::get_lowest_layer(ws_).socket().close(ignored);
    hub_.ended(id_);
}

void raiseOpenFileLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

std::string hostInAddress(const asio::ip::address& address) {
    return address.is_v6() ? "[" + address.to_string() + "]" : address.to_string();
}

}  // namespace

int serve(const RunOptions& options) {
    const ServeOptions& serveOptions = options.serve;
    raiseOpenFileLimit();
    if (options.random.seed)
        std::cerr << "sonarch: --seed makes every room's dice predictable; it is for tests only" << std::endl;
    const std::string dataDir = options.dataDir.empty() ? std::string(".") : options.dataDir;
    try {
        asio::io_context io(1);
        const auto address = asio::ip::make_address(serveOptions.bind);
        tcp::acceptor acceptor(io);
        const tcp::endpoint endpoint(address, static_cast<unsigned short>(serveOptions.port));
        acceptor.open(endpoint.protocol());
        acceptor.set_option(asio::socket_base::reuse_address(true));
        acceptor.bind(endpoint);
        acceptor.listen(asio::socket_base::max_listen_connections);
        const std::string origin =
            "http://" + hostInAddress(address) + ":" + std::to_string(acceptor.local_endpoint().port());

        Metrics metrics;
        MapShelf maps(options.dataDir);
        WebFiles web(serveOptions.webDir);
        const Store::Post post = [&io](std::function<void()> told) { asio::post(io, std::move(told)); };
        std::unique_ptr<RoomStore> disk;
        std::unique_ptr<RedisStore> shared;
        if (serveOptions.redis.empty()) {
            disk = std::make_unique<RoomStore>(dataDir + "/rooms.sqlite", post);
        } else {
            std::string whyNot;
            const auto redisAddress = redisAddressOf(serveOptions.redis, whyNot);
            if (!redisAddress) throw std::invalid_argument(whyNot);
            shared = std::make_unique<RedisStore>(*redisAddress, newProcessName(), serveOptions.leaseSeconds, post);
        }
        Store& store = disk ? static_cast<Store&>(*disk) : *shared;
        Hub hub(io, serveOptions, origin, metrics, web);
        Lobby lobby(serveOptions, options.random.seed, maps, store, hub, metrics, shared.get());
        hub.setLobby(&lobby);
        if (disk) {
            lobby.load(disk->loadAll());
            disk->start();
        } else {
            shared->leaseLost = [&lobby](const std::string& code) { lobby.leaseLost(code); };
            shared->relayed = [&lobby](const std::string& note) { lobby.relayed(note); };
            shared->processGone = [&lobby](const std::string& process) { lobby.processGone(process); };
            metrics.roomsHeld = [&lobby] { return lobby.roomCodes(); };
            hub.healthyWhen([&shared] { return shared->reachable(); });
            std::cerr << "sonarch: sharing rooms through " << harmless(serveOptions.redis) << " as process "
                      << shared->self() << std::endl;
            shared->start();
        }

        std::function<void()> acceptNext = [&] {
            acceptor.async_accept([&](beast::error_code error, tcp::socket socket) {
                if (error) return;
                hub.accepted(std::move(socket));
                acceptNext();
            });
        };
        acceptNext();

        asio::steady_timer clock(io);
        std::function<void()> tickNext = [&] {
            clock.expires_after(std::chrono::milliseconds(100));
            clock.async_wait([&](beast::error_code error) {
                if (error) return;
                lobby.tick();
                tickNext();
            });
        };
        tickNext();

        asio::steady_timer lastCall(io);
        asio::signal_set signals(io, SIGTERM, SIGINT);
        signals.async_wait([&](beast::error_code error, int) {
            if (error) return;
            std::cerr << "sonarch: stopping" << std::endl;
            hub.stop();
            beast::error_code ignored;
            acceptor.close(ignored);
            clock.cancel();
            // Whatever waits is committed and told before the goodbye.
            if (disk) disk->stop();
            if (shared) shared->stop();
            asio::post(io, [&] {
                lobby.stop();
                // A client that never reads its goodbye is not waited for long.
                lastCall.expires_after(std::chrono::seconds(2));
                lastCall.async_wait([&](beast::error_code) { io.stop(); });
                hub.whenAllEnded([&] { io.stop(); });
            });
        });

        std::cout << "Sonarch server at " << origin << "/" << std::endl;
        std::cerr << "sonarch: " << maps.size() << " maps, " << lobby.roomCount() << " rooms, page "
                  << (web.folder().empty() ? std::string("not built") : harmless(web.folder())) << std::endl;
        io.run();
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "sonarch: the server cannot run: " << harmless(error.what()) << std::endl;
        return 1;
    }
}

}  // namespace sonarch::server
