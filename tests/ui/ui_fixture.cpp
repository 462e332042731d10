// The program's windows on a throw-away profile with scripted prompts, and helpers that drive
// modal windows without blocking.
#include "ui/ui_fixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

#include "model/configdb/config_db.h"
#include "platform/event_pump.h"
#include "platform/files.h"
#include "shell/program_state.h"
#include "shell/ui/program_windows.h"

namespace {
constexpr int kPollMs = 10;
constexpr int kGiveUpPolls = 500;
}  // namespace

void WhenShown(QWidget* window, std::function<void()> action) {
    auto* timer = new QTimer;
    auto polls = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, polls, window, action] {
        if (window->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action();
            return;
        }
        if (++*polls < kGiveUpPolls)
            return;
        timer->stop();
        timer->deleteLater();
        ADD_FAILURE() << "window " << window->objectName().toStdString() << " was not shown";
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    timer->start(kPollMs);
}

void HandlePendingEvents() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void WindowTest::SetUp() {
    Shell() = ProgramState{};
    DestroyConfigDb();
    SetEventPump(nullptr);
    CreateProgramWindows();
}

void WindowTest::TearDown() {
    SetEventPump(nullptr);
    DestroyProgramWindows();
    HandlePendingEvents();
    DestroyConfigDb();
}

std::string WindowTest::MakeDb(const std::string& relative) {
    work_.WriteFile(relative + "/ALG/0001.alg", "alg");
    work_.WriteFile(relative + "/MOD/0002.mod", "mod");
    work_.WriteFile(relative + "/TASK/0003.tsk", "tsk");
    work_.WriteFile(relative + "/version.txt", "2.14");
    return work_ / relative;
}

void WindowTest::WriteSettings(const std::string& db, const std::string& reports,
                               const std::string& modules) {
    std::string text = "[Common]\nWayBD=" + db + "\nBDZemratype=1\n";
    if (!reports.empty())
        text += "WayReports=" + reports + "\n";
    if (!modules.empty())
        text += "WayModuls=" + modules + "\n";
    ASSERT_TRUE(WriteFileAtomic(Shell().SettingsFileName, text));
}
