// The link to a game server in the page, on the browser's own WebSocket.
// The browser runs one thing at a time and calls back from its own loop, so
// there is no thread and no lock: what arrives is queued and the page is
// asked to hand it over as an event of its own. Nothing here may block, so
// waitFor only arms a timer whose wake comes like an arrival.
#include <emscripten/eventloop.h>
#include <emscripten/websocket.h>

#include <algorithm>
#include <cctype>

#include "host/online/WebSocketLink.h"
#include "net/protocol.h"

namespace sonarch {

namespace {
// A host the browser is given in a WebSocket's address: a name, numbers, or
// an IPv6 address in brackets, nothing the address could be bent with.
bool plainHost(const std::string& host) {
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        return host.find_first_not_of("0123456789abcdefABCDEF:.", 1) == host.size() - 1;
    for (const char c : host)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-') return false;
    return !host.empty();
}
}  // namespace

struct WebSocketLink::Session {
    WebSocketLink* link = nullptr;
    EMSCRIPTEN_WEBSOCKET_T socket = 0;
    bool open = false;
    // The browser refuses to send before the socket is open: what the
    // client sends meanwhile waits here.
    std::deque<std::string> outgoing;
    long timer = 0;

    // Each callback names its socket; one of a socket already replaced is
    // late and says nothing.
    static Session* of(void* data, EMSCRIPTEN_WEBSOCKET_T from) {
        auto* session = static_cast<Session*>(data);
        return session->socket == from ? session : nullptr;
    }

    void drop() {
        if (socket <= 0) return;
        // A page may close with 1000 only (or a code of its own).
        emscripten_websocket_close(socket, 1000, "");
        emscripten_websocket_delete(socket);
        socket = 0;
        open = false;
    }
};

WebSocketLink::WebSocketLink(ServerAddress address)
    : address_(std::move(address)), session_(std::make_unique<Session>()) {
    session_->link = this;
}

WebSocketLink::~WebSocketLink() {
    if (session_->timer != 0) emscripten_clear_timeout(session_->timer);
    session_->drop();
}

void WebSocketLink::connect() {
    Session& session = *session_;
    session.drop();
    if (!plainHost(address_.host)) return arrived({LinkEvent::Kind::Lost, "the server's address was not found"});
    const std::string url = (address_.secure ? "wss://" : "ws://") + address_.host + ":" + address_.port + "/play";
    EmscriptenWebSocketCreateAttributes attributes;
    emscripten_websocket_init_create_attributes(&attributes);
    attributes.url = url.c_str();
    attributes.createOnMainThread = EM_TRUE;
    const EMSCRIPTEN_WEBSOCKET_T socket = emscripten_websocket_new(&attributes);
    if (socket <= 0) return arrived({LinkEvent::Kind::Lost, "the browser would not open a connection"});
    session.socket = socket;
    emscripten_websocket_set_onopen_callback(
        socket, &session, [](int, const EmscriptenWebSocketOpenEvent* event, void* data) -> EM_BOOL {
            Session* session = Session::of(data, event->socket);
            if (session == nullptr) return EM_TRUE;
            session->open = true;
            session->link->arrived({LinkEvent::Kind::Connected, {}});
            while (session->open && !session->outgoing.empty()) {
                emscripten_websocket_send_utf8_text(session->socket, session->outgoing.front().c_str());
                session->outgoing.pop_front();
            }
            return EM_TRUE;
        });
    emscripten_websocket_set_onmessage_callback(
        socket, &session, [](int, const EmscriptenWebSocketMessageEvent* event, void* data) -> EM_BOOL {
            Session* session = Session::of(data, event->socket);
            if (session == nullptr) return EM_TRUE;
            // Binary frames are no messages; a text comes with its closing zero.
            if (!event->isText || event->numBytes == 0) return EM_TRUE;
            const std::size_t size = event->numBytes - 1;
            if (size > net::maxServerMessageBytes) {
                // The browser has read it already; what is too long ends the
                // connection, as it does in the Linux program.
                session->drop();
                session->link->arrived({LinkEvent::Kind::Lost, "the connection broke"});
                return EM_TRUE;
            }
            session->link->arrived({LinkEvent::Kind::Message,
                                    std::string(reinterpret_cast<const char*>(event->data), size)});
            return EM_TRUE;
        });
    emscripten_websocket_set_onclose_callback(
        socket, &session, [](int, const EmscriptenWebSocketCloseEvent* event, void* data) -> EM_BOOL {
            Session* session = Session::of(data, event->socket);
            if (session == nullptr) return EM_TRUE;
            const bool wasOpen = session->open;
            session->drop();
            session->link->arrived({LinkEvent::Kind::Lost, wasOpen ? "the server closed the connection"
                                                                   : "the server did not answer"});
            return EM_TRUE;
        });
}

void WebSocketLink::send(std::string text) {
    Session& session = *session_;
    if (session.open)
        emscripten_websocket_send_utf8_text(session.socket, text.c_str());
    else
        session.outgoing.push_back(std::move(text));
}

void WebSocketLink::close() {
    session_->outgoing.clear();
    session_->drop();
}

void WebSocketLink::wakeWith(std::function<void()> wake) { wake_ = std::move(wake); }

void WebSocketLink::arrived(LinkEvent event) {
    events_.push_back(std::move(event));
    if (wake_) wake_();
}

std::vector<LinkEvent> WebSocketLink::take() {
    std::vector<LinkEvent> taken(std::make_move_iterator(events_.begin()), std::make_move_iterator(events_.end()));
    events_.clear();
    return taken;
}

// One timer at a time: the nearest time the client asked for.
void WebSocketLink::waitFor(std::chrono::milliseconds most) const {
    Session& session = *session_;
    if (session.timer != 0) emscripten_clear_timeout(session.timer);
    session.timer = emscripten_set_timeout(
        [](void* data) {
            auto* session = static_cast<Session*>(data);
            session->timer = 0;
            if (session->link->wake_) session->link->wake_();
        },
        static_cast<double>(std::min<long long>(most.count(), 60'000)), &session);
}

}  // namespace sonarch
