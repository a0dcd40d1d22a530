// The sentences that tell who holds a zone and with what army, shared by
// the keys that ask about the cursor zone and the keys that jump to one.
#pragma once

#include <string>

namespace sonarch {

class Form1;

// "North Valley controlled by Jacob." or "North Valley is unclaimed."
std::string ownerSentence(const Form1& game, int zone);
// "Army of 3 in North Valley." or "No army in North Valley."
std::string armySentence(const Form1& game, int zone);
// "yours, army 3", "Jacob, army 4", "unclaimed": who holds a zone and its
// army, from the player's side.
std::string holding(const Form1& game, int zone);
// "1 zone", "3 zones": counts said the way a listener expects.
std::string counted(int number, const std::string& one, const std::string& many);

}  // namespace sonarch
