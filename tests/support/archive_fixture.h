// Archive files for tests: blocks and files from plain values, written into a TempDir.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/flash/archive_writer.h"
#include "support/temp_dir.h"

// Record steps in days of the five kinds (monthly files store no usable step).
inline constexpr float kHourStep = 1.0f / 24;
inline constexpr float kDayStep = 1.0f;
inline constexpr float kIntervalStep = 10.0f / 1440;
inline constexpr float kHalfHourStep = 1.0f / 48;

// A block with one record per value; depth 0 means the number of values.
ArchiveBlockSpec FixtureBlock(uint16_t id, TDateTime time, float step,
                              const std::vector<float>& values, uint16_t depth = 0);

// A file of the current layout (module number 4) or the old one (module number 2).
ArchiveFileSpec FixtureFile(bool bcd, bool crc, bool currentLayout, TDateTime fileTime,
                            std::vector<ArchiveBlockSpec> blocks, uint32_t seriesId = 0x5A5A);

std::string WriteArchiveFixture(const TempDir& dir, const std::string& name,
                                const ArchiveFileSpec& spec);
// The encoded file cut to its first size bytes.
std::string WriteTruncatedFixture(const TempDir& dir, const std::string& name,
                                  const ArchiveFileSpec& spec, size_t size);
