// A scratch report-forms directory, modules directory and report library for the report tests.
#include "reports_fixture.h"

#include <algorithm>
#include <filesystem>

#include "platform/files.h"
#include "shell/program_state.h"

void ReportsTest::SetUp() {
    reportsDir_ = work_.MakeDir("Reports");
    modulesDir_ = work_.MakeDir("Modules");
    Shell() = ProgramState{};
    Shell().ReportsDir = reportsDir_;
    Shell().ModulesDir = modulesDir_;
}

void ReportsTest::TearDown() {
    Shell() = ProgramState{};
}

std::string ReportsTest::Text(const std::string& path) {
    const auto bytes = ReadWholeFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "";
}

std::vector<std::string> ReportsTest::Tree(const std::string& dir) {
    std::vector<std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir))
        if (e.is_regular_file())
            files.push_back(std::filesystem::relative(e.path(), dir).generic_string());
    std::sort(files.begin(), files.end());
    return files;
}
