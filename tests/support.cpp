#include "support.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

#include "host/headless/HeadlessHost.h"
#include "host/program/LocalPlatform.h"

namespace sonarch::testing {

namespace fs = std::filesystem;

fs::path sourceDir() { return SONARCH_SOURCE_DIR; }

DataDir::DataDir() {
    std::random_device entropy;
    path_ = fs::temp_directory_path() / ("sonarch-test-" + std::to_string(entropy()) + "-" +
                                         std::to_string(entropy()));
    fs::create_directories(path_ / "Maps");
    fs::create_directories(path_ / "Saves");
}

DataDir::~DataDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void DataDir::addMap(const std::string& fileName) {
    fs::path from = sourceDir() / "tests" / "maps" / fileName;
    if (!fs::exists(from)) from = sourceDir() / "Maps" / fileName;
    fs::copy_file(from, maps() / fileName, fs::copy_options::overwrite_existing);
}

namespace {
void writeFile(const fs::path& path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary);
    out << contents;
}
}  // namespace

void DataDir::writeMap(const std::string& fileName, const std::string& contents) {
    writeFile(maps() / fileName, contents);
}

void DataDir::writeSave(const std::string& fileName, const std::string& contents) {
    writeFile(saves() / fileName, contents);
}

std::string contentsOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

std::string DataDir::readSave(const std::string& fileName) const { return contentsOf(saves() / fileName); }

std::vector<std::string> DataDir::saveFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(saves())) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

PlayResult play(const DataDir& data, const std::string& script, RunOptions options) {
    if (!options.random.seed) options.random.seed = 1;
    std::istringstream in(script);
    std::ostringstream out, err;
    PlayResult result;
    LocalPlatform platform(data.path().string());
    result.status = runHeadless(options, platform, in, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

}  // namespace sonarch::testing
