// Where a server is, read from the address a player types or a page was
// loaded from: the same for the Linux program and the page.
#include <utility>

#include "host/online/WebSocketLink.h"

namespace sonarch {

std::optional<ServerAddress> serverAddressOf(std::string_view url, std::string& whyNot) {
    ServerAddress address;
    std::string_view rest = url;
    for (const auto& [scheme, secure] : {std::pair{"http://", false}, std::pair{"ws://", false},
                                         std::pair{"https://", true}, std::pair{"wss://", true}}) {
        if (rest.substr(0, std::string_view(scheme).size()) != scheme) continue;
        rest.remove_prefix(std::string_view(scheme).size());
        address.secure = secure;
        break;
    }
    if (rest.size() == url.size()) {
        whyNot = "a server's address begins with http://, https://, ws:// or wss://";
        return std::nullopt;
    }
#if !defined(SONARCH_TLS) && !defined(__EMSCRIPTEN__)
    // This build has no TLS library: better said now than as a failed connection.
    if (address.secure) {
        whyNot = "this program connects without encryption only: give the server's http:// or ws:// address";
        return std::nullopt;
    }
#endif
    rest = rest.substr(0, rest.find('/'));
    const auto colon = rest.rfind(':');
    address.host = std::string(rest.substr(0, colon));
    address.port = colon == std::string_view::npos ? (address.secure ? "443" : "80") : std::string(rest.substr(colon + 1));
    const bool portIsNumber = !address.port.empty() && address.port.size() <= 5 &&
                              address.port.find_first_not_of("0123456789") == std::string::npos;
    if (address.host.empty() || !portIsNumber) {
        whyNot = "the server's address needs a host and a port, as http://HOST:PORT/";
        return std::nullopt;
    }
    return address;
}

}  // namespace sonarch
