// Turning fractional progress steps into whole percents.
#include "output/table/build_progress.h"

#include <algorithm>

#include "platform/event_pump.h"

BuildProgress::BuildProgress(TableProgress callback) : callback_(std::move(callback)) {
    Report();
}

void BuildProgress::Advance(double step) {
    value_ += step;
    Report();
}

void BuildProgress::Set(double percent) {
    value_ = percent;
    Report();
}

void BuildProgress::Report() {
    const int percent = std::clamp(static_cast<int>(value_), 0, 100);
    if (percent == shown_)
        return;
    shown_ = percent;
    if (callback_)
        callback_(percent);
    ProcessEvents();
}
