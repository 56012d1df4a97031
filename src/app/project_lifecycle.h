// SPDX-License-Identifier: GPL-3.0-or-later
// The one open project: new, open, save, save as, and the question that protects unsaved
// changes whenever the project would be closed. Paths are the file system's own bytes (UTF-8);
// questions show them in the program's code page.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/backups.h"
#include "core/file_fingerprint.h"
#include "core/project_lock.h"
#include "core/prompter.h"
#include "core/recovery_copies.h"
#include "core/survey.h"
#include "privacy/pseudonymise.h"

namespace tavoric {

class RecoveryKeeper;

// What the project commands need from the main window.
class ProjectShell {
public:
    virtual ~ProjectShell() = default;
    virtual Prompter& CurrentPrompter() = 0;
    virtual BackupSettings CurrentBackupSettings() = 0;
    // Closes every report window and starts their numbering again at 1.
    virtual void CloseAllReportWindows() = 0;
    virtual void SetTitle(const std::string& fileName) = 0;
    virtual void UpdateCommandStates(bool closingWindow) = 0;
    // The analysis dialog refills its selections from the data.
    virtual void ResetAnalysisSelection() {}
    // After a project was read: the place to show its notes when the project asks for that.
    virtual void ProjectOpened() {}
    // The survey is a new, empty one: what windows proposed for the old project goes.
    virtual void NewProjectStarted() {}
};

class ProjectLifecycle {
public:
    ProjectLifecycle(Survey& survey, ProjectShell& shell) : survey_(survey), shell_(shell) {}

    // The new, empty project, without any question.
    void ResetToNewProject();
    // Asks "Bestand opslaan?" when the project changed; true when the project is now a new,
    // empty one, false when the user cancelled or the save failed.
    bool CloseProject();
    // True when the project was written.
    bool SaveProject();
    bool SaveProjectAs();
    // Closes the project, then asks for a file and reads it. True when a file was read.
    bool OpenProject();
    // Reads a file into the new, empty project; a recovery copy of that file that is newer is
    // offered first.
    bool OpenProjectFile(const std::string& path);
    // Closes the project, then reads a project that is not the user's own (the installed demo
    // survey) as "Alleen lezen openen" does: Save is refused and Save as writes the user's copy.
    bool OpenProjectReadOnly(const std::string& path);
    // Asks for the name of a new file (never the project's own), writes a copy of the project
    // with every plate replaced by a code from the key at keyPath (made there on first use),
    // then closes the project with the usual question and opens the copy. A notice tells what
    // was done. True when the copy was written.
    bool PseudonymiseProject(const PseudonymiseOptions& options, const std::string& keyPath);

    // The keeper of the recovery copies, when the program keeps them (the desktop does).
    void SetRecoveryKeeper(RecoveryKeeper* keeper) { recovery_ = keeper; }
    // Offers, one after another, every recovery copy that no running program holds, but not
    // the open project's (they were offered when it was opened). "&Herstellen" closes the open
    // project first.
    void OfferRecoveryCopies();

    // The desktop keeps a lock file beside the open project and asks before opening a project
    // that another live program holds.
    void SetLocking(bool locking) { locking_ = locking; }
    // Opened with "Alleen lezen openen": Save is refused, Save as is allowed.
    bool ReadOnly() const { return readOnly_; }

private:
    enum class CopyAnswer { Restore, Keep };
    enum class LockAnswer { Open, ReadOnly, Cancel };
    enum class SaveAnswer { Overwrite, SaveAs, Cancel };

    bool SaveTo(const std::string& path);
    // Before saving over the open project's file: when it changed on disk since it was read or
    // saved, "Overschrijven", "Opslaan als..." or "Annuleren".
    SaveAnswer AskAboutChangedFile();
    // The project at path is now the open one on disk: its lock and what it looks like.
    void TakeOwnership(const std::string& path);
    void TakeOwnership(const std::string& path, std::optional<FileFingerprint> onDisk);
    LockAnswer AskAboutLock(const std::string& path);
    bool OfferCopiesOf(const std::string& path);
    CopyAnswer AskAboutCopy(const RecoveryCopy& copy);
    std::string CopyQuestionText(const RecoveryCopy& copy) const;
    bool ConfirmDeletion(const RecoveryCopy& copy);
    void OfferDeletionOfDamaged(const RecoveryCopy& copy);
    bool RestoreCopy(const RecoveryCopy& copy);
    // Reads the file into the project; readOnly_ is set as it is to be opened.
    bool ReadOpenedFile(const std::string& path);
    // The name the user chose in the save dialog, with the extension, after the question
    // before replacing an existing file; nothing when the user stopped.
    std::optional<std::string> AskNewProjectFileName(const std::string& presetName);

    Survey& survey_;
    ProjectShell& shell_;
    RecoveryKeeper* recovery_ = nullptr;
    bool locking_ = false;
    bool readOnly_ = false;
    ProjectLock lock_;
    std::optional<FileFingerprint> onDisk_;  // the open project's file as read or last saved
};

// The name Save as stores under: ".par" appended unless the name already ends in exactly that
// extension (case-sensitive), so "plan" becomes "plan.par" and "plan.PAR" "plan.PAR.par".
std::string WithProjectExtension(const std::string& name);

// The project named on the command line: the arguments joined with single blanks, every double
// quote removed, trimmed. A path with blanks needs no quotes.
std::string ProjectPathFromArguments(const std::vector<std::string>& arguments);

// What the desktop program's command line asks for before any window opens: "--help" (or "-h")
// and "--version" are answered on the terminal, and so is an unknown "--" option; anything else
// names a project.
enum class StartRequest { kOpenWindows, kPrintUsage, kPrintVersion, kUnknownOption };
StartRequest StartRequestFromArguments(const std::vector<std::string>& arguments);
// The first "--" word before any "--" that is neither ours nor one of Qt's options; "" when none.
std::string UnknownDesktopOption(const std::vector<std::string>& arguments);
// The terminal texts of those requests, each ending in a line break.
std::string DesktopUsageText();
std::string DesktopVersionText();

}  // namespace tavoric
