// A throw-away user profile and configuration databases for the shell's tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/scoped_env.h"
#include "support/temp_dir.h"

// Points XDG_CONFIG_HOME at a fresh temporary directory, resets the shell's program-wide state
// (the settings file name is set as the main window sets it) and destroys the database object
// afterwards.
class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The per-user vendor directory ".../Ambrisk".
    std::string VendorDir() const;
    // Writes the settings file with the given text.
    void WriteSettings(const std::string& text) const;

    TempDir profile_;
    TempDir work_;
    ScopedEnv configHome_{"XDG_CONFIG_HOME", profile_.Path()};
};

// Makes a configuration database directory under root/relative (ALG, MOD and TASK with one file
// each and a version.txt) and returns its path.
std::string MakeDbDirectory(const TempDir& root, const std::string& relative);

// Packs a database like MakeDbDirectory's into the zip archive zipPath with the zip tool.
void MakeDbZip(const TempDir& scratch, const std::string& zipPath);
