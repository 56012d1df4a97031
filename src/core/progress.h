// SPDX-License-Identifier: GPL-3.0-or-later
// Long work (slot generation, cascades, reports, the analysis) reports through a Progress.
#pragma once

#include <cstddef>

namespace tavoric {

class Progress {
public:
    virtual ~Progress() = default;
    virtual void Show() {}
    virtual void Set(std::size_t done, std::size_t total) { (void)done, (void)total; }
    virtual void Hide() {}
    virtual bool Cancelled() { return false; }
};

// Shows and hides a Progress for the lifetime of a scope.
class ProgressScope {
public:
    explicit ProgressScope(Progress& progress) : progress_(progress) { progress_.Show(); }
    ~ProgressScope() { progress_.Hide(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    Progress& progress_;
};

}  // namespace tavoric
