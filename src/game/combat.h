// The arithmetic of a battle, shared by the attack and its tests.
#pragma once

namespace sonarch {

class Form1;

// Whether an attack from one zone can reach another: the target's own links
// must lead back to the attacker, whatever the attacker's links say.
bool attackReaches(const Form1& game, int from, int target);

// floor(army x (part / whole)): the ratio of the two rolls is formed first,
// then multiplied, and the product cut to a whole number. Both steps run in
// double precision, which gives exactly floor(army x part / whole) for every
// battle that can happen (rolls of 1 to 8 dice a side); float throughout
// would too, but a float ratio widened to a double product would not.
int shareOfArmy(int army, double part, double whole);

}  // namespace sonarch
