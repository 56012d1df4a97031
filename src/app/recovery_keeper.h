// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the recovery copy of the open project while it has unsaved changes. The content is taken
// on the caller's thread (the desktop's user-interface thread, a few tens of milliseconds for a
// million slots) and written on the keeper's own thread, so typing never waits for the disk.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "core/recovery_copies.h"
#include "core/survey.h"

namespace tavoric {

class RecoveryKeeper {
public:
    // runId tells this program run's never-saved project apart from other runs'; a copy is
    // written at most every intervalSeconds, none when it is 0.
    RecoveryKeeper(std::string folder, std::string runId, int intervalSeconds);
    // Finishes the writes and deletions already asked for.
    ~RecoveryKeeper();
    RecoveryKeeper(const RecoveryKeeper&) = delete;
    RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

    const RecoveryFolder& Folder() const { return folder_; }

    void SetInterval(int seconds) { intervalSeconds_ = seconds; }
    int Interval() const { return intervalSeconds_; }
    bool Enabled() const { return intervalSeconds_ > 0; }

    // The survey changed: a copy is due (never when copies are off).
    void SurveyChanged();
    bool CopyDue() const { return due_; }
    // Takes the survey's content now and has it written; the copy is no longer due. A write
    // that fails makes it due again and reaches the status handler, and so does the first write
    // that works after failures.
    void WriteCopy(const Survey& survey);
    // Readies memory for the copy of this survey on the keeper's thread, so that taking the
    // first content does not wait for fresh memory either.
    void PrepareFor(const Survey& survey);
    // The project was saved or its changes were given up: its copy goes.
    void DiscardCopy();
    // A copy that was restored becomes the open project's copy, for a project that was never
    // saved too: later copies of that project replace it.
    void AdoptCopy(const RecoveryCopy& copy);

    // How the copies fare: failuresInRow is 0 after a write that works, else the number of
    // failed writes since the last one that worked, with the reason of the last.
    struct Status {
        int failuresInRow = 0;
        std::string reason;
    };
    // After this many failed writes in a row the user is told that typing is not being kept.
    static constexpr int kFailuresBeforeNotice = 2;
    // Called on the keeper's thread after every failed write and after the first write that
    // works again.
    void SetStatusHandler(std::function<void(const Status&)> handler);
    // Waits until every write and deletion asked for is done.
    void Flush();

private:
    // Claims are taken and let go on the keeper's thread, in the order of the writes and
    // deletions, so that a copy's deletion never takes the claim of the next copy with it.
    enum class Task { Write, Delete, Hold, Prepare };
    struct Job {
        Task task = Task::Write;
        RecoveryCopy copy;         // the copy to write, or the name of the one to delete or hold
        std::string content;       // write only
        std::size_t capacity = 0;  // prepare only
    };

    std::string CopyNameFor(const std::string& projectPath) const;
    void Enqueue(Job job);
    void Work();
    void Run(Job& job);
    void Prepare(std::size_t capacity);
    void Hold(const std::string& name);

    RecoveryFolder folder_;
    std::string runId_;
    std::string unsavedName_;
    std::string adoptedPath_;  // a saved project whose restored copy this run keeps
    std::string adoptedName_;
    std::atomic<int> intervalSeconds_;
    std::atomic<bool> due_ = false;
    std::string currentName_;  // the copy written or adopted for the open project
    RecoveryClaim claim_;      // keeper's thread only
    std::string claimedName_;  // keeper's thread only

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Job> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    int failuresInRow_ = 0;
    std::string spareContent_;  // memory of a written content, for the next one
    std::function<void(const Status&)> statusHandler_;
    std::thread worker_;
};

}  // namespace tavoric
