// Any stream of key presses, in the menus and in play, on every bundled map
// and on generated maps with one-way links and zones without links, keeps
// the game's invariants after every press. A broken one is printed with the
// press that broke it, and the run stops there.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "keyStreamPlay.h"
#include "playFolder.h"

using namespace sonarch::testing;

namespace {
// One folder for the whole run; every input starts from the same files.
std::unique_ptr<PlayFolder> folder;

void removeFolder() { folder.reset(); }
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    folder = std::make_unique<PlayFolder>(SONARCH_SOURCE_DIR "/Maps");
    std::atexit(removeFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const KeyStreamOutcome outcome = playKeyStream(folder->path(), data, size);
    folder->emptySaves();
    if (!outcome.broken.empty()) {
        for (const auto& what : outcome.broken) std::fprintf(stderr, "broken: %s\n", what.c_str());
        removeFolder();
        std::abort();
    }
    return 0;
}
