// One plain connection to Redis through hiredis, which blocks: it is only
// ever used from a thread of its own, never from the rooms' thread.
#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct redisContext;

namespace sonarch::server {

// redis://HOST:PORT[/DB], the form --redis takes.
struct RedisAddress {
    std::string host = "127.0.0.1";
    int port = 6379;
    int database = 0;
};
std::optional<RedisAddress> redisAddressOf(std::string_view url, std::string& whyNot);

// A reply copied out of hiredis, so that it outlives the connection.
struct RedisReply {
    enum class Kind { Text, Status, Number, Nil, List, Error };
    Kind kind = Kind::Nil;
    std::string text;  // a string, a status or an error
    long long number = 0;
    std::vector<RedisReply> items;

    bool isError() const { return kind == Kind::Error; }
    bool isNil() const { return kind == Kind::Nil; }
};

using RedisCommand = std::vector<std::string>;

class RedisConnection {
public:
    // A subscriber waits for messages as long as it takes; commands wait
    // two seconds at most.
    explicit RedisConnection(RedisAddress address, bool waitsForever = false);
    ~RedisConnection();
    RedisConnection(const RedisConnection&) = delete;
    RedisConnection& operator=(const RedisConnection&) = delete;

    // Connects (again) when not connected; false while Redis cannot be reached.
    bool ensure();
    bool connected() const { return context_ != nullptr; }
    // Sends every command at once and reads every reply: one round trip,
    // and one write to Redis's log for all of them. Empty when the
    // connection broke; it is then closed, to be made again.
    std::optional<std::vector<RedisReply>> pipeline(const std::vector<RedisCommand>& commands);
    std::optional<RedisReply> command(const RedisCommand& command);
    // For a subscriber: sends without reading, then reads one reply at a time.
    bool send(const RedisCommand& command);
    std::optional<RedisReply> next();
    // Unblocks a thread waiting in next(), from any thread.
    void interrupt();
    const std::string& lastError() const { return lastError_; }

private:
    void drop();
    RedisAddress address_;
    redisContext* context_ = nullptr;
    bool waitsForever_;
    std::atomic<int> descriptor_{-1};
    std::string lastError_;
};

}  // namespace sonarch::server
