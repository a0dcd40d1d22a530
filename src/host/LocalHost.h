// What every host on this machine shares: the disk beside the program (or a
// data folder given on the command line), the clock, and the game's one
// random source, which a fixed seed and fixed numbers can make repeatable.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/Host.h"
#include "host/RandomSource.h"

namespace sonarch {

class LocalHost : public Host {
public:
    // dataDir: holds Maps/ and Saves/; empty for the folders of the layout
    // the program finds itself in (see folderLayout.h).
    // seed: replaces the clock's seed. fixedRandom: drawn before the generator.
    LocalHost(std::string dataDir, std::optional<std::uint64_t> seed, const std::vector<double>& fixedRandom);

    DataFolders dataFolders() override;
    std::optional<std::vector<std::string>> listFiles(const std::string& folder) override;
    bool makeFolder(const std::string& folder) override;
    std::optional<std::string> readTextFile(const std::string& path, std::string& whyNot) override;
    bool writeTextFile(const std::string& path, const std::string& contents, std::string& whyNot) override;
    double secondsSinceMidnight() override;
    void seedRandom(double seed) override;
    double nextRandom() override;

private:
    DataFolders folders_;
    std::optional<std::uint64_t> seed_;
    RandomSource random_;
};

}  // namespace sonarch
