// Reading one JSON message that came over the network: parsed with a cap on
// its size and its depth, then its fields taken one at a time, each checked
// for its kind and its range. The first field refused gives the sentence the
// whole message is refused with; the fields after it are not looked at.
#pragma once

#include <boost/json/object.hpp>
#include <boost/json/value.hpp>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sonarch::net {

// The text as one JSON object, or the sentence saying why it is not one.
struct ParsedObject {
    boost::json::value value;  // an object when reason is empty
    std::string reason;
};
ParsedObject parseObject(std::string_view text, std::size_t maxBytes);

// The fields of one object, read in turn. Each getter names the field as a
// player would hear it ("the zone") for the sentence that refuses it.
class FieldReader {
public:
    explicit FieldReader(const boost::json::object& object) : object_(object) {}

    bool has(std::string_view key) const { return object_.contains(key); }
    // A whole number from lowest to highest; nothing when absent (refused
    // when required) or refused.
    std::optional<std::int64_t> whole(std::string_view key, std::string_view what, std::int64_t lowest,
                                      std::int64_t highest, bool required = true);
    // The same for numbers the game keeps in an int.
    std::optional<int> small(std::string_view key, std::string_view what, int lowest, int highest,
                             bool required = true);
    std::optional<std::string> text(std::string_view key, std::string_view what, bool required = true);
    std::optional<bool> flag(std::string_view key, std::string_view what, bool required = true);
    // An array of at most `most` elements.
    const boost::json::array* array(std::string_view key, std::string_view what, std::size_t most,
                                    bool required = true);
    const boost::json::object* object(std::string_view key, std::string_view what, bool required = true);

    // Refuses the message, unless a field already has: the first reason stays.
    void refuse(std::string reason);
    bool ok() const { return reason_.empty(); }
    const std::string& reason() const { return reason_; }

private:
    const boost::json::value* field(std::string_view key, std::string_view what, bool required);

    const boost::json::object& object_;
    std::string reason_;
};

// "The zone": a field's name to start a sentence with.
std::string capitalized(std::string_view what);

}  // namespace sonarch::net
