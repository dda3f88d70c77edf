#pragma once

namespace arbovane {

// What a Visual Log window does for its log. Every call comes from the log, on the one thread.
class VisualLogView {
public:
    virtual ~VisualLogView() = default;

    // Show the log as it is now: every counter in its label, the lines appended since the last
    // call announced to the lists, and the window painted at once (no message pump).
    virtual void Repaint() = 0;
    // The marker text or the mode changed.
    virtual void MarkerChanged() = 0;
    // Bracket the emptying of every category list.
    virtual void CategoriesAboutToBeCleared() = 0;
    virtual void CategoriesCleared() = 0;
    // Lines were appended after the last Repaint; called once until the next Repaint, so the
    // window can have them shown when the message loop next runs.
    virtual void EntriesPending() = 0;
    // Show the window non-modally and bring it to the front.
    virtual void ShowWindow() = 0;
    // A run began or ended to be watched (VisualLog::IsLive): its progress and Stop show or go.
    virtual void LiveChanged() {}
};

}  // namespace arbovane
