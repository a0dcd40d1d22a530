#include "files/fileList.h"

#include <map>

namespace sonarch {

std::optional<FileList> listFolders(Platform& platform, const std::vector<std::string>& folders) {
    std::map<std::string, std::string> pathOfName;
    bool anyRead = false;
    for (const std::string& folder : folders) {
        const auto names = platform.listFiles(folder);
        if (!names) continue;
        anyRead = true;
        for (const std::string& name : *names) pathOfName[name] = folder + "/" + name;
    }
    if (!anyRead) return std::nullopt;
    FileList list;
    for (auto& [name, path] : pathOfName) {
        list.entries.push_back(name);
        list.paths.push_back(std::move(path));
    }
    return list;
}

}  // namespace sonarch
