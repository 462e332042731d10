// Progress of a table build as whole percents 0 … 100 through a callback.
#pragma once

#include <functional>

using TableProgress = std::function<void(int percent)>;

// Adds fractional steps and reports each new whole percent (at most 100); lets the user
// interface process its events whenever the percent changes.
class BuildProgress {
  public:
    explicit BuildProgress(TableProgress callback);
    void Advance(double step);
    void Set(double percent);

  private:
    void Report();
    TableProgress callback_;
    double value_ = 0;
    int shown_ = -1;
};
