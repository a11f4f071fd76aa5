#pragma once

namespace tapwright {

class CFirDoc;
class CPreferences;
class CView;
class FrameFactory;

// What a project needs from the application that holds it: the preferences, the frames its
// windows open in, and Save, Save As and Close, which the application runs because they ask
// for file names and involve the other open projects, and closing one of its windows.
class DocumentHost {
public:
    virtual CPreferences& Preferences() = 0;
    virtual FrameFactory& Frames() = 0;

    // False when nothing was saved or the project stays open.
    virtual bool SaveDocument(CFirDoc& document) = 0;
    virtual bool SaveDocumentAs(CFirDoc& document) = 0;
    virtual bool CloseDocument(CFirDoc& document) = 0;
    // The user closes one of the project's windows; false when it stays open.
    virtual bool CloseFrame(CView& view) = 0;

protected:
    ~DocumentHost() = default;
};

}  // namespace tapwright
