// A map's links both ways, for judging who can attack whom: a computer
// player attacks along its own zone's links, so a zone is open to the zones
// that link to it; the human attacks only where the target links back.
#pragma once

#include <memory>
#include <span>
#include <vector>

#include "rules/Board.h"

namespace sonarch {

class MapLinks {
public:
    // The links of the board's map, made once for each map and kept, one
    // map for each thread, while boards of that map are asked about.
    static const MapLinks& of(const Board& board);

    // The zones a zone's links lead to, each once, on the map.
    std::span<const int> from(int zone) const { return span(out_, zone); }
    // The zones whose links lead to a zone, each once.
    std::span<const int> into(int zone) const { return span(in_, zone); }

private:
    static std::span<const int> span(const std::vector<std::vector<int>>& lists, int zone) {
        const auto& list = lists[static_cast<std::size_t>(zone)];
        return {list.data(), list.size()};
    }
    void make(const Board& board);

    std::shared_ptr<const MapRecord> map_;
    std::vector<std::vector<int>> out_, in_;
};

}  // namespace sonarch
