// Every sentence the game says is worded here, in one folder, so that a
// second wording can sit beside the classic one. A wording is a set of
// topics; each topic's classic sentences are the ones players have always
// heard, and the clear wording changes only what it words better.
#pragma once

#include "wording/menuWords.h"
#include "wording/playWords.h"
#include "wording/studyWords.h"

namespace sonarch {

struct Wording {
    const PlayWords& play;
    const StudyWords& study;
    const MenuWords& menus;
    // The clear wording also changes a little of what the session does
    // around its sentences (where the history keys start again, say).
    bool clear;
};

// The wording players have always heard, and the default.
const Wording& classicWording();
// Right grammar throughout, every battle told before what it causes.
const Wording& clearWording();

}  // namespace sonarch
