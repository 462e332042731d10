// File access for the zip reader: positional reads through a block cache, so that the many
// small reads and seeks of reading an archive directory cost no system calls of their own.
#pragma once

#include <minizip/ioapi.h>

// Read-only file functions for unzOpen2_64.
zlib_filefunc64_def BufferedZipFileFunctions();
