// Whole-file copy through the platform's atomic writer.
#include "reports/atomic_copy.h"

#include "platform/files.h"

namespace {

// Report, link and task-queue files are small; anything larger is not one of them.
constexpr uint64_t kMaxCopiedFileBytes = 64ull * 1024 * 1024;

}  // namespace

bool CopyFileAtomic(const std::string& from, const std::string& to) {
    const auto bytes = ReadWholeFile(from, kMaxCopiedFileBytes);
    return bytes && WriteFileAtomic(to, bytes->data(), bytes->size());
}
