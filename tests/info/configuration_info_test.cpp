// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration list: its rows in order, the "n.a." rows of failing queries, the copied
// text, and the Linux answers that are read from files.
#include "info/configuration_info.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "../core/temp_folder.h"
#include "info/linux_system.h"

namespace tavoric {
namespace {

// A machine that answers every query with fixed values, or fails where a test says so.
class FakeSystem : public SystemQueries {
public:
    std::map<std::string, std::string> files{
        {"/etc/os-release",
         "NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 "
         "(bookworm)\"\nID=debian\n"},
        {"/proc/cpuinfo",
         "vendor_id\t: GenuineIntel\ncpu family\t: 6\nmodel\t\t: 158\n"
         "model name\t: Intel(R) Core(TM) i7\nstepping\t: 10\n"},
        {"/proc/self/mounts", "/dev/sda1 / ext4 rw 0 0\ntmpfs /tmp tmpfs rw 0 0\n"},
        {"/sys/class/dmi/id/bios_date", "03/14/2022\n"},
        {"/sys/class/dmi/id/sys_vendor", "Acme\n"},
        {"/sys/class/dmi/id/product_name", "Desk 1\n"},
    };
    bool failAll = false;

    std::optional<std::string> ReadTextFile(const std::string& path) override {
        const auto it = files.find(path);
        if (failAll || it == files.end()) {
            return std::nullopt;
        }
        return it->second;
    }
    std::optional<std::int64_t> FileSize(const std::string&) override {
        return Answer<std::int64_t>(1234);
    }
    std::optional<std::uint64_t> WorkingSetBytes() override {
        return Answer<std::uint64_t>(1536000);  // 1.5 mb: rounds to 2
    }
    bool FolderWritable(const std::string& folder) override {
        return !failAll && folder != "/usr/";
    }
    std::optional<DiskSpace> DiskSpaceOf(const std::string&) override {
        return Answer(DiskSpace{1024000 * 100, 1024000 * 40, 1024000 * 30});
    }
    std::optional<KernelVersion> Kernel() override {
        return Answer(KernelVersion{"Linux", "6.1.0", "#1 SMP", "x86_64"});
    }
    std::optional<std::int64_t> UpTimeSeconds() override {
        return Answer<std::int64_t>(2 * 86400 + 3 * 3600 + 4 * 60 + 5);
    }
    std::optional<std::string> UserName() override {
        return Answer<std::string>("averyveryverylongname");
    }
    std::optional<std::string> HostName() override { return Answer<std::string>("desk"); }
    bool UserIsAdministrator() override { return !failAll; }
    bool Is32BitProcess() override { return false; }
    int ProcessorCount() override { return 4; }
    std::optional<CpuIdentity> Cpu() override {
        return Answer(CpuIdentity{"GenuineIntel", 0x000906EA});
    }
    std::optional<std::int64_t> MeasureClockMhz() override { return Answer<std::int64_t>(2904); }
    std::optional<MemoryStatus> Memory() override {
        return Answer(MemoryStatus{25, 8 << 20, 6 << 20, 10 << 20, 8 << 20, 1 << 30, 1 << 29});
    }
    std::string LocalDateTime() override { return "2026-12-09 13:45:00"; }

private:
    template <typename T>
    std::optional<T> Answer(T value) const {
        return failAll ? std::nullopt : std::optional<T>(std::move(value));
    }
};

ConfigurationInput Input() {
    ConfigurationInput input;
    input.program = {"/opt/tavoric/tavoric",
                     "/opt/tavoric/tavoric a.par",
                     "/home/u/",
                     "/opt/tavoric/",
                     "/tmp/",
                     "/home/u/.config/Tavoric/"};
    input.screen = ScreenFacts{1, 1920, 1080, 1920, 1050, 0, 30, 96, -1, 24, true};
    input.printer =
        PrinterFacts{"Kantoor", 210, 297, 200, 287, 4724, 6780, 600, 600, 2, false, true};
    return input;
}

std::vector<std::string> Keys(const ConfigRows& rows) {
    std::vector<std::string> keys;
    for (const ConfigRow& row : rows) {
        keys.push_back(row.key);
    }
    return keys;
}

std::map<std::string, std::string> Values(const ConfigRows& rows) {
    std::map<std::string, std::string> values;
    for (const ConfigRow& row : rows) {
        values.emplace(row.key, row.value);  // the first of a repeated key
    }
    return values;
}

TEST(ConfigurationRows, ListsEveryRowInOrderWhenAllQueriesAnswer) {
    FakeSystem system;
    const ConfigRows rows = ConfigurationRows(Input(), system);
    const std::vector<std::string> expected{"Appl",
                                            "ApplVer",
                                            "ApplProductVer",
                                            "ApplExe",
                                            "ApplExeSize",
                                            "ApplCmdLine",
                                            "ApplMem",
                                            "DirCur",
                                            "DirAppl",
                                            "DirTemp",
                                            "DirWin",
                                            "DirConfig",
                                            "DirCWCur",
                                            "DirCWAppl",
                                            "DirCWTemp",
                                            "DirCWWin",
                                            "DirCWConfig",
                                            "DriveSizeAvailCallerCur",
                                            "DriveSizeAvailCallerAppl",
                                            "DriveSizeAvailCallerTemp",
                                            "DriveSizeAvailCallerWin",
                                            "DriveSizeAvailCallerConfig",
                                            "DriveTypeCur",
                                            "DriveTypeAppl",
                                            "DriveTypeTemp",
                                            "DriveTypeWin",
                                            "DriveTypeConfig",
                                            "MemInUse",
                                            "MemTotalPhys",
                                            "MemAvailPhys",
                                            "MemTotalPageFile",
                                            "MemAvailPageFile",
                                            "MemTotalVirtual",
                                            "MemAvailVirtual",
                                            "OSid",
                                            "OSVer",
                                            "OSName",
                                            "OSRun",
                                            "OSUserName",
                                            "OSCompName",
                                            "OSUserIsAdmin",
                                            "OSIsWow64",
                                            "ProcCount",
                                            "ProcArch",
                                            "ProcLevel",
                                            "ProcRevision",
                                            "ProcFamily",
                                            "ProcModel",
                                            "ProcStepping",
                                            "ProcVendor",
                                            "ProcSpeed",
                                            "ProcRegistryId",
                                            "ProcRegistryVendor",
                                            "ProcRegistryName",
                                            "ScreenMonCount",
                                            "ScreenWxH",
                                            "ScreenDesktopWxH",
                                            "ScreenDesktopLeft",
                                            "ScreenDesktopTop",
                                            "ScreenRes",
                                            "ScreenMaxCol",
                                            "ScreenCol",
                                            "ScreenThemes",
                                            "SysRegistryDate",
                                            "SysRegistryManufacturer",
                                            "SysRegistryProductName",
                                            "Printer",
                                            "PrinterWxHPhys",
                                            "PrinterWxHAvail",
                                            "PrinterWxHAvail",
                                            "PrinterResXxY",
                                            "PrinterMaxCol",
                                            "PrinterColor",
                                            "CurDateTime"};
    EXPECT_EQ(Keys(rows), expected);

    auto values = Values(rows);
    EXPECT_EQ(values["Appl"], "Tavoric");
    EXPECT_EQ(values["ApplMem"], "2 mb");
    EXPECT_EQ(values["DirCWWin"], "0");
    EXPECT_EQ(values["DriveSizeAvailCallerTemp"], "100/40/30 mb");
    EXPECT_EQ(values["DriveTypeCur"], "Fixed");
    EXPECT_EQ(values["DriveTypeTemp"], "RAM");
    EXPECT_EQ(values["MemInUse"], "25%");
    EXPECT_EQ(values["MemTotalPhys"], "8 mb");
    EXPECT_EQ(values["OSid"], "debian");
    EXPECT_EQ(values["OSName"], "Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(values["OSRun"], "2d, 3h, 4m, 5s");
    EXPECT_EQ(values["OSUserName"], "averyveryverylo");  // 15 characters
    EXPECT_EQ(values["ProcRevision"], std::to_string(158 * 256 + 10));
    EXPECT_EQ(values["ProcFamily"], "6");
    EXPECT_EQ(values["ProcModel"], "14");
    EXPECT_EQ(values["ProcStepping"], "10");
    EXPECT_EQ(values["ProcSpeed"], "2904 mhz");
    EXPECT_EQ(values["ProcRegistryId"], "x86_64 Family 6 Model 158 Stepping 10");
    EXPECT_EQ(values["ScreenMaxCol"], "256+");
    EXPECT_EQ(values["SysRegistryManufacturer"], "Acme");
    EXPECT_EQ(rows[rows.size() - 5].value, "4724x6780 pix");
    EXPECT_EQ(values["PrinterColor"], "Kantoor: Black and White - Color support");
}

TEST(ConfigurationRows, FailingQueriesGiveTheirNotAvailableRows) {
    FakeSystem system;
    system.failAll = true;
    ConfigurationInput input = Input();
    input.printer.reset();
    const ConfigRows rows = ConfigurationRows(input, system);
    auto values = Values(rows);

    EXPECT_EQ(values["ApplExeSize"], "-1");
    EXPECT_EQ(values["ApplMem"], "0 mb");
    EXPECT_EQ(values["DirCWCur"], "0");
    EXPECT_EQ(values["DriveSizeAvailCallerCur"], "n.a.");
    EXPECT_EQ(values["DriveTypeCur"], "Unknown");
    EXPECT_EQ(values["MemTotalVirtual"], "n.a.");
    EXPECT_EQ(values["OS"], "n.a.");
    EXPECT_EQ(values.count("OSVer"), 0U);
    EXPECT_EQ(values["OSRun"], "n.a.");
    EXPECT_EQ(values["OSUserName"], "n.a.");
    EXPECT_EQ(values["OSCompName"], "n.a.");
    EXPECT_EQ(values["ProcFamily"], "n.a.");
    EXPECT_EQ(values.count("ProcModel"), 0U);
    EXPECT_EQ(values.count("ProcVendor"), 0U);
    EXPECT_EQ(values["ProcSpeed"], "n.a.");
    EXPECT_EQ(values["ProcRegistry"], "n.a.");
    EXPECT_EQ(values["SysRegistryDate"], "n.a.");
    EXPECT_EQ(values["SysRegistry"], "n.a.");
    // Without a printer the list ends with the printer's one row and the date.
    ASSERT_GE(rows.size(), 2U);
    EXPECT_EQ(rows[rows.size() - 2].key, "Printer");
    EXPECT_EQ(rows[rows.size() - 2].value, "n.a.");
    EXPECT_EQ(rows.back().key, "CurDateTime");
}

TEST(ConfigurationRows, CopiedTextRunsFromStartToEndWithBothPrintableAreaRows) {
    FakeSystem system;
    const std::string text = ConfigurationClipboardText(ConfigurationRows(Input(), system));
    EXPECT_TRUE(text.starts_with("*Start\nAppl=Tavoric\n"));
    EXPECT_TRUE(text.ends_with("CurDateTime=2026-12-09 13:45:00\n*End\n"));
    EXPECT_NE(text.find("PrinterWxHAvail=200x287 mm\nPrinterWxHAvail=4724x6780 pix\n"),
              std::string::npos);
}

TEST(DriveTypeOf, TakesTheDeepestMountThatHoldsTheFolder) {
    const std::string mounts =
        "/dev/nvme0n1p2 / ext4 rw 0 0\n"
        "server:/export /mnt/share nfs4 rw 0 0\n"
        "//nas/data /mnt/nas cifs rw 0 0\n"
        "/dev/sdb1 /media/u/STICK vfat rw 0 0\n"
        "/dev/sr0 /media/u/CD iso9660 ro 0 0\n"
        "tmpfs /run tmpfs rw 0 0\n"
        "proc /proc proc rw 0 0\n";
    EXPECT_EQ(DriveTypeOf(mounts, "/home/u/"), "Fixed");
    EXPECT_EQ(DriveTypeOf(mounts, "/mnt/share/project/"), "Network");
    EXPECT_EQ(DriveTypeOf(mounts, "/mnt/nas/"), "Network");
    EXPECT_EQ(DriveTypeOf(mounts, "/mnt/sharexyz/"), "Fixed");  // a name that only begins alike
    EXPECT_EQ(DriveTypeOf(mounts, "/media/u/STICK/"), "Removab");
    EXPECT_EQ(DriveTypeOf(mounts, "/media/u/CD/"), "CD-ROM");
    EXPECT_EQ(DriveTypeOf(mounts, "/run/user/"), "RAM");
    EXPECT_EQ(DriveTypeOf(mounts, "/proc/"), "Unknown");
    EXPECT_EQ(DriveTypeOf("", "/home/"), "None");
}

TEST(Megabytes, RoundHalvesToEven) {
    EXPECT_EQ(DiskMegabytes(1024 * 1000 / 2), 0U);
    EXPECT_EQ(DiskMegabytes(1024 * 1000 * 3 / 2), 2U);
    EXPECT_EQ(DiskMegabytes(1024 * 1000 + 1024 * 500 + 1), 2U);
    EXPECT_EQ(MemoryMegabytes(1024 * 1024 * 5 / 2), 2U);
}

TEST(MemoryFromProcFiles, CountsSwapWithMemoryAndNeedsTheAvailableFigure) {
    const std::string meminfo =
        "MemTotal:  4194304 kB\nMemFree: 100 kB\nMemAvailable: 1048576 kB\n"
        "SwapTotal: 2097152 kB\nSwapFree: 1048576 kB\n";
    const auto memory = MemoryFromProcFiles(meminfo, "VmSize:  1048576 kB\n", 8ULL << 30);
    ASSERT_TRUE(memory);
    EXPECT_EQ(memory->loadPercent, 75);
    EXPECT_EQ(MemoryMegabytes(memory->totalPageFile), 6144U);
    EXPECT_EQ(MemoryMegabytes(memory->availablePageFile), 2048U);
    EXPECT_EQ(MemoryMegabytes(memory->availableVirtual), 7168U);
    EXPECT_FALSE(MemoryFromProcFiles("MemTotal: 100 kB\n", "", 0));
}

class FolderWritableTest : public TempFolderTest {};

TEST_F(FolderWritableTest, LeavesNoTestFileAndKeepsAFileOfTheSameName) {
    LinuxSystemQueries system;
    const std::string folder = folder_.string() + "/";
    EXPECT_TRUE(system.FolderWritable(folder));
    EXPECT_FALSE(std::filesystem::exists(folder + "$cdtmp.tmp"));

    std::filesystem::create_directory(folder + "locked");
    std::filesystem::permissions(
        folder + "locked", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (::geteuid() != 0) {
        EXPECT_FALSE(system.FolderWritable(folder + "locked/"));
    }
    { std::ofstream(folder + "$cdtmp.tmp") << "the user's"; }
    EXPECT_TRUE(system.FolderWritable(folder));
    EXPECT_TRUE(std::filesystem::exists(folder + "$cdtmp.tmp"));
    std::filesystem::permissions(folder + "locked", std::filesystem::perms::owner_all);
}

}  // namespace
}  // namespace tavoric
