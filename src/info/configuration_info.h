// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration info that users paste into a support question: the program's identity and
// the machine it runs on, as key/value rows in English. Every machine query goes through
// SystemQueries, so a query that fails gives its "n.a." row and the list goes on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavoric {

struct ConfigRow {
    std::string key;
    std::string value;
};
using ConfigRows = std::vector<ConfigRow>;

inline constexpr const char* kNotAvailable = "n.a.";

struct ProgramIdentity {
    std::string executablePath;
    std::string commandLine;
    // Folders with a trailing "/".
    std::string currentFolder;
    std::string programFolder;
    std::string temporaryFolder;
    std::string configFolder;
};

struct KernelVersion {
    std::string sysname;  // "Linux"
    std::string release;  // "6.1.0-18-amd64"
    std::string version;  // "#1 SMP PREEMPT_DYNAMIC Debian 6.1.76-1"
    std::string machine;  // "x86_64"
};

struct CpuIdentity {
    std::string vendor;           // leaf 0, 12 characters
    std::uint32_t signature = 0;  // leaf 1, eax
};

struct MemoryStatus {
    int loadPercent = 0;
    std::uint64_t totalPhysical = 0, availablePhysical = 0;
    std::uint64_t totalPageFile = 0, availablePageFile = 0;  // memory and swap together
    std::uint64_t totalVirtual = 0, availableVirtual = 0;    // the process's address space
};

struct DiskSpace {
    std::uint64_t total = 0, free = 0, availableToUser = 0;
};

struct ScreenFacts {
    int monitorCount = 0;
    int width = 0, height = 0;
    int desktopWidth = 0, desktopHeight = 0, desktopLeft = 0, desktopTop = 0;
    int pixelsPerInch = 0;
    std::int64_t colourCount = 0;  // -1: more than the platform can count
    int bitsPerPixel = 0;
    bool themes = true;
};

struct PrinterFacts {
    std::string name;
    int physicalWidthMm = 0, physicalHeightMm = 0;
    int printableWidthMm = 0, printableHeightMm = 0;
    int printableWidthPixels = 0, printableHeightPixels = 0;
    int resolutionX = 0, resolutionY = 0;
    int colourCount = 0;
    bool colourMode = false;     // the job prints in colour
    bool colourSupport = false;  // the printer can print colour
};

// The machine's answers; nothing (or false) where a query fails. Implemented for Linux by
// LinuxSystemQueries; tests replace single answers.
class SystemQueries {
public:
    virtual ~SystemQueries() = default;
    virtual std::optional<std::string> ReadTextFile(const std::string& path) = 0;
    virtual std::optional<std::int64_t> FileSize(const std::string& path) = 0;
    virtual std::optional<std::uint64_t> WorkingSetBytes() = 0;
    // Creates, closes and deletes a test file in the folder.
    virtual bool FolderWritable(const std::string& folder) = 0;
    virtual std::optional<DiskSpace> DiskSpaceOf(const std::string& folder) = 0;
    virtual std::optional<KernelVersion> Kernel() = 0;
    virtual std::optional<std::int64_t> UpTimeSeconds() = 0;
    virtual std::optional<std::string> UserName() = 0;
    virtual std::optional<std::string> HostName() = 0;
    virtual bool UserIsAdministrator() = 0;
    virtual bool Is32BitProcess() = 0;
    virtual int ProcessorCount() = 0;
    virtual std::optional<CpuIdentity> Cpu() = 0;
    virtual std::optional<std::int64_t> MeasureClockMhz() = 0;
    virtual std::optional<MemoryStatus> Memory() = 0;
    virtual std::string LocalDateTime() = 0;  // "yyyy-mm-dd hh:mm:ss"
};

struct ConfigurationInput {
    ProgramIdentity program;
    std::optional<ScreenFacts> screen;
    std::optional<PrinterFacts> printer;  // nothing: no printer installed or none current
};

// Every row, in the order support expects them.
ConfigRows ConfigurationRows(const ConfigurationInput& input, SystemQueries& system);

// "*Start", one "key=value" line per row, "*End", lines ending in "\n".
std::string ConfigurationClipboardText(const ConfigRows& rows);

// The drive type of a folder from the mount table (/proc/self/mounts): "Fixed", "Network",
// "Removab", "CD-ROM", "RAM", "Unknown", or "None" when no mount holds the folder.
std::string DriveTypeOf(const std::string& mountTable, const std::string& folder);

// bytes / 1024 / 1000 and bytes / 1024 / 1024, rounded half to even.
std::uint64_t DiskMegabytes(std::uint64_t bytes);
std::uint64_t MemoryMegabytes(std::uint64_t bytes);

// "3.1.0 build 42"
std::string ProgramVersionText();
// The product version: "3.1.0.42"
std::string ProductVersionText();

}  // namespace tavoric
