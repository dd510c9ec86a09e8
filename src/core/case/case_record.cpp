#include "case/case_record.h"

#include "forms/declaration_fields.h"

namespace tovaris {
namespace {

constexpr Screen kCaseScreens[] = {Screen::Express,       Screen::ClaimIncome,
                                   Screen::PayerIncome,   Screen::ParentingTime,
                                   Screen::ClaimBusiness, Screen::PayerBusiness};

// The values the Express Entry and income detail fields take when they are not empty.
void SetEntryDefaults(CaseFields& fields, const char* stateTax) {
    fields.Select("CustodialOption");
    for (const char* party : {"Claim", "Payer"}) {
        std::string prefix(party);
        fields.SetText(prefix + "StateTax", stateTax);
        fields.SetText(prefix + "StateTaxCombo", "As Rate");
        fields.Select(prefix + "StandardDeduction");
    }
}

}  // namespace

CaseRecord::CaseRecord() {
    SetEntryDefaults(fields, ".00");
    forms::SetDeclarationDefaults(fields);
}

void ClearCase(CaseRecord& record) {
    for (Screen screen : kCaseScreens) {
        record.fields.EmptyScreen(screen);
    }
    SetEntryDefaults(record.fields, ".0");
    CaseGlobals& g = record.globals;
    g.ClaimImputeStatus.clear();
    g.PayerImputeStatus.clear();
    g.ClaimImputeNote.clear();
    g.PayerImputeNote.clear();
    g.ClaimImputeNoteWS.clear();
    g.PayerImputeNoteWS.clear();
}

}  // namespace tovaris
