// The public rooms a server lists, heard in the online menu ("list" typed
// for the room): Up and Down go from room to room, each read out (its maker,
// its map, its open seats), Enter joins the one heard, a digit joins the
// room of that number at once, Escape closes the list, and F1 tells these
// keys. Any other key closes the list and does what it does in the menu.
#include "game/Form1.h"
#include "input/keyCodes.h"
#include "wording/onlineWords.h"

namespace sonarch {

void Form1::onlineRooms(const std::vector<RoomOffer>& rooms) {
    roomOffers_ = rooms;
    roomCursor_ = 0;
    roomListOpen_ = !rooms.empty();
    if (rooms.empty()) {
        sayIt(online::noPublicRooms());
        return;
    }
    sayIt(online::publicRooms(static_cast<int>(rooms.size())) + " " + roomHeard(0));
}

std::string Form1::roomHeard(int index) const {
    const RoomOffer& offer = roomOffers_[static_cast<std::size_t>(index)];
    return online::roomOffered(index + 1, offer.creator, offer.map, offer.seatsOpen, offer.people, offer.computers,
                               offer.room);
}

void Form1::joinListedRoom(int index) {
    roomListOpen_ = false;
    const OnlineAsk ask{.server = onlineServer_,
                        .room = roomOffers_[static_cast<std::size_t>(index)].room,
                        .name = people.empty() ? "Player" : people.front()};
    const std::string whyNot = frontEnd_.goOnline(ask);
    sayIt(whyNot.empty() ? online::connecting(onlineServer_) : whyNot);
}

bool Form1::roomListKeys(short keyCode, short shift) {
    if (!roomListOpen_ || menuState != 1 || roomOffers_.empty()) return false;
    const int count = static_cast<int>(roomOffers_.size());
    if (shift != 0) return false;
    if (keyCode == key::F1) {
        sayIt(online::roomListHelp());
    } else if (keyCode == key::Up || keyCode == key::Left) {
        roomCursor_ = (roomCursor_ + count - 1) % count;
        sayIt(roomHeard(roomCursor_));
    } else if (keyCode == key::Down || keyCode == key::Right) {
        roomCursor_ = (roomCursor_ + 1) % count;
        sayIt(roomHeard(roomCursor_));
    } else if (keyCode == key::Enter) {
        joinListedRoom(roomCursor_);
    } else if (keyCode >= key::Digit1 && keyCode <= key::Digit1 + 8 && keyCode - key::Digit1 < count) {
        joinListedRoom(keyCode - key::Digit1);
    } else if (keyCode == key::Escape) {
        roomListOpen_ = false;
        sayIt(online::roomListClosed());
    } else {
        roomListOpen_ = false;
        return false;
    }
    return true;
}

}  // namespace sonarch
