// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/linux_system.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <x86intrin.h>
#define TAVORIC_HAS_CPUID 1
#endif

namespace tavoric {

namespace {

// A "Name:   1234 kB" figure of /proc/meminfo or /proc/self/status, in bytes.
std::optional<std::uint64_t> KilobyteField(const std::string& content, const std::string& name) {
    std::istringstream lines(content);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(name + ":", 0) != 0) {
            continue;
        }
        std::istringstream fields(line.substr(name.size() + 1));
        std::uint64_t kilobytes = 0;
        if (fields >> kilobytes) {
            return kilobytes * 1024;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

// User space of a 64-bit x86 process; 3 GB for a 32-bit one.
constexpr std::uint64_t kUserAddressSpace =
    sizeof(void*) == 8 ? (std::uint64_t{1} << 47) : (std::uint64_t{3} << 30);

std::optional<std::string> GroupName(gid_t group) {
    std::vector<char> buffer(16384);
    struct group entry {};
    struct group* found = nullptr;
    if (getgrgid_r(group, &entry, buffer.data(), buffer.size(), &found) != 0 || !found) {
        return std::nullopt;
    }
    return std::string(found->gr_name);
}

#ifdef TAVORIC_HAS_CPUID
// Raises the process's priority for the measurement where allowed and puts it back afterwards.
class RaisedPriority {
public:
    RaisedPriority() {
        errno = 0;
        const int nice = getpriority(PRIO_PROCESS, 0);
        if (errno == 0 && setpriority(PRIO_PROCESS, 0, -20) == 0) {
            raised_ = true;
            previous_ = nice;
        }
    }
    ~RaisedPriority() {
        if (raised_) {
            setpriority(PRIO_PROCESS, 0, previous_);
        }
    }
    RaisedPriority(const RaisedPriority&) = delete;
    RaisedPriority& operator=(const RaisedPriority&) = delete;

private:
    bool raised_ = false;
    int previous_ = 0;
};
#endif

}  // namespace

std::optional<std::string> LinuxSystemQueries::ReadTextFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) {
        return std::nullopt;
    }
    return content.str();
}

std::optional<std::int64_t> LinuxSystemQueries::FileSize(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(info.st_size);
}

std::optional<std::uint64_t> LinuxSystemQueries::WorkingSetBytes() {
    const std::optional<std::string> status = ReadTextFile("/proc/self/status");
    return status ? KilobyteField(*status, "VmRSS") : std::nullopt;
}

// The test file is made only when no file of that name exists, so a user's file is never
// removed; an existing one leaves the answer to the folder's permissions.
bool LinuxSystemQueries::FolderWritable(const std::string& folder) {
    const std::string path = folder + "$cdtmp.tmp";
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (file < 0) {
        return errno == EEXIST && access(folder.c_str(), W_OK) == 0;
    }
    close(file);
    return unlink(path.c_str()) == 0;
}

std::optional<DiskSpace> LinuxSystemQueries::DiskSpaceOf(const std::string& folder) {
    struct statvfs info {};
    if (statvfs(folder.c_str(), &info) != 0) {
        return std::nullopt;
    }
    const std::uint64_t unit = info.f_frsize ? info.f_frsize : info.f_bsize;
    return DiskSpace{info.f_blocks * unit, info.f_bfree * unit, info.f_bavail * unit};
}

std::optional<KernelVersion> LinuxSystemQueries::Kernel() {
    struct utsname names {};
    if (uname(&names) != 0) {
        return std::nullopt;
    }
    return KernelVersion{names.sysname, names.release, names.version, names.machine};
}

std::optional<std::int64_t> LinuxSystemQueries::UpTimeSeconds() {
    struct sysinfo info {};
    if (sysinfo(&info) != 0) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(info.uptime);
}

std::optional<std::string> LinuxSystemQueries::UserName() {
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found) {
        return std::nullopt;
    }
    return std::string(found->pw_name);
}

std::optional<std::string> LinuxSystemQueries::HostName() {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) {
        return std::nullopt;
    }
    return std::string(name);
}

bool LinuxSystemQueries::UserIsAdministrator() {
    if (geteuid() == 0) {
        return true;
    }
    const int count = getgroups(0, nullptr);
    if (count <= 0) {
        return false;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    if (getgroups(count, groups.data()) < 0) {
        return false;
    }
    for (gid_t group : groups) {
        const std::optional<std::string> name = GroupName(group);
        if (name && (*name == "sudo" || *name == "wheel" || *name == "admin")) {
            return true;
        }
    }
    return false;
}

bool LinuxSystemQueries::Is32BitProcess() {
    return sizeof(void*) == 4;
}

int LinuxSystemQueries::ProcessorCount() {
    return static_cast<int>(sysconf(_SC_NPROCESSORS_ONLN));
}

std::optional<CpuIdentity> LinuxSystemQueries::Cpu() {
#ifdef TAVORIC_HAS_CPUID
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!__get_cpuid(0, &eax, &ebx, &ecx, &edx)) {
        return std::nullopt;
    }
    CpuIdentity cpu;
    for (unsigned int part : {ebx, edx, ecx}) {
        for (int byte = 0; byte < 4; ++byte) {
            cpu.vendor += static_cast<char>((part >> (8 * byte)) & 0xFF);
        }
    }
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx)) {
        return std::nullopt;
    }
    cpu.signature = eax;
    return cpu;
#else
    return std::nullopt;
#endif
}

// The ticks are divided by the time actually slept, so a late wake-up does not count as speed.
std::optional<std::int64_t> LinuxSystemQueries::MeasureClockMhz() {
#ifdef TAVORIC_HAS_CPUID
    using Clock = std::chrono::steady_clock;
    RaisedPriority raised;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const Clock::time_point start = Clock::now();
    const std::uint64_t startTicks = __rdtsc();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const std::uint64_t ticks = __rdtsc() - startTicks;
    const double microseconds =
        std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    if (microseconds <= 0) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(std::nearbyint(static_cast<double>(ticks) / microseconds));
#else
    return std::nullopt;
#endif
}

std::optional<MemoryStatus> LinuxSystemQueries::Memory() {
    const std::optional<std::string> meminfo = ReadTextFile("/proc/meminfo");
    const std::string status = ReadTextFile("/proc/self/status").value_or("");
    struct rlimit limit {};
    const std::uint64_t addressLimit =
        getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY ? limit.rlim_cur : 0;
    if (meminfo) {
        if (auto memory = MemoryFromProcFiles(*meminfo, status, addressLimit)) {
            return memory;
        }
    }
    struct sysinfo info {};
    if (sysinfo(&info) != 0 || info.totalram == 0) {
        return std::nullopt;
    }
    const std::uint64_t unit = info.mem_unit ? info.mem_unit : 1;
    std::ostringstream text;
    text << "MemTotal: " << info.totalram * unit / 1024 << " kB\n"
         << "MemAvailable: " << (info.freeram + info.bufferram) * unit / 1024 << " kB\n"
         << "SwapTotal: " << info.totalswap * unit / 1024 << " kB\n"
         << "SwapFree: " << info.freeswap * unit / 1024 << " kB\n";
    return MemoryFromProcFiles(text.str(), status, addressLimit);
}

std::string LinuxSystemQueries::LocalDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::optional<MemoryStatus> MemoryFromProcFiles(const std::string& meminfo,
                                                const std::string& processStatus,
                                                std::uint64_t addressSpaceLimit) {
    const auto total = KilobyteField(meminfo, "MemTotal");
    const auto available = KilobyteField(meminfo, "MemAvailable");
    if (!total || !available || *total == 0) {
        return std::nullopt;
    }
    const std::uint64_t swapTotal = KilobyteField(meminfo, "SwapTotal").value_or(0);
    const std::uint64_t swapFree = KilobyteField(meminfo, "SwapFree").value_or(0);
    const std::uint64_t used = *total > *available ? *total - *available : 0;
    MemoryStatus memory;
    memory.loadPercent =
        static_cast<int>(std::nearbyint(100.0 * static_cast<double>(used) / *total));
    memory.totalPhysical = *total;
    memory.availablePhysical = *available;
    memory.totalPageFile = *total + swapTotal;
    memory.availablePageFile = *available + swapFree;
    memory.totalVirtual = addressSpaceLimit ? addressSpaceLimit : kUserAddressSpace;
    const std::uint64_t inUse = KilobyteField(processStatus, "VmSize").value_or(0);
    memory.availableVirtual = memory.totalVirtual > inUse ? memory.totalVirtual - inUse : 0;
    return memory;
}

}  // namespace tavoric
