#include "tax/party_tax_inputs.h"

#include <initializer_list>

#include "case/income_entries.h"
#include "common/entry_text.h"
#include "tax/filing_status.h"

namespace tovaris::tax {

namespace {

BusinessIncomeEntries BusinessColumn(const CaseFields& fields, const BusinessEntries& screen,
                                     IncomeParty party, int column) {
    auto amount = [&](BusinessAmount a) {
        return static_cast<float>(screen.YearlyAmount(a, column));
    };
    auto trade = [&](char business) {
        return fields.Ticked(BusinessTradeFieldName(party, business, column));
    };
    BusinessIncomeEntries e;
    e.proprietorships[0] = {amount(BusinessAmount::AWages), amount(BusinessAmount::AW2),
                            amount(BusinessAmount::ACap), trade('A')};
    e.proprietorships[1] = {amount(BusinessAmount::BWages), amount(BusinessAmount::BW2),
                            amount(BusinessAmount::BCap), trade('B')};
    e.sCorporations[0] = {amount(BusinessAmount::CWages), amount(BusinessAmount::CPass),
                          amount(BusinessAmount::CW2), amount(BusinessAmount::CCap), trade('C')};
    e.sCorporations[1] = {amount(BusinessAmount::DWages), amount(BusinessAmount::DPass),
                          amount(BusinessAmount::DW2), amount(BusinessAmount::DCap), trade('D')};
    e.reitDividends = amount(BusinessAmount::REIT);
    return e;
}

ColumnIncome Column(const CaseRecord& record, IncomeParty party, int column) {
    const PartyIncomeEntries& screen = record.income.Of(party);
    auto yearly = [&](IncomeSource source) { return screen.YearlyIncome(source, column); };
    ColumnIncome c;
    c.wages = yearly(IncomeSource::Earned);
    c.earnedExempt = yearly(IncomeSource::EarnedExempt);
    c.business = yearly(IncomeSource::Self);
    c.shortTerm = yearly(IncomeSource::ST);
    c.longTerm = yearly(IncomeSource::LT);
    c.rentals = yearly(IncomeSource::PT);
    c.notTaxed = yearly(IncomeSource::Free);
    c.socialSecurity = yearly(IncomeSource::SS);
    c.total = screen.YearlyTotal(column);
    c.businesses = BusinessColumn(record.fields, screen.business, party, column);
    return c;
}

// Sums yearly amounts of pages 2-4 in double precision.
double SumOf(const PartyIncomeEntries& screen, std::initializer_list<IncomeDeduction> deductions) {
    double sum = 0;
    for (IncomeDeduction d : deductions) {
        sum += screen.Deduction(d);
    }
    return sum;
}

int16_t EarnedCreditChildren(const CaseFields& fields, IncomeParty party) {
    const char* options[] = {"EICOne", "EICTwo", "EICThree"};
    for (int16_t i = 0; i < 3; ++i) {
        if (fields.Selected(PartyFieldName(party, options[i]))) {
            return static_cast<int16_t>(i + 1);
        }
    }
    return 0;
}

}  // namespace

PartyTaxInputs GatherPartyTaxInputs(const CaseRecord& record, IncomeParty party) {
    const CaseGlobals& g = record.globals;
    const CaseFields& fields = record.fields;
    const PartyIncomeEntries& screen = record.income.Of(party);
    bool claimant = party == IncomeParty::Claimant;
    auto deduction = [&](IncomeDeduction d) { return static_cast<double>(screen.Deduction(d)); };

    PartyTaxInputs in;
    in.filingStatus = claimant ? g.ClaimFilingStatus : g.PayerFilingStatus;
    in.joint = IsJointReturn(in.filingStatus);
    in.own = Column(record, party, kPartyColumn);
    if (in.joint) {
        in.spouse = Column(record, party, kNewSpouseColumn);
    }
    in.adjustments = AdjustmentsToGrossIncome(screen, in.joint);
    in.selfEmployedDeductions =
        SumOf(screen, {IncomeDeduction::SelfRetirementDeduct, IncomeDeduction::SelfHealthDeduct});
    if (fields.Selected(PartyFieldName(party, "ItemizedDeduction"))) {
        in.itemized = deduction(IncomeDeduction::ItemizedAmount);
    }
    in.age65 = fields.Ticked(AgeSixtyFiveFieldName(party));
    if (claimant) {
        in.age = ReadAmount(fields.Text("ClaimAge"));
    }
    in.rules = record.options.federalTaxRules;
    in.otherCredits = deduction(IncomeDeduction::OtherCredits);
    in.earnedCreditAsked = fields.Ticked(PartyFieldName(party, "EICCheck"));
    in.earnedCreditChildren = EarnedCreditChildren(fields, party);
    in.taxCreditChildren = claimant ? g.ClaimDepend17Count : g.PayerDepend17Count;
    in.dayCareChildren = claimant ? g.ClaimNumCare : g.PayerNumCare;
    in.monthlyDayCare = claimant ? g.DayCareClaim : g.DayCarePayer;
    in.stateTaxAsAmount =
        fields.Text(claimant ? "ClaimStateTaxCombo" : "PayerStateTaxCombo") == "As Amount";
    in.stateTaxRate = claimant ? g.ClaimStateTaxRate : g.PayerStateTaxRate;
    in.stateTaxAmount = claimant ? g.ClaimStateTaxAmount : g.PayerStateTaxAmount;
    in.worksheetDeductions = WorksheetDeductions(screen);
    in.grossYearly = claimant ? g.ClaimGrossYearly : g.PayerGrossYearly;
    return in;
}

float AdjustmentsToGrossIncome(const PartyIncomeEntries& screen, bool joint) {
    double sum =
        SumOf(screen, {IncomeDeduction::IRADeduct, IncomeDeduction::OtherDeduct,
                       IncomeDeduction::SelfRetirementDeduct, IncomeDeduction::SelfHealthDeduct,
                       IncomeDeduction::PriorMaintPaid});
    if (joint) {
        sum += screen.Deduction(IncomeDeduction::PriorMaintPaid1);
    }
    return static_cast<float>(sum);
}

float WorksheetDeductions(const PartyIncomeEntries& screen) {
    return static_cast<float>(
        SumOf(screen, {IncomeDeduction::StIndus, IncomeDeduction::Dues, IncomeDeduction::PensionPay,
                       IncomeDeduction::Retire, IncomeDeduction::PriorMaintPaid,
                       IncomeDeduction::PriorMaintPaid2}));
}

float IncomeSubjectToFederalTax(const PartyTaxInputs& in) {
    const ColumnIncome& own = in.own;
    const ColumnIncome& spouse = in.spouse;
    double income = own.total - own.earnedExempt - own.notTaxed - in.adjustments;
    if (in.joint) {
        income += spouse.total - spouse.earnedExempt - spouse.notTaxed;
    }
    return static_cast<float>(income);
}

float NetInvestmentIncome(const PartyTaxInputs& in) {
    auto column = [](const ColumnIncome& c) { return c.shortTerm + c.longTerm + c.rentals; };
    return static_cast<float>(column(in.own) + (in.joint ? column(in.spouse) : 0));
}

float EarnedCreditInvestmentIncome(const PartyTaxInputs& in) {
    auto column = [](const ColumnIncome& c) {
        return c.shortTerm + c.passThrough() + c.longTerm + c.notTaxed;
    };
    return static_cast<float>(column(in.own) + (in.joint ? column(in.spouse) : 0));
}

}  // namespace tovaris::tax
