#include "host/online/startOnline.h"

#include <cctype>
#include <stdexcept>

#include "wording/onlineWords.h"

namespace sonarch {

namespace {
// Codes are heard and typed in any case; the server knows them in capitals.
std::string codeAsTyped(std::string code) {
    for (char& c : code) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return code;
}
}  // namespace

bool onlineAddressUsable(const OnlineOptions& options, std::string& whyNot) {
    if (!serverAddressOf(options.server, whyNot)) return false;
    for (const std::string* code : {&options.join, &options.watch}) {
        if (!code->empty() && !net::isRoomCode(codeAsTyped(*code))) {
            whyNot = "a room code is four of the letters " + std::string(net::codeLetters) + ", not '" + *code + "'";
            return false;
        }
    }
    return true;
}

OnlineRequest onlineRequestOf(const OnlineAsk& ask) {
    OnlineRequest request;
    request.url = ask.server;
    request.name = ask.name.empty() ? "Player" : ask.name;
    request.room = codeAsTyped(ask.room);
    if (ask.list) {
        request.kind = OnlineRequest::Kind::List;
    } else if (ask.room.empty()) {
        request.kind = OnlineRequest::Kind::Create;
        request.map = ask.map;
        request.people = ask.people;
        request.computers = ask.computers;
        request.isPublic = ask.isPublic;
        request.turnLimit = ask.turnLimit;
    } else {
        request.kind = ask.watch ? OnlineRequest::Kind::Watch : OnlineRequest::Kind::Join;
    }
    return request;
}

std::unique_ptr<Inbox> startOnline(GameSession& game, const OnlineAsk& ask) {
    std::string whyNot;
    const auto address = serverAddressOf(ask.server, whyNot);
#if !defined(SONARCH_TLS) && !defined(__EMSCRIPTEN__)
    // The address may be right for another program: this one says what it lacks.
    const std::string_view server = ask.server;
    if (!address && (server.starts_with("https://") || server.starts_with("wss://")))
        throw std::invalid_argument(online::unencryptedOnly());
#endif
    if (!address) return nullptr;
    return std::make_unique<OnlineClient>(game, onlineRequestOf(ask), *address);
}

}  // namespace sonarch
