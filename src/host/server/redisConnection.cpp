#include "host/server/redisConnection.h"

#include <hiredis/hiredis.h>
#include <sys/socket.h>

#include <charconv>

namespace sonarch::server {

namespace {
RedisReply copyOf(const redisReply* reply) {
    RedisReply copy;
    switch (reply->type) {
    case REDIS_REPLY_STRING: copy.kind = RedisReply::Kind::Text; break;
    case REDIS_REPLY_STATUS: copy.kind = RedisReply::Kind::Status; break;
    case REDIS_REPLY_ERROR: copy.kind = RedisReply::Kind::Error; break;
    case REDIS_REPLY_INTEGER: copy.kind = RedisReply::Kind::Number; break;
    case REDIS_REPLY_ARRAY: copy.kind = RedisReply::Kind::List; break;
    default: copy.kind = RedisReply::Kind::Nil; break;
    }
    if (reply->str != nullptr) copy.text.assign(reply->str, reply->len);
    copy.number = reply->integer;
    for (std::size_t i = 0; i < reply->elements; ++i) copy.items.push_back(copyOf(reply->element[i]));
    return copy;
}

bool wholeNumber(std::string_view text, int low, int high, int& out) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) return false;
    out = value;
    return true;
}
}  // namespace

std::optional<RedisAddress> redisAddressOf(std::string_view url, std::string& whyNot) {
    constexpr std::string_view scheme = "redis://";
    whyNot = "a Redis address is redis://HOST:PORT or redis://HOST:PORT/DB";
    if (url.substr(0, scheme.size()) != scheme) return std::nullopt;
    std::string_view rest = url.substr(scheme.size());
    RedisAddress address;
    if (const auto slash = rest.find('/'); slash != std::string_view::npos) {
        if (!wholeNumber(rest.substr(slash + 1), 0, 1000, address.database)) return std::nullopt;
        rest = rest.substr(0, slash);
    }
    if (const auto colon = rest.rfind(':'); colon != std::string_view::npos) {
        if (!wholeNumber(rest.substr(colon + 1), 1, 65535, address.port)) return std::nullopt;
        rest = rest.substr(0, colon);
    }
    if (rest.empty() || rest.find_first_of("@ ") != std::string_view::npos) return std::nullopt;
    address.host = std::string(rest);
    whyNot.clear();
    return address;
}

RedisConnection::RedisConnection(RedisAddress address, bool waitsForever)
    : address_(std::move(address)), waitsForever_(waitsForever) {}

RedisConnection::~RedisConnection() { drop(); }

void RedisConnection::drop() {
    if (context_ != nullptr) redisFree(context_);
    context_ = nullptr;
    descriptor_ = -1;
}

bool RedisConnection::ensure() {
    if (context_ != nullptr) return true;
    // Waits are short: a Redis that does not answer in two seconds is
    // treated as gone, and tried again later.
    const timeval most{2, 0};
    context_ = redisConnectWithTimeout(address_.host.c_str(), address_.port, most);
    if (context_ == nullptr || context_->err != 0) {
        lastError_ = context_ != nullptr ? context_->errstr : "no memory";
        drop();
        return false;
    }
    redisSetTimeout(context_, waitsForever_ ? timeval{0, 0} : most);
    descriptor_ = context_->fd;
    if (address_.database != 0) {
        const auto chosen = command({"SELECT", std::to_string(address_.database)});
        if (!chosen || chosen->isError()) {
            if (chosen) lastError_ = chosen->text;
            drop();
            return false;
        }
    }
    return true;
}

bool RedisConnection::send(const RedisCommand& command) {
    if (!ensure()) return false;
    std::vector<const char*> argv;
    std::vector<std::size_t> lengths;
    for (const std::string& part : command) {
        argv.push_back(part.data());
        lengths.push_back(part.size());
    }
    if (redisAppendCommandArgv(context_, static_cast<int>(argv.size()), argv.data(), lengths.data()) != REDIS_OK) {
        lastError_ = context_->errstr;
        drop();
        return false;
    }
    return true;
}

std::optional<RedisReply> RedisConnection::next() {
    if (context_ == nullptr) return std::nullopt;
    void* raw = nullptr;
    if (redisGetReply(context_, &raw) != REDIS_OK || raw == nullptr) {
        lastError_ = context_->errstr;
        drop();
        return std::nullopt;
    }
    RedisReply copy = copyOf(static_cast<redisReply*>(raw));
    freeReplyObject(raw);
    return copy;
}

std::optional<std::vector<RedisReply>> RedisConnection::pipeline(const std::vector<RedisCommand>& commands) {
    for (const RedisCommand& command : commands)
        if (!send(command)) return std::nullopt;
    std::vector<RedisReply> replies;
    replies.reserve(commands.size());
    for (std::size_t i = 0; i < commands.size(); ++i) {
        auto reply = next();
        if (!reply) return std::nullopt;
        replies.push_back(std::move(*reply));
    }
    return replies;
}

std::optional<RedisReply> RedisConnection::command(const RedisCommand& command) {
    auto replies = pipeline({command});
    if (!replies) return std::nullopt;
    return std::move(replies->front());
}

void RedisConnection::interrupt() {
    if (descriptor_ >= 0) ::shutdown(descriptor_, SHUT_RDWR);
}

}  // namespace sonarch::server
