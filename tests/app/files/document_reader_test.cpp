// Reading a file, on whichever system the tests run.
#include "app/files/document_reader.h"
#include "tests/app/plant_link.h"
#include "tests/app/temp_folder.h"
#include "tests/error_of.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace korvex {
namespace {

constexpr std::size_t kLimit = 16;
const std::string kAtTheLimit(kLimit, 'r');

TEST(ReadRegularFile, ReadsOnlyARegularFileWithinTheLimit)
{
    TempFolder temp;
    const struct {
        const char* place;
        // Plants something at the name and returns the path to read.
        std::function<std::string(const std::string& at)> plant;
        ReadOutcome outcome;
    } cases[] = {
        {"a regular file at the limit", [](auto& at) { return writeFile(at, kAtTheLimit), at; }, ReadOutcome::Read},
        {"one byte beyond", [](auto& at) { return writeFile(at, kAtTheLimit + "!"), at; }, ReadOutcome::TooLarge},
        {"nothing", [](auto& at) { return at; }, ReadOutcome::Missing},
        {"nothing, in a missing folder", [](auto& at) { return at + "/gone/Help.rtf"; }, ReadOutcome::Missing},
        {"a folder", [](auto& at) { return std::filesystem::create_directory(utf8Path(at)), at; },
         ReadOutcome::NotAFile},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.place);
        const std::string path = c.plant(temp.path("place" + std::to_string(++n)));
        const FileContent content = ReadRegularFile(path, kLimit);
        EXPECT_EQ(content.outcome, c.outcome);
        EXPECT_EQ(content.bytes, content.outcome == ReadOutcome::Read ? fileContent(path) : "");
        EXPECT_EQ(content.reason.empty(), content.outcome == ReadOutcome::Read) << content.reason;
    }
}

TEST(ReadRegularFile, RefusesWhatTheSystemForbidsUs)
{
    TempFolder temp;
    const std::string path = temp.path("Help.rtf");
    writeFile(path, "secret");
    // Root, and Wine's root, read it anyway.
    const ReadOutcome expected = DenyReading(path) ? ReadOutcome::Refused : ReadOutcome::Read;
    EXPECT_EQ(ReadRegularFile(path, kLimit).outcome, expected);
}

TEST(ReadRegularFile, NeverReadsThroughALink)
{
    TempFolder temp;
    writeFile(temp.path("target"), "bytes of the target");
    std::filesystem::create_directory(utf8Path(temp.path("folder")));
    if (!PlantLink(temp.path("target"), temp.path("to a file")))
        GTEST_SKIP() << "this system makes no links for us";
    ASSERT_TRUE(PlantLink(temp.path("folder"), temp.path("to a folder")));
    EXPECT_EQ(ReadRegularFile(temp.path("to a file"), kLimit).outcome, ReadOutcome::NotAFile);
    EXPECT_EQ(ReadRegularFile(temp.path("to a folder"), kLimit).outcome, ReadOutcome::NotAFile);
}

// The message names the file as given and ends with one line of reason.
TEST(ReadDocument, NamesTheFileAndTheReasonOrGivesNothing)
{
    TempFolder temp;
    const std::string missing = temp.path("Help.rtf");
    const std::string folder = temp.path("Calculators.css");
    std::filesystem::create_directory(utf8Path(folder));
    const std::string large = temp.path("rvReport.rav");
    writeFile(large, kAtTheLimit + "!");
    for (const std::string& path : {missing, large}) {
        const std::string prefix = "Cannot open file \"" + path + "\". ";
        const std::string message = errorOf([&] { ReadDocument(path, kLimit); });
        ASSERT_EQ(message.rfind(prefix, 0), 0u) << message;
        EXPECT_GT(message.size(), prefix.size()) << message;
        EXPECT_EQ(message.find_first_of("\r\n"), std::string::npos) << message;
    }
    EXPECT_EQ(errorOf([&] { ReadDocument(folder, kLimit); }), "Cannot open file \"" + folder + "\". Not a regular file");
    EXPECT_EQ(TryReadDocument(folder, kLimit), std::nullopt);
    EXPECT_EQ(TryReadDocument(large, kLimit + 1), kAtTheLimit + "!");
}

}  // namespace
}  // namespace korvex
