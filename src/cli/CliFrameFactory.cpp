#include "cli/CliFrameFactory.h"

#include "document/FirDoc.h"
#include "editors/OneBand.h"
#include "editors/RspSpec.h"

namespace tapwright::cli {

CView* CliFrameFactory::CreateFrame(CSerDoc& document, ViewKind kind) {
    auto* project = dynamic_cast<CFirDoc*>(&document);
    if (project == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CView> view;
    if (kind == ViewKind::SimpleEditor) {
        view = std::make_unique<COneBand>(*project);
    } else if (kind == ViewKind::AdvancedEditor) {
        view = std::make_unique<CRspSpec>(*project);
    } else {
        return nullptr;
    }
    views_.push_back(std::move(view));
    return views_.back().get();
}

void CliFrameFactory::DestroyFrame(CView& view) {
    std::erase_if(views_, [&view](const auto& held) { return held.get() == &view; });
}

}  // namespace tapwright::cli
