#include "net/jsonReader.h"

#include <boost/json/parse.hpp>
#include <boost/json/parse_options.hpp>

#include <exception>

namespace sonarch::net {

namespace json = boost::json;

namespace {
// The deepest a message of the game goes is a board: the message, its
// zones, a zone, its links. Anything far deeper is not a message of ours,
// and the cap keeps a hostile nesting from costing the reader its stack.
constexpr std::size_t deepestNesting = 8;
}  // namespace

ParsedObject parseObject(std::string_view text, std::size_t maxBytes) {
    if (text.size() > maxBytes) return {{}, "That message is too long."};
    try {
        json::parse_options options;
        options.max_depth = deepestNesting;
        json::error_code error;
        json::value value = json::parse(json::string_view(text.data(), text.size()), error, {}, options);
        if (error == json::error::too_deep) return {{}, "That message is nested too deeply."};
        if (error) return {{}, "That message is not JSON."};
        if (!value.is_object()) return {{}, "A message must be a JSON object."};
        return {std::move(value), {}};
    } catch (const std::exception&) {
        // Only memory running out gets here: the message is refused, the
        // reader goes on.
        return {{}, "That message could not be read."};
    }
}

std::string capitalized(std::string_view what) {
    std::string out(what);
    if (!out.empty() && out[0] >= 'a' && out[0] <= 'z') out[0] = static_cast<char>(out[0] - 'a' + 'A');
    return out;
}

void FieldReader::refuse(std::string reason) {
    if (reason_.empty()) reason_ = std::move(reason);
}

const json::value* FieldReader::field(std::string_view key, std::string_view what, bool required) {
    if (!ok()) return nullptr;
    const json::value* value = object_.if_contains(json::string_view(key.data(), key.size()));
    if (value == nullptr && required) {
        // "the zone" is missing: "That message has no zone."
        const std::string_view article = "the ";
        refuse("That message has no " + std::string(what.starts_with(article) ? what.substr(article.size()) : what) +
               ".");
    }
    return value;
}

std::optional<std::int64_t> FieldReader::whole(std::string_view key, std::string_view what, std::int64_t lowest,
                                               std::int64_t highest, bool required) {
    const json::value* value = field(key, what, required);
    if (value == nullptr) return std::nullopt;
    const auto range = [&] {
        if (highest == INT64_MAX)
            refuse(capitalized(what) + " must be " + std::to_string(lowest) + " or more.");
        else
            refuse(capitalized(what) + " must be from " + std::to_string(lowest) + " to " + std::to_string(highest) +
                   ".");
    };
    if (value->is_uint64()) {
        range();  // beyond every int64, so beyond every range of ours
        return std::nullopt;
    }
    if (!value->is_int64()) {
        refuse(capitalized(what) + " must be a whole number.");
        return std::nullopt;
    }
    const std::int64_t number = value->get_int64();
    if (number < lowest || number > highest) {
        range();
        return std::nullopt;
    }
    return number;
}

std::optional<int> FieldReader::small(std::string_view key, std::string_view what, int lowest, int highest,
                                      bool required) {
    const auto number = whole(key, what, lowest, highest, required);
    if (!number) return std::nullopt;
    return static_cast<int>(*number);
}

std::optional<std::string> FieldReader::text(std::string_view key, std::string_view what, bool required) {
    const json::value* value = field(key, what, required);
    if (value == nullptr) return std::nullopt;
    if (!value->is_string()) {
        refuse(capitalized(what) + " must be text.");
        return std::nullopt;
    }
    return std::string(value->get_string());
}

std::optional<bool> FieldReader::flag(std::string_view key, std::string_view what, bool required) {
    const json::value* value = field(key, what, required);
    if (value == nullptr) return std::nullopt;
    if (!value->is_bool()) {
        refuse(capitalized(what) + " must be true or false.");
        return std::nullopt;
    }
    return value->get_bool();
}

const json::array* FieldReader::array(std::string_view key, std::string_view what, std::size_t most,
                                      bool required) {
    const json::value* value = field(key, what, required);
    if (value == nullptr) return nullptr;
    if (!value->is_array()) {
        refuse(capitalized(what) + " must be a list.");
        return nullptr;
    }
    if (value->get_array().size() > most) {
        refuse(capitalized(what) + " may hold at most " + std::to_string(most) + " entries.");
        return nullptr;
    }
    return &value->get_array();
}

const json::object* FieldReader::object(std::string_view key, std::string_view what, bool required) {
    const json::value* value = field(key, what, required);
    if (value == nullptr) return nullptr;
    if (!value->is_object()) {
        refuse(capitalized(what) + " must be a JSON object.");
        return nullptr;
    }
    return &value->get_object();
}

}  // namespace sonarch::net
