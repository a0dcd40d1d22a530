// A client of the online game for the tests: a synchronous WebSocket on
// 127.0.0.1 that sends the protocol's messages and reads the server's.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "net/protocol.h"

namespace sonarch::testing {

class TestClient {
public:
    // Connects to /play; origin: the Origin header, none when empty.
    explicit TestClient(int port, const std::string& origin = "");
    ~TestClient();
    TestClient(const TestClient&) = delete;
    TestClient& operator=(const TestClient&) = delete;

    void send(const net::ClientMessage& message);
    void sendText(const std::string& text);
    // The next message as text; nullopt once the connection has closed (or
    // nothing came for a long while, which fails the test).
    std::optional<std::string> receiveText();
    // The next message read; nullopt once closed. A message that cannot be
    // read fails the test.
    std::optional<net::ServerMessage> receive();
    // Reads until a message of the type comes (others are dropped).
    std::optional<net::ServerMessage> receiveUntil(net::ServerMessage::Type type);
    bool closed() const { return closed_; }

    std::shared_ptr<const MapRecord> map;  // from the first board with its map

private:
    struct Connection;
    std::unique_ptr<Connection> connection_;
    bool closed_ = false;
};

// Whether the server refuses the WebSocket handshake from that origin.
bool handshakeRefused(int port, const std::string& origin);

net::ClientMessage message(net::ClientMessage::Type type);

}  // namespace sonarch::testing
