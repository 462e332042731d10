// The demo world for the view logic tests, and copies of its module.
#include "output/view_fixture.h"

#include "platform/file_search.h"
#include "platform/files.h"

void DemoModules::SetUp() {
    CurrentFormatSettings() = FormatSettings{};
    std::string error;
    ASSERT_TRUE(WriteDemoWorld(dir.Path(), "", world, error)) << error;
}

std::string DemoModules::CopyModule(const std::string& name) {
    const std::string target = JoinPath(world.modulesDir, name);
    for (const char* sub : {"", "Reports"}) {
        const std::string from = JoinPath(world.reports.ModuleDir, sub);
        const std::string to = JoinPath(target, sub);
        std::string message;
        EXPECT_TRUE(CreateDirectoryPath(to, message)) << message;
        for (const DirEntry& e : ListDirectory(from)) {
            if (!e.isDirectory) {
                EXPECT_TRUE(CopyFileOverwrite(JoinPath(from, e.name), JoinPath(to, e.name)));
            }
        }
    }
    return target;
}

std::string DemoModules::ModuleReport(const std::string& moduleDir, const std::string& file) const {
    return JoinPath(JoinPath(moduleDir, "Reports"), file);
}
