// Names the program's settings file and per-user folders are built from.
#pragma once

// Vendor level of the per-user folders and of the default database path.
inline constexpr const char* kVendorName = "Ambrisk";

// Section and keys of the settings file.
inline constexpr const char* kSectionCommon = "Common";
inline constexpr const char* kKeyDbPath = "WayBD";
inline constexpr const char* kKeyDbKind = "BDZemratype";
inline constexpr const char* kKeyReportsDir = "WayReports";
inline constexpr const char* kKeyModulesDir = "WayModuls";
inline constexpr const char* kKeyFlashDiskDir = "WayUSBFlash";
inline constexpr const char* kKeyQuickSaveDir = "WayFast";

// Database kinds as stored under kKeyDbKind.
inline constexpr int kDbKindZip = 0;
inline constexpr int kDbKindDirectory = 1;
