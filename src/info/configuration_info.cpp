// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/configuration_info.h"

#include <array>
#include <sstream>
#include <string_view>

#include "core/message_texts.h"
#include "core/text.h"
#include "core/version.h"

namespace tavoric {

namespace {

// The five folders whose state support asks about, in the order the rows list them.
struct NamedFolder {
    const char* suffix;
    std::string path;
};

std::array<NamedFolder, 5> Folders(const ProgramIdentity& program) {
    // The system's own folder takes the place of the Windows folder.
    return {{{"Cur", program.currentFolder},
             {"Appl", program.programFolder},
             {"Temp", program.temporaryFolder},
             {"Win", "/usr/"},
             {"Config", program.configFolder}}};
}

std::uint64_t DivideHalfEven(std::uint64_t value, std::uint64_t divisor) {
    const std::uint64_t quotient = value / divisor;
    const std::uint64_t twiceRest = (value % divisor) * 2;
    if (twiceRest > divisor || (twiceRest == divisor && quotient % 2 == 1)) {
        return quotient + 1;
    }
    return quotient;
}

std::string Text(std::int64_t number) {
    return std::to_string(number);
}

std::string Flag(bool on) {
    return on ? "1" : "0";
}

std::string_view TrimWhiteSpace(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// "KEY=value" lines such as /etc/os-release; quotes around the value removed.
std::string KeyValueLine(std::string_view content, std::string_view key, char separator) {
    std::istringstream lines{std::string(content)};
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t at = line.find(separator);
        if (at == std::string::npos ||
            TrimWhiteSpace(std::string_view(line).substr(0, at)) != key) {
            continue;
        }
        std::string value(TrimWhiteSpace(std::string_view(line).substr(at + 1)));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        return value;
    }
    return {};
}

std::string TrimmedLine(std::optional<std::string> text) {
    if (!text) {
        return {};
    }
    return std::string(TrimWhiteSpace(std::string_view(*text).substr(0, text->find('\n'))));
}

class RowWriter {
public:
    void Add(std::string key, std::string value) {
        rows_.push_back({std::move(key), std::move(value)});
    }
    ConfigRows Take() { return std::move(rows_); }

private:
    ConfigRows rows_;
};

void AddProgramRows(RowWriter& rows, const ProgramIdentity& program, SystemQueries& system) {
    rows.Add("Appl", std::string(kProductName));
    rows.Add("ApplVer", ProgramVersionText());
    rows.Add("ApplProductVer", ProductVersionText());
    rows.Add("ApplExe", program.executablePath);
    rows.Add("ApplExeSize", Text(system.FileSize(program.executablePath).value_or(-1)));
    rows.Add("ApplCmdLine", program.commandLine);
    rows.Add("ApplMem",
             std::to_string(DiskMegabytes(system.WorkingSetBytes().value_or(0))) + " mb");
}

void AddFolderRows(RowWriter& rows, const ProgramIdentity& program, SystemQueries& system) {
    const auto folders = Folders(program);
    for (const NamedFolder& folder : folders) {
        rows.Add(std::string("Dir") + folder.suffix, folder.path);
    }
    for (const NamedFolder& folder : folders) {
        rows.Add(std::string("DirCW") + folder.suffix, Flag(system.FolderWritable(folder.path)));
    }
    for (const NamedFolder& folder : folders) {
        const std::optional<DiskSpace> space = system.DiskSpaceOf(folder.path);
        rows.Add(std::string("DriveSizeAvailCaller") + folder.suffix,
                 space ? std::to_string(DiskMegabytes(space->total)) + "/" +
                             std::to_string(DiskMegabytes(space->free)) + "/" +
                             std::to_string(DiskMegabytes(space->availableToUser)) + " mb"
                       : kNotAvailable);
    }
    const std::optional<std::string> mounts = system.ReadTextFile("/proc/self/mounts");
    for (const NamedFolder& folder : folders) {
        rows.Add(std::string("DriveType") + folder.suffix,
                 mounts ? DriveTypeOf(*mounts, folder.path) : "Unknown");
    }
}

void AddMemoryRows(RowWriter& rows, SystemQueries& system) {
    const std::optional<MemoryStatus> memory = system.Memory();
    auto megabytes = [&](std::uint64_t MemoryStatus::*figure) {
        return memory ? std::to_string(MemoryMegabytes((*memory).*figure)) + " mb" : kNotAvailable;
    };
    rows.Add("MemInUse", memory ? Text(memory->loadPercent) + "%" : kNotAvailable);
    rows.Add("MemTotalPhys", megabytes(&MemoryStatus::totalPhysical));
    rows.Add("MemAvailPhys", megabytes(&MemoryStatus::availablePhysical));
    rows.Add("MemTotalPageFile", megabytes(&MemoryStatus::totalPageFile));
    rows.Add("MemAvailPageFile", megabytes(&MemoryStatus::availablePageFile));
    rows.Add("MemTotalVirtual", megabytes(&MemoryStatus::totalVirtual));
    rows.Add("MemAvailVirtual", megabytes(&MemoryStatus::availableVirtual));
}

std::string UpTimeText(std::int64_t seconds) {
    return Text(seconds / 86400) + "d, " + Text(seconds % 86400 / 3600) + "h, " +
           Text(seconds % 3600 / 60) + "m, " + Text(seconds % 60) + "s";
}

std::string CutTo(std::optional<std::string> name, std::size_t length) {
    return name ? name->substr(0, length) : kNotAvailable;
}

void AddSystemRows(RowWriter& rows, SystemQueries& system,
                   const std::optional<KernelVersion>& kernel) {
    if (kernel) {
        const std::optional<std::string> release = system.ReadTextFile("/etc/os-release");
        const std::string id = release ? KeyValueLine(*release, "ID", '=') : "";
        std::string name = release ? KeyValueLine(*release, "PRETTY_NAME", '=') : "";
        rows.Add("OSid", id.empty() ? kernel->sysname : id);
        rows.Add("OSVer", kernel->release + " (" + kernel->version + ")");
        rows.Add("OSName", name.empty() ? kernel->sysname : name);
    } else {
        rows.Add("OS", kNotAvailable);
    }
    const std::optional<std::int64_t> upTime = system.UpTimeSeconds();
    rows.Add("OSRun", upTime ? UpTimeText(*upTime) : kNotAvailable);
    rows.Add("OSUserName", CutTo(system.UserName(), 15));
    rows.Add("OSCompName", CutTo(system.HostName(), 49));
    rows.Add("OSUserIsAdmin", Flag(system.UserIsAdministrator()));
    rows.Add("OSIsWow64", Flag(system.Is32BitProcess() && kernel && kernel->machine == "x86_64"));
}

void AddProcessorRows(RowWriter& rows, SystemQueries& system,
                      const std::optional<KernelVersion>& kernel) {
    const std::string cpuInfo = system.ReadTextFile("/proc/cpuinfo").value_or("");
    const std::string family = KeyValueLine(cpuInfo, "cpu family", ':');
    const std::string model = KeyValueLine(cpuInfo, "model", ':');
    const std::string stepping = KeyValueLine(cpuInfo, "stepping", ':');
    const std::string arch = kernel ? kernel->machine : "";
    rows.Add("ProcCount", Text(system.ProcessorCount()));
    rows.Add("ProcArch", arch.empty() ? kNotAvailable : arch);
    rows.Add("ProcLevel", family.empty() ? kNotAvailable : family);
    rows.Add("ProcRevision", model.empty() || stepping.empty()
                                 ? kNotAvailable
                                 : Text(IntegerOrZero(model) * 256 + IntegerOrZero(stepping)));
    if (const std::optional<CpuIdentity> cpu = system.Cpu()) {
        rows.Add("ProcFamily", Text((cpu->signature >> 8) & 0xF));
        rows.Add("ProcModel", Text((cpu->signature >> 4) & 0xF));
        rows.Add("ProcStepping", Text(cpu->signature & 0xF));
        rows.Add("ProcVendor", cpu->vendor);
    } else {
        rows.Add("ProcFamily", kNotAvailable);
    }
    const std::optional<std::int64_t> mhz = system.MeasureClockMhz();
    rows.Add("ProcSpeed", mhz ? Text(*mhz) + " mhz" : kNotAvailable);
    const std::string vendor = KeyValueLine(cpuInfo, "vendor_id", ':');
    const std::string name = KeyValueLine(cpuInfo, "model name", ':');
    if (vendor.empty() && name.empty()) {
        rows.Add("ProcRegistry", kNotAvailable);
        return;
    }
    rows.Add("ProcRegistryId",
             arch + " Family " + family + " Model " + model + " Stepping " + stepping);
    rows.Add("ProcRegistryVendor", vendor);
    rows.Add("ProcRegistryName", name);
}

void AddScreenRows(RowWriter& rows, const std::optional<ScreenFacts>& screen) {
    if (!screen) {
        rows.Add("Screen", kNotAvailable);
        return;
    }
    rows.Add("ScreenMonCount", Text(screen->monitorCount));
    rows.Add("ScreenWxH", Text(screen->width) + "x" + Text(screen->height) + " pix");
    rows.Add("ScreenDesktopWxH",
             Text(screen->desktopWidth) + "x" + Text(screen->desktopHeight) + " pix");
    rows.Add("ScreenDesktopLeft", Text(screen->desktopLeft));
    rows.Add("ScreenDesktopTop", Text(screen->desktopTop));
    rows.Add("ScreenRes", Text(screen->pixelsPerInch) + " pix/inch");
    rows.Add("ScreenMaxCol", screen->colourCount == -1 ? "256+" : Text(screen->colourCount));
    rows.Add("ScreenCol", Text(screen->bitsPerPixel) + " bits");
    rows.Add("ScreenThemes", Flag(screen->themes));
}

// The firmware's identification stands where the system's registry values would.
void AddFirmwareRows(RowWriter& rows, SystemQueries& system) {
    const std::string dmi = "/sys/class/dmi/id/";
    const std::optional<std::string> date = system.ReadTextFile(dmi + "bios_date");
    rows.Add("SysRegistryDate", date ? TrimmedLine(date) : kNotAvailable);
    const std::optional<std::string> maker = system.ReadTextFile(dmi + "sys_vendor");
    const std::optional<std::string> product = system.ReadTextFile(dmi + "product_name");
    if (!maker || !product) {
        rows.Add("SysRegistry", kNotAvailable);
        return;
    }
    rows.Add("SysRegistryManufacturer", TrimmedLine(maker));
    rows.Add("SysRegistryProductName", TrimmedLine(product));
}

void AddPrinterRows(RowWriter& rows, const std::optional<PrinterFacts>& printer) {
    if (!printer) {
        rows.Add("Printer", kNotAvailable);
        return;
    }
    rows.Add("Printer", printer->name);
    rows.Add("PrinterWxHPhys",
             Text(printer->physicalWidthMm) + "x" + Text(printer->physicalHeightMm) + " mm");
    rows.Add("PrinterWxHAvail",
             Text(printer->printableWidthMm) + "x" + Text(printer->printableHeightMm) + " mm");
    rows.Add("PrinterWxHAvail", Text(printer->printableWidthPixels) + "x" +
                                    Text(printer->printableHeightPixels) + " pix");
    rows.Add("PrinterResXxY",
             Text(printer->resolutionX) + "x" + Text(printer->resolutionY) + " pix/inch");
    rows.Add("PrinterMaxCol", Text(printer->colourCount));
    rows.Add("PrinterColor",
             printer->name + (printer->colourMode ? ": Color" : ": Black and White") +
                 (printer->colourSupport ? " - Color support" : " - No color support"));
}

}  // namespace

ConfigRows ConfigurationRows(const ConfigurationInput& input, SystemQueries& system) {
    RowWriter rows;
    AddProgramRows(rows, input.program, system);
    AddFolderRows(rows, input.program, system);
    AddMemoryRows(rows, system);
    const std::optional<KernelVersion> kernel = system.Kernel();
    AddSystemRows(rows, system, kernel);
    AddProcessorRows(rows, system, kernel);
    AddScreenRows(rows, input.screen);
    AddFirmwareRows(rows, system);
    AddPrinterRows(rows, input.printer);
    rows.Add("CurDateTime", system.LocalDateTime());
    return rows.Take();
}

std::string ConfigurationClipboardText(const ConfigRows& rows) {
    std::string text = "*Start\n";
    for (const ConfigRow& row : rows) {
        text += row.key + "=" + row.value + "\n";
    }
    return text + "*End\n";
}

std::string DriveTypeOf(const std::string& mountTable, const std::string& folder) {
    std::string bestPoint;
    std::string bestType;
    std::string bestDevice;
    std::istringstream lines(mountTable);
    std::string device, point, type, rest;
    while (lines >> device >> point >> type && std::getline(lines, rest)) {
        const std::string prefix = WithTrailingDelimiter(point);
        const bool holds = point == "/" || WithTrailingDelimiter(folder).starts_with(prefix);
        if (holds && point.size() >= bestPoint.size()) {
            bestPoint = point;
            bestType = type;
            bestDevice = device;
        }
    }
    if (bestPoint.empty()) {
        return "None";
    }
    for (std::string_view network : {"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "9p",
                                     "afs", "ceph", "glusterfs", "davfs", "fuse.rclone"}) {
        if (bestType == network) {
            return "Network";
        }
    }
    if (bestType == "iso9660" || bestType == "udf") {
        return "CD-ROM";
    }
    if (bestType == "tmpfs" || bestType == "ramfs") {
        return "RAM";
    }
    const bool mediaMount =
        bestPoint.starts_with("/media/") || bestPoint.starts_with("/run/media/");
    if (mediaMount) {
        return "Removab";
    }
    if (bestDevice.starts_with("/dev/") || bestType == "overlay" || bestType == "btrfs" ||
        bestType == "zfs") {
        return "Fixed";
    }
    return "Unknown";
}

std::uint64_t DiskMegabytes(std::uint64_t bytes) {
    return DivideHalfEven(bytes, 1024 * 1000);
}
std::uint64_t MemoryMegabytes(std::uint64_t bytes) {
    return DivideHalfEven(bytes, 1024 * 1024);
}

std::string ProgramVersionText() {
    return std::string(kVersionMajorMinor) + "." + std::to_string(kVersionRelease) + " build " +
           std::to_string(kVersionBuild);
}

std::string ProductVersionText() {
    return std::string(kVersionMajorMinor) + "." + std::to_string(kVersionRelease) + "." +
           std::to_string(kVersionBuild);
}

}  // namespace tavoric
