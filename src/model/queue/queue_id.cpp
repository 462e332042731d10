// The queue identifier: a weighted sum over the enabled tasks and the parameter image.
#include "model/queue/task_cl.h"

#include <cstdio>

#include "model/binary/le_fields.h"

void Task_CL::ComputeId() {
    uint16_t taskSum = 0;
    uint16_t k = 0;
    for (const auto& task : tasks_)
        if (task->Enabled()) {
            ++k;
            taskSum = static_cast<uint16_t>(taskSum + k * task->AlgNumber());
        }
    uint16_t imageSum = 0;
    const auto& area = image_.ParamArea;
    k = 0;
    for (size_t at = 0; at + 1 < area.size(); at += 2) {
        ++k;
        imageSum = static_cast<uint16_t>(imageSum + k * GetU16(area.data(), at));
    }
    queueId_ = taskSum + 65536u * imageSum;
    header_.IdFlags = 15;
}

std::string Task_CL::IdText(const std::string& separator) const {
    std::string text;
    for (int i = 0; i < 4; ++i) {
        char buf[4];
        std::snprintf(buf, sizeof buf, "%02X", (queueId_ >> (8 * i)) & 0xFF);
        text += buf;
        text += separator;
    }
    return text;
}
