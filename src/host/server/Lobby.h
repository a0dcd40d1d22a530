// Every room of the server and every client connected to it: it reads each
// message (through the protocol's checks, before any room sees it), answers
// it, keeps the limits a hostile client runs into, and keeps time for the
// rooms (turn clocks, people away, silent connections, old rooms). It runs
// on one thread; what it says goes out through a Wire, and a room's letters
// wait for the store's commit of what they tell.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/RunOptions.h"
#include "host/server/Metrics.h"
#include "host/server/Room.h"
#include "host/server/Store.h"
#include "host/server/mapShelf.h"

namespace sonarch::server {

class Wire {
public:
    virtual ~Wire() = default;
    virtual void send(const Letter& letter) = 0;
    // Closes the connection once what is queued for it has gone.
    virtual void close(ConnectionId connection) = 0;
};

class RedisStore;
struct Whereabouts;

class Lobby {
public:
    // shared: the store several processes share, when there is one; the
    // lobby then finds, takes over and passes on rooms other processes hold.
    Lobby(const ServeOptions& options, std::optional<std::uint64_t> testSeed, MapShelf& maps, Store& store,
          Wire& network, Metrics& metrics, RedisStore* shared = nullptr);

    // The stored rooms, each rebuilt from its seed and moves.
    void load(std::vector<StoredRoom> rooms);

    // A new connection from address: false when that address has too many.
    bool admit(ConnectionId connection, const std::string& address);
    void received(ConnectionId connection, std::string_view text);
    void closed(ConnectionId connection);
    // The clocks: called a few times a second.
    void tick();
    // Tells every client the server is stopping, and accepts nothing more.
    void stop();

    std::size_t roomCount() const { return rooms_.size(); }
    std::vector<std::string> roomCodes() const;

    // From the shared store (see lobbyShared.cpp).
    void relayed(const std::string& note);
    void leaseLost(const std::string& code);
    void processGone(const std::string& process);

private:
    struct Client {
        std::string address;
        std::string room;  // empty: in no room
        int seat = 0;      // 0 in a room: a watcher
        int badMessages = 0;
        double lastHeard = 0;
        // Shared rooms: the process whose room this client is in, when it is
        // another; every message then goes there as it came.
        std::string relayTo{};
        // A room being looked for in the shared store: what the client sends
        // meanwhile waits here.
        bool finding = false;
        std::vector<std::string> held{};
        // A client of another process, playing in a room held here.
        bool remote = false;
    };
    // What goes to a client of another process goes through the store.
    class Routing final : public Wire {
    public:
        Routing(Lobby& lobby, Wire& network) : lobby_(lobby), network_(network) {}
        void send(const Letter& letter) override;
        void close(ConnectionId connection) override;

    private:
        Lobby& lobby_;
        Wire& network_;
    };
    static constexpr ConnectionId firstRemote = ConnectionId{1} << 62;
    // A room's letters in the order it wrote them; those that tell stored
    // moves wait for the commit, and the letters behind them wait too.
    struct Parcel {
        Letters letters;
        bool committed = false;
        double receivedAt = -1;  // a seat's move: when it came, for the figures
        // Found again by its number once its write is committed: a room let
        // go meanwhile takes its parcels with it.
        std::uint64_t number = 0;
    };

    // Answers to one client, outside any room's order.
    void reply(ConnectionId connection, const std::string& text, bool isBoard = false);
    void refuse(ConnectionId connection, const std::string& reason);
    void refuseMove(ConnectionId connection, Refusal refusal, const std::string& sentence);
    void log(const std::string& code, const std::string& what) const;

    // Sends a room's letters in order: at once, or after the commit of records.
    void post(Room& room, Letters letters);
    void postStored(Room& room, Letters letters, std::vector<MoveRecord> records, double receivedAt);
    void saveThenPost(Room& room, Letters letters);
    void deliver(const std::string& code);
    void committed(const std::string& code, std::uint64_t parcel);

    void dispatch(ConnectionId connection, Client& client, const net::ClientMessage& message);
    Room* findRoom(ConnectionId connection, Client& client, const std::string& code);
    bool wrongCodesExceeded(const std::string& address);

    // Rooms: lobbyRooms.cpp
    void create(ConnectionId connection, Client& client, const net::ClientMessage& message);
    void openRoom(ConnectionId connection, Client& client, const net::ClientMessage& message, RoomRecord record,
                  const ShelvedMap& map);
    void join(ConnectionId connection, Client& client, const net::ClientMessage& message);
    void watch(ConnectionId connection, Client& client, const net::ClientMessage& message);
    void rejoin(ConnectionId connection, Client& client, const net::ClientMessage& message);
    void leave(ConnectionId connection, Client& client);
    void start(ConnectionId connection, Client& client);
    void list(ConnectionId connection);
    void news(Room& room, std::string_view what, int seat, Letters& out, int seconds = 0);
    void removeRoom(std::string code, const std::string& why);
    std::string newCode() const;

    // Play: lobbyPlay.cpp
    void move(ConnectionId connection, Client& client, const net::ClientMessage& message);
    void ready(Client& client, const net::ClientMessage& message);
    void chat(ConnectionId connection, Client& client, const net::ClientMessage& message);
    // Plays whatever nobody at the table will: stand-ins for seats away or
    // gone, and turns whose clocks ran out.
    void playForAbsent(Room& room);

    // Shared rooms: lobbyShared.cpp
    bool lookElsewhere(ConnectionId connection, Client& client, const net::ClientMessage& message,
                       std::string_view text);
    void found(ConnectionId connection, const net::ClientMessage& message, const std::string& text,
               Whereabouts& where);
    void adopt(StoredRoom stored, const std::string& how);
    void adoptOrphans(double now);
    void makeShared(ConnectionId connection, const net::ClientMessage& message, RoomRecord record, ShelvedMap map,
                    int attempt);
    void relayFrom(ConnectionId connection, const Client& client, std::string_view kind, std::string_view text);
    void sendRemote(const Letter& letter);
    void closeRemote(ConnectionId connection);
    void dropRoom(const std::string& code, const std::string& why);
    void heldMessages(ConnectionId connection);

    // Time: lobbyClock.cpp
    struct TurnClock {
        std::int64_t turn = -1;  // the room's turnsBegun when it was set
        int seat = 0;
        double began = 0;
        std::optional<double> deadline;
        bool warned = false;
    };
    void keepTurnClock(Room& room, double now);
    void keepAway(Room& room, double now);
    void removeOldRooms(double now);
    double turnLimit(const Room& room) const;

    const ServeOptions& options_;
    std::optional<std::uint64_t> testSeed_;
    std::uint64_t roomsMade_ = 0;
    MapShelf& maps_;
    Store& store_;
    Wire& network_;
    Routing routing_;
    Wire& wire_;  // the routing: every letter goes through it
    Metrics& metrics_;
    RedisStore* shared_;
    // Clients of other processes: their process and connection there.
    std::map<std::pair<std::string, ConnectionId>, ConnectionId> remoteIds_;
    std::map<ConnectionId, std::pair<std::string, ConnectionId>> remoteOrigins_;
    ConnectionId nextRemote_ = firstRemote;
    double lastOrphanSearch_ = 0;
    std::set<std::string> reserving_;  // codes asked of the shared store, not yet answered
    bool stopping_ = false;
    std::map<std::string, std::unique_ptr<Room>> rooms_;
    std::map<std::string, std::deque<Parcel>> mail_;
    std::uint64_t parcelsMade_ = 0;
    std::map<std::string, TurnClock> clocks_;
    std::unordered_map<ConnectionId, Client> clients_;
    std::map<std::string, int> perAddress_;
    std::map<std::string, std::deque<double>> wrongCodes_;
    double lastSweep_ = 0;
};

// Seconds since the epoch, for the store's times and every clock.
double secondsNow();

}  // namespace sonarch::server
