// The maps a room may be created on: the bundled maps and those in the
// server's data folder (DIR/Maps), found by their names (a map file's first
// line), read with the game's own map reader.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "rules/Board.h"

namespace sonarch::server {

struct ShelvedMap {
    std::shared_ptr<const MapRecord> record;
    std::string text;  // the file as read, kept with each room so that its games replay on it
};

class MapShelf {
public:
    // dataDir: the server's folder, whose Maps/ is read after the bundled ones.
    explicit MapShelf(std::string dataDir);
    // The map of that name; the folders are read again when it is not known.
    std::optional<ShelvedMap> find(const std::string& name);
    std::size_t size() const { return byName_.size(); }

private:
    void read();

    std::string dataDir_;
    std::map<std::string, ShelvedMap> byName_;
    double lastRead_ = -1e9;
};

// A map from its stored text, or nothing when the text is no good map.
std::optional<ShelvedMap> mapFromText(const std::string& text);

}  // namespace sonarch::server
