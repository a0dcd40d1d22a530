// The parts of parseServerMessage that read the two large messages, the
// board and the events, each beside the code that writes it.
#pragma once

#include <boost/json/object.hpp>

#include <memory>

#include "net/jsonReader.h"
#include "net/protocol.h"

namespace sonarch::net {

// The most characters a name, a zone's or a map's name the server sends
// may have: far more than the game gives any, and still a line a voice can say.
constexpr std::size_t mostServerNameCharacters = 100;
// Points a seat may hold, as a saved game allows them.
constexpr int mostPoints = 999;

// A board message's fields into message: the board, the seats, the phase.
void readBoard(FieldReader& in, const std::shared_ptr<const MapRecord>& knownMap, ServerMessage& message);
// An events message's fields into message.played.
void readEvents(FieldReader& in, ServerMessage& message);

// Reads an element of a list that must be an object; its fields' first
// refusal becomes the message's.
template <typename Read>
void readEach(FieldReader& in, const boost::json::array& list, std::string_view what, Read read) {
    for (const boost::json::value& element : list) {
        if (!in.ok()) return;
        if (!element.is_object()) {
            in.refuse("Each entry of " + std::string(what) + " must be a JSON object.");
            return;
        }
        FieldReader entry(element.get_object());
        read(entry);
        if (!entry.ok()) in.refuse(entry.reason());
    }
}

}  // namespace sonarch::net
