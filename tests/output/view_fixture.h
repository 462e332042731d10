// The demo world with a second module that copies the demo module under another name, for the
// tests of the report view window's core logic.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/format_settings.h"
#include "shell/demo_world.h"
#include "support/temp_dir.h"

class DemoModules : public ::testing::Test {
  protected:
    void SetUp() override;
    // Copies the demo module directory (task queue, link file, report files) to name.
    std::string CopyModule(const std::string& name);
    std::string ModuleReport(const std::string& moduleDir, const std::string& file) const;

    TempDir dir;
    DemoWorld world;
};
