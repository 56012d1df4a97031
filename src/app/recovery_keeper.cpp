// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recovery_keeper.h"

#include <algorithm>

#include "core/project_file.h"
#include "core/version.h"

namespace tavoric {

RecoveryKeeper::RecoveryKeeper(std::string folder, std::string runId, int intervalSeconds)
    : folder_(std::move(folder)),
      runId_(std::move(runId)),
      unsavedName_(UnsavedRecoveryCopyName(runId_)),
      intervalSeconds_(intervalSeconds),
      worker_([this] { Work(); }) {}

RecoveryKeeper::~RecoveryKeeper() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    worker_.join();
}

void RecoveryKeeper::SurveyChanged() {
    if (Enabled()) {
        due_ = true;
    }
}

// This run's own copy of the project, so that it never replaces another program's copy.
std::string RecoveryKeeper::CopyNameFor(const std::string& projectPath) const {
    if (projectPath == NewProjectFileName()) {
        return unsavedName_;
    }
    return projectPath == adoptedPath_ ? adoptedName_ : RecoveryCopyName(projectPath, runId_);
}

void RecoveryKeeper::WriteCopy(const Survey& survey) {
    if (!Enabled()) {
        return;
    }
    const std::string name = CopyNameFor(survey.ProjectPath);
    currentName_ = name;
    const bool saved = survey.ProjectPath != NewProjectFileName();
    Job job;
    job.copy = {name,  saved ? survey.ProjectPath : "",   CurrentTimeMs(), kVersionMajorMinor,
                false, survey.AlgemeneGegevens.surveyArea};
    {
        std::lock_guard lock(mutex_);
        job.content = std::move(spareContent_);
    }
    ProjectFileContentInto(survey, job.content);
    due_ = false;
    Enqueue(std::move(job));
}

void RecoveryKeeper::DiscardCopy() {
    due_ = false;
    adoptedPath_.clear();
    if (currentName_.empty()) {
        return;
    }
    Job job;
    job.task = Task::Delete;
    job.copy.name = currentName_;
    currentName_.clear();
    Enqueue(std::move(job));
}

void RecoveryKeeper::PrepareFor(const Survey& survey) {
    if (!Enabled()) {
        return;
    }
    Job job;
    job.task = Task::Prepare;
    job.capacity = ProjectFileContentCapacity(survey);
    Enqueue(std::move(job));
}

void RecoveryKeeper::AdoptCopy(const RecoveryCopy& copy) {
    if (copy.originalPath.empty()) {
        unsavedName_ = copy.name;
    } else {
        adoptedPath_ = copy.originalPath;
        adoptedName_ = copy.name;
    }
    currentName_ = copy.name;
    due_ = false;
    Job job;
    job.task = Task::Hold;
    job.copy.name = copy.name;
    Enqueue(std::move(job));
}

void RecoveryKeeper::SetStatusHandler(std::function<void(const Status&)> handler) {
    std::lock_guard lock(mutex_);
    statusHandler_ = std::move(handler);
}

void RecoveryKeeper::Flush() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

// A newer content makes a write that has not started yet pointless, and so does a deletion;
// dropping it keeps at most one waiting content in memory.
void RecoveryKeeper::Enqueue(Job job) {
    {
        std::lock_guard lock(mutex_);
        if (job.task == Task::Write || job.task == Task::Delete) {
            std::erase_if(jobs_, [](const Job& waiting) { return waiting.task == Task::Write; });
        }
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void RecoveryKeeper::Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) {
            return;  // stopping with nothing left to do
        }
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        Run(job);
        lock.lock();
        busy_ = false;
        idle_.notify_all();
    }
}

void RecoveryKeeper::Run(Job& job) {
    switch (job.task) {
        case Task::Delete:
            folder_.Delete(job.copy.name);
            if (claimedName_ == job.copy.name) {
                claim_ = RecoveryClaim();
                claimedName_.clear();
            }
            return;
        case Task::Hold:
            Hold(job.copy.name);
            return;
        case Task::Prepare:
            Prepare(job.capacity);
            return;
        case Task::Write:
            Hold(job.copy.name);
            break;
    }
    std::string errorText;
    const bool written = folder_.Write(job.copy, job.content, errorText);
    std::function<void(const Status&)> report;
    Status status;
    {
        std::lock_guard lock(mutex_);
        // A deletion asked for since then means the project no longer needs this copy.
        const bool stillWanted = std::none_of(jobs_.begin(), jobs_.end(), [](const Job& waiting) {
            return waiting.task == Task::Delete;
        });
        if (!written && stillWanted) {
            due_ = true;
            status = {++failuresInRow_, errorText};
            report = statusHandler_;
        } else if (written && failuresInRow_ > 0) {
            failuresInRow_ = 0;
            report = statusHandler_;
        }
        if (job.content.capacity() > spareContent_.capacity()) {
            spareContent_ = std::move(job.content);
        }
    }
    if (report) {
        report(status);
    }
}

// Memory the system hands out is mapped at its first use; touching it here spares the user's
// thread that wait.
void RecoveryKeeper::Prepare(std::size_t capacity) {
    {
        std::lock_guard lock(mutex_);
        if (spareContent_.capacity() >= capacity) {
            return;
        }
    }
    std::string memory;
    memory.resize(capacity);
    memory.clear();
    std::lock_guard lock(mutex_);
    if (memory.capacity() > spareContent_.capacity()) {
        spareContent_ = std::move(memory);
    }
}

void RecoveryKeeper::Hold(const std::string& name) {
    if (claimedName_ != name || !claim_.Held()) {
        claim_ = RecoveryClaim();
        claim_ = RecoveryClaim(folder_, name);
        claimedName_ = name;
    }
}

}  // namespace tavoric
