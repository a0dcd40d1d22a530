// The short sounds that go with the events a player most needs to notice.
// The game names them; each front end makes its own sound for each name.
#pragma once

namespace sonarch {

enum class Cue { YourTurn, BattleWon, BattleLost, ZoneLost, Claim, Defeat, Victory };
constexpr int cueCount = 7;

// The cue's name in logs and transcripts ("battle-won").
constexpr const char* cueName(Cue cue) {
    switch (cue) {
    case Cue::YourTurn: return "your-turn";
    case Cue::BattleWon: return "battle-won";
    case Cue::BattleLost: return "battle-lost";
    case Cue::ZoneLost: return "zone-lost";
    case Cue::Claim: return "claim";
    case Cue::Defeat: return "defeat";
    case Cue::Victory: return "victory";
    }
    return "";
}

}  // namespace sonarch
