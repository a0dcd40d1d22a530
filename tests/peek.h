// The few values of the game that the rules tests read or set up directly,
// in one place, so that they do not depend on where the game keeps them.
// Everything else a test learns from what the game says.
#pragma once

#include "session.h"

namespace sonarch::testing {

inline int ownerOf(Session& s, int zone) { return s.form.board.zoneOwner[zone]; }
inline int armyOf(Session& s, int zone) { return s.form.board.zoneArmy[zone]; }
inline int pointsOf(Session& s, int player) { return s.form.board.points[player]; }

// Points the player has stored from earlier turns.
inline void storePoints(Session& s, int player, int points) { s.form.board.points[player] = points; }
// The player is out of the game, as after losing the last zone.
inline void putOut(Session& s, int player) { s.form.board.playerName[player].clear(); }

}  // namespace sonarch::testing
