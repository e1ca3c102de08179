#pragma once
// The questionnaire as the subject sees it: the administration forms behind
// the questionnaire's narrow interface. Created for one administration; the
// backdrop stays up until this object is destroyed.
#include "varenta/administration/questionnaire_ui.h"
#include "varenta/shell/run_state.h"

#include <memory>

namespace varenta::forms {

class TfrmBlank;
class TfrmEndMessage;
class TfrmInstruction;
class TfrmPresentation;

class QuestionnaireForms : public QuestionnaireUi {
public:
    explicit QuestionnaireForms(const FormGeometry& geometry);
    ~QuestionnaireForms() override;

    void ShowBackdrop() override;
    void ShowInstruction() override;
    ItemChoice ShowItem(const ItemView& view) override;
    void ShowMessage(const std::string& text) override;
    bool ConfirmInterruption(const std::string& text) override;
    void ShowEndMessage(const std::string& text) override;

private:
    std::unique_ptr<TfrmBlank> blank_;
    std::unique_ptr<TfrmInstruction> instruction_;
    std::unique_ptr<TfrmPresentation> presentation_;
    std::unique_ptr<TfrmEndMessage> endMessage_;
};

}  // namespace varenta::forms
