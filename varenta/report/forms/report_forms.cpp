#include "report_forms.h"

#include "form_support.h"
#include "preview_placement.h"
#include "print_image_form.h"
#include "profile_form.h"

#include <QApplication>
#include <QCursor>
#include <vector>

namespace varenta::forms {

namespace {

// The run shows the hourglass while it works; the examiner reads and edits
// the preview with the ordinary cursors, and the hourglass returns after.
class OrdinaryCursors {
public:
    OrdinaryCursors()
    {
        while (const QCursor* cursor = QApplication::overrideCursor()) {
            saved_.push_back(*cursor);
            QApplication::restoreOverrideCursor();
        }
    }
    ~OrdinaryCursors()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
            QApplication::setOverrideCursor(*it);
    }
    OrdinaryCursors(const OrdinaryCursors&) = delete;
    OrdinaryCursors& operator=(const OrdinaryCursors&) = delete;

private:
    std::vector<QCursor> saved_;
};

}  // namespace

void ShowProfile(RunState& state, QWidget* parent)
{
    ShowProfile(state, parent, {});
}

void ShowProfile(RunState& state, QWidget* parent, const MessageSink& showMessage)
{
    TfrmProfile form(state, parent);
    form.exec();
    if (!form.SaveFailure())
        return;
    if (showMessage)
        showMessage(*form.SaveFailure());
    else
        ShowMessageBox(parent, *form.SaveFailure());
}

void ShowPreview(RunState& state, QWidget* parent)
{
    ShowPreview(state, parent, PlacementFilePath());
}

void ShowPreview(RunState& state, QWidget* parent, const std::string& placementFile)
{
    TfrmPrintImage form(state, PreviewOptions{placementFile, {}}, parent);
    OrdinaryCursors cursors;
    form.exec();
}

void CleanUpAtStart(RunState& state)
{
    CleanUpAtStart(state, PlacementFilePath());
}

void CleanUpAtStart(RunState& state, const MessageSink& showMessage)
{
    CleanUpAtStart(state, PlacementFilePath(), showMessage);
}

void CleanUpAtStart(RunState& state, const std::string& placementFile,
                    const MessageSink& showMessage)
{
    TfrmPrintImage startup(state, PreviewOptions{placementFile, showMessage}, nullptr);
}

}  // namespace varenta::forms
