#include "server/testClient.h"

#include <sys/socket.h>

#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/websocket.hpp>
#include <gtest/gtest.h>

namespace sonarch::testing {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace websocket = beast::websocket;

struct TestClient::Connection {
    asio::io_context io;
    websocket::stream<asio::ip::tcp::socket> ws{io};
};

namespace {
void connect(websocket::stream<asio::ip::tcp::socket>& ws, int port, const std::string& origin) {
    ws.next_layer().connect({asio::ip::make_address("127.0.0.1"), static_cast<unsigned short>(port)});
    // A server that stops answering fails the test instead of holding it.
    timeval wait{20, 0};
    setsockopt(ws.next_layer().native_handle(), SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    ws.set_option(websocket::stream_base::decorator([origin](websocket::request_type& request) {
        if (!origin.empty()) request.set(beast::http::field::origin, origin);
    }));
    ws.read_message_max(net::maxServerMessageBytes);
    ws.handshake("127.0.0.1:" + std::to_string(port), "/play");
}
}  // namespace

TestClient::TestClient(int port, const std::string& origin) : connection_(std::make_unique<Connection>()) {
    connect(connection_->ws, port, origin);
}

TestClient::~TestClient() {
    beast::error_code ignored;
    connection_->ws.next_layer().close(ignored);
}

void TestClient::send(const net::ClientMessage& message) { sendText(net::encodeClientMessage(message)); }

void TestClient::sendText(const std::string& text) {
    if (closed_) return;
    beast::error_code error;
    connection_->ws.text(true);
    connection_->ws.write(asio::buffer(text), error);
    if (error) closed_ = true;
}

std::optional<std::string> TestClient::receiveText() {
    if (closed_) return std::nullopt;
    // A socket's receive timeout does not reach the library's reads, which
    // wait in poll: the read runs asynchronously, for 20 seconds at most.
    beast::flat_buffer buffer;
    beast::error_code error;
    bool done = false;
    connection_->ws.async_read(buffer, [&](beast::error_code got, std::size_t) {
        error = got;
        done = true;
    });
    asio::io_context& io = connection_->io;
    io.restart();
    io.run_for(std::chrono::seconds(20));
    if (!done) {
        ADD_FAILURE() << "the server said nothing for 20 seconds";
        beast::error_code ignored;
        connection_->ws.next_layer().close(ignored);
        io.restart();
        io.run();
    }
    if (error || !done) {
        closed_ = true;
        return std::nullopt;
    }
    return beast::buffers_to_string(buffer.cdata());
}

std::optional<net::ServerMessage> TestClient::receive() {
    const auto text = receiveText();
    if (!text) return std::nullopt;
    net::ServerParse parsed = net::parseServerMessage(*text, map);
    EXPECT_TRUE(parsed.message) << parsed.error << " in " << *text;
    if (!parsed.message) return std::nullopt;
    if (parsed.message->type == net::ServerMessage::Type::Board) map = parsed.message->board.map;
    return parsed.message;
}

std::optional<net::ServerMessage> TestClient::receiveUntil(net::ServerMessage::Type type) {
    for (int i = 0; i < 10000; ++i) {
        auto got = receive();
        if (!got || got->type == type) return got;
    }
    return std::nullopt;
}

bool handshakeRefused(int port, const std::string& origin) {
    asio::io_context io;
    websocket::stream<asio::ip::tcp::socket> ws(io);
    try {
        connect(ws, port, origin);
    } catch (const beast::system_error&) {
        return true;
    }
    return false;
}

net::ClientMessage message(net::ClientMessage::Type type) {
    net::ClientMessage made;
    made.type = type;
    return made;
}

}  // namespace sonarch::testing
