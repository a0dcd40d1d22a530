// The sentences of studying the board: the cursor's zone, its links, the
// players, the board in one sentence, finding a zone and the front.
#pragma once

#include <string>

#include "rules/Board.h"

namespace sonarch {

class StudyWords {
public:
    virtual ~StudyWords() = default;
};

class ClassicStudyWords : public StudyWords {
public:
};

class ClearStudyWords : public ClassicStudyWords {
public:
};

}  // namespace sonarch
