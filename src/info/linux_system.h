// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration info's machine queries answered by Linux: /proc, /sys, /etc/os-release,
// uname, sysinfo, statvfs, the processor's identification and its time-stamp counter.
#pragma once

#include "info/configuration_info.h"

namespace tavoric {

class LinuxSystemQueries : public SystemQueries {
public:
    std::optional<std::string> ReadTextFile(const std::string& path) override;
    std::optional<std::int64_t> FileSize(const std::string& path) override;
    std::optional<std::uint64_t> WorkingSetBytes() override;
    bool FolderWritable(const std::string& folder) override;
    std::optional<DiskSpace> DiskSpaceOf(const std::string& folder) override;
    std::optional<KernelVersion> Kernel() override;
    std::optional<std::int64_t> UpTimeSeconds() override;
    std::optional<std::string> UserName() override;
    std::optional<std::string> HostName() override;
    bool UserIsAdministrator() override;
    bool Is32BitProcess() override;
    int ProcessorCount() override;
    std::optional<CpuIdentity> Cpu() override;
    // Counts time-stamp ticks over half a second at raised priority, where the user may raise
    // it; the priority is always put back.
    std::optional<std::int64_t> MeasureClockMhz() override;
    std::optional<MemoryStatus> Memory() override;
    std::string LocalDateTime() override;
};

// The memory figures from /proc/meminfo, with the process's address space from its status
// (VmSize) and the limit on it (0: the platform's user address space).
std::optional<MemoryStatus> MemoryFromProcFiles(const std::string& meminfo,
                                                const std::string& processStatus,
                                                std::uint64_t addressSpaceLimit);

}  // namespace tavoric
