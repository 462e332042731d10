// The program's windows on a throw-away profile with scripted prompts, and helpers that drive
// modal windows without blocking.
#pragma once

#include <gtest/gtest.h>

#include <QWidget>
#include <functional>
#include <string>

#include "platform/prompts.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

// Runs action as soon as window is visible, from inside the modal loop that shows it. A
// window that is not shown within a few seconds fails the test; a modal window still open
// then is closed, so a test never hangs.
void WhenShown(QWidget* window, std::function<void()> action);

// Handles the events that are waiting (queued activations among them).
void HandlePendingEvents();

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A configuration database directory (ALG, MOD, TASK with one file each) under work_.
    std::string MakeDb(const std::string& relative);
    // Writes the settings file: the database as a directory, and the directories given.
    void WriteSettings(const std::string& db, const std::string& reports,
                       const std::string& modules);

    TempDir profile_;
    TempDir work_;
    ScopedEnv configHome_{"XDG_CONFIG_HOME", profile_.Path()};
    ScriptedPrompts prompts_;
    ScopedPrompts promptScope_{prompts_};
};
