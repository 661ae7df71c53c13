#include "tests/app/run_folder.h"

#include "tests/app/test_process.h"

#include <string>
#include <system_error>

namespace korvex {
namespace {

bool isProcessId(const std::string& name)
{
    return !name.empty() && name.size() < 10 && name.find_first_not_of("0123456789") == std::string::npos;
}

void removeLeftovers(const std::filesystem::path& base)
{
    std::error_code error;
    for (auto entry = std::filesystem::directory_iterator(base, error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (isProcessId(name) && !ProcessRunning(std::stoul(name))) {
            std::error_code ignored;
            std::filesystem::remove_all(entry->path(), ignored);
        }
    }
}

class Run {
public:
    Run()
    {
        std::error_code ignored;
        const std::filesystem::path base = std::filesystem::temp_directory_path(ignored) / "korvex-tests";
        std::filesystem::create_directories(base, ignored);
        removeLeftovers(base);
        folder_ = base / std::to_string(CurrentProcessId());
        // Left by an earlier process of the same number.
        std::filesystem::remove_all(folder_, ignored);
        std::filesystem::create_directory(folder_, ignored);
    }
    ~Run()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};

}  // namespace

const std::filesystem::path& RunFolder()
{
    static const Run run;
    return run.folder();
}

}  // namespace korvex
