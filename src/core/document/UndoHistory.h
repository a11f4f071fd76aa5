#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "design/FirData.h"
#include "document/CoefficientCommands.h"
#include "document/DataFilesDlg.h"

namespace tapwright {

// What a step of a project's history brings back: the filter (specification, both channels
// and the data's settings) and the settings the Filter and file commands keep.
struct ProjectState {
    CFirData filter;
    CDataFilesDlg dataFiles;
    CoefficientDialogs dialogs;
};

// The undo and redo steps of one project: each step is named after the command that made
// it and holds the state on the other side of it. At most a fixed number of undo steps are
// kept; recording one more forgets the oldest.
class CUndoHistory {
public:
    // A 10,000-tap complex filter is about 160 KB a state, so this many steps stay small.
    static constexpr std::size_t kDefaultLimit = 100;

    explicit CUndoHistory(std::size_t limit = kDefaultLimit) : limit_(limit < 1 ? 1 : limit) {}

    // A command changed the project from the state before: a new undo step, and the steps
    // that could have been redone are gone. A step that does not mark the project modified
    // (a new response floor) leaves the modified flag alone when it is undone or redone.
    void Record(std::string name, ProjectState before, bool marksModified = true);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    std::size_t UndoCount() const { return undo_.size(); }
    std::size_t RedoCount() const { return redo_.size(); }
    // The name of the step Undo or Redo would take back or do again; empty without one.
    const std::string& UndoName() const;
    const std::string& RedoName() const;
    bool UndoMarksModified() const { return CanUndo() && undo_.back().marksModified; }
    bool RedoMarksModified() const { return CanRedo() && redo_.back().marksModified; }

    // Exchanges the live state with the state before the last step, which becomes a redo
    // step. False, with the state untouched, when there is nothing to undo.
    bool Undo(ProjectState& live);
    // Exchanges the live state with the state after the last undone step.
    bool Redo(ProjectState& live);

    void Clear();

private:
    struct Step {
        std::string name;
        ProjectState state;
        bool marksModified;
    };

    // Swaps the live state with the last step's and moves that step to the other list.
    static bool MoveStep(std::deque<Step>& from, std::deque<Step>& to, ProjectState& live);

    std::size_t limit_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
};

}  // namespace tapwright
