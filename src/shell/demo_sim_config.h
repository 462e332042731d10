// The simulator configuration that makes velorm-sim answer as the demo world's controller.
#pragma once

#include <string>

#include "reports/demo_reports.h"

// The velorm-sim JSON for the controller module: its network, type and factory numbers, a
// clock frozen at the demo flash disk's writing time, the task-queue identifier of its queue,
// and an hourly archive for every parameter its report files assign (one hour missing).
std::string DemoSimConfigJson(const DemoControllerModule& module);
