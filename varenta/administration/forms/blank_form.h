#pragma once
// TfrmBlank: the empty window behind the questionnaire forms, so that the
// subject sees nothing of the desktop. Shown without waiting; it has no
// close box and stays until the administration ends.
#include "varenta/shell/run_state.h"

#include <QWidget>

namespace varenta::forms {

class TfrmBlank : public QWidget {
    Q_OBJECT
public:
    explicit TfrmBlank(const FormGeometry& geometry, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace varenta::forms
