// A scratch report-forms directory, modules directory and report library for the report tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/prompts.h"
#include "support/temp_dir.h"

// Resets the shell's paths to work_/Reports and work_/Modules (both created) and answers
// questions from prompts_.
class ReportsTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Reads a whole file as text ("" when missing).
    static std::string Text(const std::string& path);
    // Every file under dir, as paths relative to dir, sorted.
    static std::vector<std::string> Tree(const std::string& dir);

    TempDir work_;
    std::string reportsDir_;
    std::string modulesDir_;
    ScriptedPrompts prompts_;
    ScopedPrompts scopedPrompts_{prompts_};
};
