// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/project_lifecycle.h"

#include <algorithm>
#include <filesystem>

#include "app/recovery_keeper.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/project_file.h"
#include "core/text.h"
#include "core/version.h"

namespace tavoric {

namespace {

constexpr std::string_view kProjectExtension = ".par";

ButtonCaptions SaveQuestionCaptions() {
    return {MessageText("ZB00011"), MessageText("ZB00012"), "", MessageText("ZB00013")};
}

ButtonCaptions OverwriteQuestionCaptions() {
    return {MessageText("ZB00016"), MessageText("ZB00017"), "", MessageText("ZB00013")};
}

ButtonCaptions RecoveryQuestionCaptions() {
    return {MessageText("AA00603"), MessageText("ZB00018"), "", MessageText("AA00604")};
}

// Two buttons: "Later" keeps the copy, as closing the question does.
ButtonCaptions DamagedCopyCaptions() {
    return {MessageText("ZB00018"), MessageText("AA00604"), "", "", false};
}

ButtonCaptions DeletionCaptions() {
    return {MessageText("ZB00018"), MessageText("ZB00019"), "", "", false};
}

ButtonCaptions LockQuestionCaptions() {
    return {MessageText("AA00613"), MessageText("AA00614"), "", MessageText("ZB00013")};
}

ButtonCaptions ChangedOnDiskCaptions() {
    return {MessageText("ZB00016"), MessageText("AA00619"), "", MessageText("ZB00013")};
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

}  // namespace

void ProjectLifecycle::ResetToNewProject() {
    lock_.Release();
    onDisk_.reset();
    readOnly_ = false;
    survey_.ResetToNew(NewProjectFileName());
    shell_.CloseAllReportWindows();
    shell_.SetTitle(survey_.ProjectPath);
    shell_.NewProjectStarted();
}

bool ProjectLifecycle::CloseProject() {
    if (survey_.ProjectChanged) {
        const int answer =
            Question(shell_.CurrentPrompter(), MessageText("AA00194"),
                     FormatText(MessageText("AA00196"), {Utf8ToCp1252(survey_.ProjectPath)}),
                     SaveQuestionCaptions(), kDefaultYes);
        if (answer == kYes) {
            SaveProject();
            if (survey_.ProjectChanged) {
                return false;
            }
        } else if (answer != kNo) {
            return false;
        }
    }
    if (recovery_) {
        recovery_->DiscardCopy();
    }
    ResetToNewProject();
    shell_.UpdateCommandStates(false);
    shell_.ResetAnalysisSelection();
    return true;
}

bool ProjectLifecycle::SaveProject() {
    if (survey_.ProjectPath == NewProjectFileName()) {
        return SaveProjectAs();
    }
    if (readOnly_) {
        InformationNotice(shell_.CurrentPrompter(),
                          FormatText(MessageText("AA00616"), {Utf8ToCp1252(survey_.ProjectPath)}));
        return false;
    }
    switch (AskAboutChangedFile()) {
        case SaveAnswer::Overwrite:
            return SaveTo(survey_.ProjectPath);
        case SaveAnswer::SaveAs:
            return SaveProjectAs();
        case SaveAnswer::Cancel:
            break;
    }
    return false;
}

ProjectLifecycle::SaveAnswer ProjectLifecycle::AskAboutChangedFile() {
    if (!onDisk_ || !ChangedOnDisk(*onDisk_, survey_.ProjectPath)) {
        return SaveAnswer::Overwrite;
    }
    const int answer =
        Question(shell_.CurrentPrompter(), MessageText("AA00617"),
                 FormatText(MessageText("AA00618"), {Utf8ToCp1252(survey_.ProjectPath)}),
                 ChangedOnDiskCaptions(), kDefaultCancel);
    return answer == kYes  ? SaveAnswer::Overwrite
           : answer == kNo ? SaveAnswer::SaveAs
                           : SaveAnswer::Cancel;
}

void ProjectLifecycle::TakeOwnership(const std::string& path) {
    TakeOwnership(path, TakeFingerprint(path));
}

void ProjectLifecycle::TakeOwnership(const std::string& path,
                                     std::optional<FileFingerprint> onDisk) {
    onDisk_ = std::move(onDisk);
    if (locking_ && !readOnly_) {
        lock_ = ProjectLock(path);
    }
}

std::optional<std::string> ProjectLifecycle::AskNewProjectFileName(const std::string& presetName) {
    Prompter& prompter = shell_.CurrentPrompter();
    const std::optional<std::string> chosen =
        prompter.SaveFileName({kProjectFileFilter, presetName, "", MessageText("AA00402")});
    if (!chosen || chosen->empty()) {
        return std::nullopt;
    }
    const std::string name = WithProjectExtension(*chosen);
    if (FileExists(name)) {
        const int answer = Question(prompter, MessageText("AA00195"),
                                    FormatText(MessageText("AA00032"), {Utf8ToCp1252(name)}),
                                    OverwriteQuestionCaptions(), kDefaultNo);
        if (answer != kYes) {
            return std::nullopt;
        }
    }
    return name;
}

bool ProjectLifecycle::SaveProjectAs() {
    const std::optional<std::string> name = AskNewProjectFileName("");
    if (!name || !SaveTo(*name)) {
        return false;
    }
    survey_.ProjectPath = *name;
    readOnly_ = false;
    TakeOwnership(*name);
    shell_.SetTitle(*name);
    return true;
}

bool ProjectLifecycle::PseudonymiseProject(const PseudonymiseOptions& options,
                                           const std::string& keyPath) {
    const std::filesystem::path current(survey_.ProjectPath);
    const std::string preset =
        (current.parent_path() / (current.stem().string() + "-pseudoniem")).string();
    const std::optional<std::string> name = AskNewProjectFileName(preset);
    if (!name) {
        return false;
    }
    Prompter& prompter = shell_.CurrentPrompter();
    const std::optional<PseudonymiseSummary> summary =
        WritePseudonymisedCopy(survey_, {*name, keyPath, true, options}, prompter);
    if (!summary) {
        return false;
    }
    const bool opened = CloseProject() && OpenProjectFile(*name);
    std::string notice;
    for (const std::string& line : SummaryLines(*summary)) {
        notice += line + "\r";
    }
    notice += FormatText(MessageText(opened ? "AA00557" : "AA00558"), {Utf8ToCp1252(*name)});
    InformationNotice(prompter, notice);
    return true;
}

bool ProjectLifecycle::SaveTo(const std::string& path) {
    RotateBackups(path, shell_.CurrentBackupSettings());
    const bool written = WriteProjectFile(survey_, path, shell_.CurrentPrompter());
    if (written && recovery_) {
        recovery_->DiscardCopy();
    }
    if (written && path == survey_.ProjectPath) {
        onDisk_ = TakeFingerprint(path);
    }
    shell_.UpdateCommandStates(false);
    return written;
}

bool ProjectLifecycle::OpenProject() {
    if (!CloseProject()) {
        return false;
    }
    const std::optional<std::string> chosen =
        shell_.CurrentPrompter().OpenFileName({kProjectFileFilter, "", "", MessageText("AA00401")});
    if (!chosen || chosen->empty()) {
        return false;
    }
    return OpenProjectFile(*chosen);
}

bool ProjectLifecycle::OpenProjectFile(const std::string& path) {
    const LockAnswer lock = AskAboutLock(path);
    if (lock == LockAnswer::Cancel) {
        return false;
    }
    readOnly_ = lock == LockAnswer::ReadOnly;
    if (OfferCopiesOf(path)) {
        return true;
    }
    return ReadOpenedFile(path);
}

bool ProjectLifecycle::OpenProjectReadOnly(const std::string& path) {
    if (!CloseProject()) {
        return false;
    }
    readOnly_ = true;
    return ReadOpenedFile(path);
}

// The fingerprint comes from the bytes loaded: no second read of a large file, and a file changed
// while it was being opened counts as changed at the next save.
bool ProjectLifecycle::ReadOpenedFile(const std::string& path) {
    Prompter& prompter = shell_.CurrentPrompter();
    const std::optional<std::int64_t> modified = ModifiedTime(path);
    ByteBlock content;
    std::optional<FileFingerprint> loaded;
    const bool read = ReadProjectFileBytes(path, content, prompter);
    if (read && modified) {
        loaded = FingerprintOfBytes(content, *modified);
    }
    if (!read || !ReadProjectBytes(survey_, std::move(content), path, prompter)) {
        readOnly_ = false;
        return false;
    }
    TakeOwnership(path, std::move(loaded));
    shell_.SetTitle(survey_.ProjectPath);
    shell_.UpdateCommandStates(false);
    shell_.ResetAnalysisSelection();
    shell_.ProjectOpened();
    return true;
}

// A stale lock goes without a word; one of a live program names who and since when.
ProjectLifecycle::LockAnswer ProjectLifecycle::AskAboutLock(const std::string& path) {
    const bool lockable = locking_ && !path.empty();
    const std::optional<LockOwner> owner = lockable ? OtherLiveLockOwner(path) : std::nullopt;
    if (!owner) {
        return LockAnswer::Open;
    }
    const int answer = Question(shell_.CurrentPrompter(), MessageText("AA00610"),
                                LockedProjectText(path, *owner) + "\r\r" + MessageText("AA00612"),
                                LockQuestionCaptions(), kDefaultYes);
    return answer == kYes  ? LockAnswer::ReadOnly
           : answer == kNo ? LockAnswer::Open
                           : LockAnswer::Cancel;
}

// True when one of the project's copies was restored.
bool ProjectLifecycle::OfferCopiesOf(const std::string& path) {
    if (!recovery_) {
        return false;
    }
    for (const RecoveryCopy& copy : recovery_->Folder().CopiesOf(path)) {
        if (AskAboutCopy(copy) == CopyAnswer::Restore && RestoreCopy(copy)) {
            return true;
        }
    }
    return false;
}

void ProjectLifecycle::OfferRecoveryCopies() {
    if (!recovery_) {
        return;
    }
    for (const RecoveryCopy& copy : recovery_->Folder().List()) {
        // The open project's copies were offered when it was opened.
        const bool openProject = copy.damaged ? IsCopyNameOf(copy.name, survey_.ProjectPath)
                                              : copy.originalPath == survey_.ProjectPath;
        if (openProject || AskAboutCopy(copy) != CopyAnswer::Restore) {
            continue;
        }
        if (!CloseProject()) {
            return;  // the open project stays; the other copies wait for the next start
        }
        const LockAnswer lock = AskAboutLock(copy.originalPath);
        readOnly_ = lock == LockAnswer::ReadOnly;
        if (lock != LockAnswer::Cancel) {
            RestoreCopy(copy);
        }
    }
}

std::string ProjectLifecycle::CopyQuestionText(const RecoveryCopy& copy) const {
    const std::string time = FormatCopyTime(copy.time);
    std::string text =
        copy.previousContent ? FormatText(MessageText("AA00609"), {time}) + "\r\r" : std::string();
    text += copy.originalPath.empty()
                ? FormatText(MessageText("AA00602"), {copy.surveyArea, time})
                : FormatText(MessageText("AA00601"), {Utf8ToCp1252(copy.originalPath), time});
    if (const std::optional<std::int64_t> written = ProjectWrittenAfter(copy)) {
        text += "\r\r" + FormatText(MessageText("AA00608"), {Utf8ToCp1252(copy.originalPath),
                                                             FormatCopyTime(*written), time});
    }
    return text;
}

// "&Herstellen", "&Verwijderen" (after confirmation) or "&Later" (also closing the question);
// a damaged copy can only be deleted. Restoring a copy of another project than the open one
// closes that project: the question says so, and Later is its default.
ProjectLifecycle::CopyAnswer ProjectLifecycle::AskAboutCopy(const RecoveryCopy& copy) {
    if (copy.damaged) {
        OfferDeletionOfDamaged(copy);
        return CopyAnswer::Keep;
    }
    std::string text = CopyQuestionText(copy);
    const bool closesOpenProject =
        survey_.ProjectPath != NewProjectFileName() || survey_.ProjectChanged;
    if (closesOpenProject) {
        text += "\r\r" + FormatText(MessageText("AA00620"), {Utf8ToCp1252(survey_.ProjectPath)});
    }
    const int answer =
        Question(shell_.CurrentPrompter(), MessageText("AA00600"), text, RecoveryQuestionCaptions(),
                 closesOpenProject ? kDefaultCancel : kDefaultYes);
    if (answer == kNo && ConfirmDeletion(copy)) {
        recovery_->Folder().Delete(copy.name);
    }
    return answer == kYes ? CopyAnswer::Restore : CopyAnswer::Keep;
}

bool ProjectLifecycle::ConfirmDeletion(const RecoveryCopy& copy) {
    const std::string project =
        copy.originalPath.empty() ? copy.surveyArea : Utf8ToCp1252(copy.originalPath);
    return Question(shell_.CurrentPrompter(), MessageText("AA00621"),
                    FormatText(MessageText("AA00622"), {project, FormatCopyTime(copy.time)}),
                    DeletionCaptions(), kDefaultNo) == kYes;
}

void ProjectLifecycle::OfferDeletionOfDamaged(const RecoveryCopy& copy) {
    const std::string shown =
        copy.originalPath.empty() ? recovery_->Folder().Path() + copy.name : copy.originalPath;
    const int answer =
        Question(shell_.CurrentPrompter(), MessageText("AA00605"),
                 FormatText(MessageText("AA00606"), {Utf8ToCp1252(shown), kProductName}),
                 DamagedCopyCaptions(), kDefaultNo);
    if (answer == kYes) {
        recovery_->Folder().Delete(copy.name);
    }
}

// Into the new, empty project: the copy's content under the original path, marked changed so
// that Save writes it there. A copy found damaged now is offered for deletion instead.
bool ProjectLifecycle::RestoreCopy(const RecoveryCopy& copy) {
    std::string content;
    if (!recovery_->Folder().Read(copy, content)) {
        OfferDeletionOfDamaged(copy);
        return false;
    }
    ReadProjectContent(survey_, content);
    survey_.ProjectPath = copy.originalPath.empty() ? NewProjectFileName() : copy.originalPath;
    survey_.ProjectChanged = true;
    recovery_->AdoptCopy(copy);
    if (!copy.originalPath.empty()) {
        TakeOwnership(copy.originalPath);
    }
    shell_.SetTitle(survey_.ProjectPath);
    shell_.UpdateCommandStates(false);
    shell_.ResetAnalysisSelection();
    shell_.ProjectOpened();
    return true;
}

std::string WithProjectExtension(const std::string& name) {
    const std::size_t slash = name.find_last_of('/');
    const std::size_t fileStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = name.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && dot >= fileStart;
    if (hasExtension && std::string_view(name).substr(dot) == kProjectExtension) {
        return name;
    }
    return name + std::string(kProjectExtension);
}

std::string ProjectPathFromArguments(const std::vector<std::string>& arguments) {
    std::string joined;
    for (const std::string& argument : arguments) {
        if (!joined.empty()) {
            joined += ' ';
        }
        joined += argument;
    }
    joined.erase(std::remove(joined.begin(), joined.end(), '"'), joined.end());
    return std::string(TrimBlanks(joined));
}

std::string UnknownDesktopOption(const std::vector<std::string>& arguments) {
    // Qt's own options, which the application object takes, also in their "--" form.
    static constexpr std::string_view kQtOptions[] = {"platform",      "platformpluginpath",
                                                      "platformtheme", "plugin",
                                                      "qmljsdebugger", "qwindowgeometry",
                                                      "qwindowicon",   "qwindowtitle",
                                                      "reverse",       "session",
                                                      "style",         "stylesheet",
                                                      "widgetcount",   "display",
                                                      "geometry",      "title",
                                                      "name",          "visual",
                                                      "ncols",         "cmap",
                                                      "nograb",        "dograb",
                                                      "sync"};
    for (const std::string& argument : arguments) {
        if (argument == "--") {
            break;
        }
        if (!argument.starts_with("--") || argument == "--diagnostic" || argument == "--help" ||
            argument == "--version") {
            continue;
        }
        const std::string_view name = std::string_view(argument).substr(2, argument.find('=') - 2);
        if (std::find(std::begin(kQtOptions), std::end(kQtOptions), name) == std::end(kQtOptions)) {
            return argument;
        }
    }
    return "";
}

StartRequest StartRequestFromArguments(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            return StartRequest::kPrintUsage;
        }
        if (argument == "--version") {
            return StartRequest::kPrintVersion;
        }
    }
    return UnknownDesktopOption(arguments).empty() ? StartRequest::kOpenWindows
                                                   : StartRequest::kUnknownOption;
}

std::string DesktopUsageText() {
    return "Gebruik: tavoric [PROJECT.par]\n"
           "         tavoric --help | --version\n\n"
           "Tavoric plant parkeerduurmetingen, neemt de kentekens in en analyseert ze.\n"
           "Een project op de opdrachtregel wordt bij het starten geopend.\n\n"
           "  -h, --help     toont deze gebruiksaanwijzing en stopt\n"
           "      --version  toont het versie- en buildnummer en stopt\n\n"
           "Rapporten zonder beeldscherm: tavoric-cli --help\n";
}

std::string DesktopVersionText() {
    return "tavoric " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRelease) + " (build " + std::to_string(kVersionBuild) + ")\n";
}

}  // namespace tavoric
