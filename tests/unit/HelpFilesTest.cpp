// The help topics as they ship: every language folder holds the topics of
// English, and every link of every topic names a file that is there.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

std::set<std::string> Topics(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

TEST(HelpFiles, EveryLanguageHasEveryTopicAndEveryLinkResolves) {
    const fs::path help = QUORVEL_HELP_DIR;
    const std::regex link(R"#((?:href|src)="([^"#]*)[^"]*")#");
    int links = 0;
    for (const auto& language : fs::directory_iterator(help)) {
        if (!language.is_directory()) continue;
        EXPECT_EQ(Topics(language.path()), Topics(help / "en-US")) << language.path();
        for (const auto& topic : fs::directory_iterator(language.path())) {
            std::ifstream in(topic.path());
            const std::string html{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            for (std::sregex_iterator found(html.begin(), html.end(), link), end; found != end; ++found) {
                const std::string target = (*found)[1];
                if (target.empty() || target.find(':') != std::string::npos) continue;  // an anchor, or the web
                ++links;
                EXPECT_TRUE(fs::exists(topic.path().parent_path() / target)) << topic.path() << " links " << target;
            }
        }
    }
    EXPECT_GT(links, 0) << "no link was read";
}

}  // namespace
