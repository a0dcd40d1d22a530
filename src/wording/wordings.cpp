// The two wordings, each a set of one wording of every topic.
#include "wording/Wording.h"

namespace sonarch {

const Wording& classicWording() {
    static const ClassicPlayWords play;
    static const ClassicStudyWords study;
    static const ClassicMenuWords menus;
    static const Wording wording{play, study, menus, false};
    return wording;
}

const Wording& clearWording() {
    static const ClearPlayWords play;
    static const ClearStudyWords study;
    static const ClearMenuWords menus;
    static const Wording wording{play, study, menus, true};
    return wording;
}

}  // namespace sonarch
