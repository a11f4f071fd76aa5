#include "document/UndoHistory.h"

#include <utility>

namespace tapwright {

namespace {

const std::string kNoStep;

}  // namespace

bool CUndoHistory::MoveStep(std::deque<Step>& from, std::deque<Step>& to, ProjectState& live) {
    if (from.empty()) {
        return false;
    }
    Step step = std::move(from.back());
    from.pop_back();
    std::swap(step.state, live);
    to.push_back(std::move(step));
    return true;
}

void CUndoHistory::Record(std::string name, ProjectState before, bool marksModified) {
    redo_.clear();
    undo_.push_back({std::move(name), std::move(before), marksModified});
    while (undo_.size() > limit_) {
        undo_.pop_front();
    }
}

const std::string& CUndoHistory::UndoName() const {
    return undo_.empty() ? kNoStep : undo_.back().name;
}

const std::string& CUndoHistory::RedoName() const {
    return redo_.empty() ? kNoStep : redo_.back().name;
}

bool CUndoHistory::Undo(ProjectState& live) {
    return MoveStep(undo_, redo_, live);
}

bool CUndoHistory::Redo(ProjectState& live) {
    return MoveStep(redo_, undo_, live);
}

void CUndoHistory::Clear() {
    undo_.clear();
    redo_.clear();
}

}  // namespace tapwright
