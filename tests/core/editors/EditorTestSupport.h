#pragma once

#include <memory>
#include <vector>

#include "core/document/DocumentTestSupport.h"
#include "document/FirDoc.h"
#include "editors/DataView.h"
#include "editors/OneBand.h"
#include "editors/RspSpec.h"
#include "platform/FrameFactory.h"

namespace tapwright::test {

// Frames that hold the real editors (simple, advanced and coefficient editor) and a
// recording TestView for every other kind, so that a project runs as in the desktop
// program.
class EditorFrames : public FrameFactory {
public:
    CView* CreateFrame(CSerDoc& document, ViewKind kind) override {
        auto& project = dynamic_cast<CFirDoc&>(document);
        switch (kind) {
            case ViewKind::SimpleEditor:
                views_.push_back(std::make_unique<COneBand>(project));
                break;
            case ViewKind::AdvancedEditor:
                views_.push_back(std::make_unique<CRspSpec>(project));
                break;
            case ViewKind::CoefficientEditor:
                views_.push_back(std::make_unique<CDataView>(project));
                break;
            default:
                views_.push_back(std::make_unique<TestView>(document, kind));
                break;
        }
        return views_.back().get();
    }
    void ActivateFrame(CView& view) override { activated.push_back(&view); }
    void DestroyFrame(CView& view) override {
        std::erase_if(views_, [&view](const auto& held) { return held.get() == &view; });
    }

    // The views of one class, in the order they were opened.
    template <class View>
    std::vector<View*> All() const {
        std::vector<View*> found;
        for (const auto& view : views_) {
            if (auto* typed = dynamic_cast<View*>(view.get())) {
                found.push_back(typed);
            }
        }
        return found;
    }
    std::size_t Count(ViewKind kind) const {
        std::size_t count = 0;
        for (const auto& view : views_) {
            count += view->Kind() == kind ? 1 : 0;
        }
        return count;
    }

    std::vector<CView*> activated;

private:
    std::vector<std::unique_ptr<CView>> views_;
};

// Replaces a filter's coefficients: a real filter whose Quadrature channel is zero, or a
// complex one with the given Quadrature values.
inline void SetCoefficients(CLumenData& data, const std::vector<double>& inphase,
                            const std::vector<double>& quadrature = {}) {
    data.Reset();
    for (std::size_t i = 0; i < inphase.size(); ++i) {
        data.AddPoint(0, inphase[i]);
        data.AddPoint(1, i < quadrature.size() ? quadrature[i] : 0.0);
    }
    data.SetReal(quadrature.empty());
    data.UpdateRange();
}

inline std::vector<double> ChannelValues(const CDataColumn& column) {
    std::vector<double> values;
    for (std::int32_t i = 0; i < column.GetNumPoints(); ++i) {
        values.push_back(column.GetAt(i));
    }
    return values;
}

}  // namespace tapwright::test
