#pragma once
// A scratch folder for tests that touch the file system, removed afterwards
// (or with the run folder, when the test is killed).
// Paths are UTF-8 texts, as the program's own file routines take them.

#include "app/files/get_dir.h"
#include "tests/app/run_folder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

namespace korvex {

inline std::filesystem::path utf8Path(const std::string& path)
{
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

inline std::string utf8Text(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        std::error_code error;
        const std::filesystem::path& base = RunFolder();
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const std::filesystem::path candidate = base / ("korvex-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate, error))
                path_ = utf8Text(candidate);
        }
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(utf8Path(path_), std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(utf8Path(path_), ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder itself, or a name inside it ("/" in the name works everywhere).
    std::string path(const std::string& name = {}) const
    {
        return name.empty() ? path_ : path_ + PathSeparator() + name;
    }

private:
    std::string path_;
};

inline std::string fileContent(const std::string& path)
{
    std::ifstream in(utf8Path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::string& path, const std::string& content)
{
    std::ofstream(utf8Path(path), std::ios::binary) << content;
}

}  // namespace korvex
