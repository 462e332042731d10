// An environment variable set (or removed) for one scope, restored when the scope ends.
#pragma once

#include <optional>
#include <string>

class ScopedEnv {
  public:
    // nullopt removes the variable for the scope.
    ScopedEnv(std::string name, const std::optional<std::string>& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> previous_;
};
