// A temporary directory for a test, removed with everything in it when the test ends.
#pragma once

#include <string>

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory, without a trailing delimiter.
    const std::string& Path() const { return path_; }
    // Path() + "/" + relative.
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }
    // Writes a file (creating its parent directories) and returns its full path.
    std::string WriteFile(const std::string& relative, const std::string& contents) const;
    // Creates a directory chain and returns its full path.
    std::string MakeDir(const std::string& relative) const;

  private:
    std::string path_;
};
