#include "host/tools/makeMapCommand.h"

#include <chrono>
#include <stdexcept>

#include "files/mapMaker.h"
#include "host/harmlessText.h"
#include "host/tools/toolOptions.h"

namespace sonarch {

int makeMapFile(Platform& disk, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int zones = usualMadeZones;
    std::optional<std::uint64_t> seed;
    std::string path;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if ((arg == "--zones" || arg == "--seed") && i + 1 >= args.size())
            throw std::invalid_argument(arg + " needs a value");
        if (arg == "--zones") {
            zones = wholeOption<int>(arg, args[++i], fewestMadeZones, maxZones);
        } else if (arg == "--seed") {
            seed = wholeOption<std::uint64_t>(arg, args[++i], 0, UINT64_MAX);
        } else if (arg.rfind("--", 0) == 0 || !path.empty()) {
            throw std::invalid_argument("unknown option '" + arg + "'");
        } else {
            path = arg;
        }
    }
    if (path.empty()) throw std::invalid_argument("--make-map needs the file to write");
    // A seed picked for the player is short, so that it can be noted and typed.
    if (!seed) seed = shortSeed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    const MapRecord map = makeMap(zones, *seed);
    std::string whyNot;
    if (!disk.createFile(path, mapFileText(map), whyNot)) {
        err << "sonarch: the map cannot be written to " << harmless(path) << ": " << whyNot << '\n';
        return 1;
    }
    out << "Made the map " << map.mapName << ", " << zones << " zones, from seed " << *seed << ", in " << harmless(path)
        << ".\n";
    return 0;
}

}  // namespace sonarch
