#pragma once

#include <memory>
#include <vector>

#include "platform/FrameFactory.h"
#include "platform/View.h"

namespace tapwright::cli {

// The frames of the command-line tool: a project's specification editor exists, as a model
// without a form, so that the tool designs through the very flows the desktop's editors
// run. Plots and coefficient views have nothing to show in a terminal and are not made.
class CliFrameFactory final : public FrameFactory {
public:
    CView* CreateFrame(CSerDoc& document, ViewKind kind) override;
    void ActivateFrame(CView& /*view*/) override {}
    void DestroyFrame(CView& view) override;

private:
    std::vector<std::unique_ptr<CView>> views_;
};

}  // namespace tapwright::cli
