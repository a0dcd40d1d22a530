// A small TCP balancer for trying several game servers behind one address
// on one machine: each new connection goes to the next server in turn, and
// past any that does not answer, so that clients whose server died find a
// living one when they come back. It only passes bytes along. For real use,
// any TCP load balancer does the same.
//
//   sonarch_balance --listen PORT HOST:PORT HOST:PORT ...
//
// Its first line on standard output is "Balancing on 127.0.0.1:PORT".
#include <array>
#include <boost/asio.hpp>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace asio = boost::asio;
using tcp = asio::ip::tcp;

namespace {

struct Backend {
    std::string host;
    std::string port;
};

// One client's bytes both ways, until either side closes.
class Pair : public std::enable_shared_from_this<Pair> {
public:
    explicit Pair(tcp::socket client) : client_(std::move(client)), server_(client_.get_executor()) {}

    void start(const std::vector<Backend>& backends, std::size_t first) { tryBackend(backends, first, 0); }

private:
    void tryBackend(const std::vector<Backend>& backends, std::size_t at, std::size_t tried) {
        if (tried == backends.size()) return;  // none answers: the client is closed
        const Backend& backend = backends[at % backends.size()];
        auto resolver = std::make_shared<tcp::resolver>(client_.get_executor());
        resolver->async_resolve(
            backend.host, backend.port,
            [self = shared_from_this(), resolver, &backends, at, tried](boost::system::error_code error,
                                                                        tcp::resolver::results_type found) {
                if (error) return self->tryBackend(backends, at + 1, tried + 1);
                asio::async_connect(self->server_, found,
                                    [self, &backends, at, tried](boost::system::error_code failed, const tcp::endpoint&) {
                                        if (failed) {
                                            self->server_.close();
                                            self->server_ = tcp::socket(self->client_.get_executor());
                                            return self->tryBackend(backends, at + 1, tried + 1);
                                        }
                                        self->pass(self->client_, self->server_, self->up_);
                                        self->pass(self->server_, self->client_, self->down_);
                                    });
            });
    }

    void pass(tcp::socket& from, tcp::socket& to, std::array<char, 16384>& buffer) {
        from.async_read_some(asio::buffer(buffer), [self = shared_from_this(), &from, &to, &buffer](
                                                       boost::system::error_code error, std::size_t size) {
            if (error) return self->closeBoth();
            asio::async_write(to, asio::buffer(buffer, size),
                              [self, &from, &to, &buffer](boost::system::error_code failed, std::size_t) {
                                  if (failed) return self->closeBoth();
                                  self->pass(from, to, buffer);
                              });
        });
    }

    void closeBoth() {
        boost::system::error_code ignored;
        client_.close(ignored);
        server_.close(ignored);
    }

    tcp::socket client_;
    tcp::socket server_;
    std::array<char, 16384> up_{};
    std::array<char, 16384> down_{};
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() < 3 || args[0] != "--listen") {
        std::cerr << "usage: sonarch_balance --listen PORT HOST:PORT...\n";
        return 2;
    }
    std::vector<Backend> backends;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const auto colon = args[i].rfind(':');
        if (colon == std::string::npos) {
            std::cerr << "sonarch_balance: a server is HOST:PORT, not " << args[i] << "\n";
            return 2;
        }
        backends.push_back({args[i].substr(0, colon), args[i].substr(colon + 1)});
    }
    try {
        asio::io_context io(1);
        tcp::acceptor acceptor(io, tcp::endpoint(asio::ip::make_address("127.0.0.1"),
                                                 static_cast<unsigned short>(std::stoi(args[1]))));
        std::size_t next = 0;
        std::function<void()> acceptNext = [&] {
            acceptor.async_accept([&](boost::system::error_code error, tcp::socket socket) {
                if (!error) std::make_shared<Pair>(std::move(socket))->start(backends, next++);
                acceptNext();
            });
        };
        acceptNext();
        asio::signal_set signals(io, SIGTERM, SIGINT);
        signals.async_wait([&](boost::system::error_code, int) { io.stop(); });
        std::cout << "Balancing on 127.0.0.1:" << acceptor.local_endpoint().port() << std::endl;
        io.run();
    } catch (const std::exception& error) {
        std::cerr << "sonarch_balance: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
