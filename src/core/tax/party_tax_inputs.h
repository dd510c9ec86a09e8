#pragma once

#include <optional>
#include <string>

#include "case/case_record.h"
#include "case/income_entries.h"
#include "case/income_fields.h"
#include "tax/business_income.h"

namespace tovaris::tax {

// One column of an income screen (the party's, or the new spouse's) in yearly dollars, with the
// business income screen's split of the business income.
struct ColumnIncome {
    double wages = 0;         // W-2 box 1
    double earnedExempt = 0;  // earned income subject only to FICA
    double business = 0;      // business income of the income screen
    double shortTerm = 0;     // short-term gains and investment interest
    double longTerm = 0;
    double rentals = 0;   // rentals, royalties and annuities
    double notTaxed = 0;  // income not subject to federal tax
    double socialSecurity = 0;
    double total = 0;
    BusinessIncomeEntries businesses;

    double sCorporationWages() const { return SCorporationWages(businesses); }
    double passThrough() const { return PassThroughDistributions(businesses); }
    double selfEmployment() const {
        return SelfEmploymentIncome(static_cast<float>(business), businesses);
    }
    // Wages subject to FICA: box 1, S-corporation wages and earned income exempt from tax.
    double ficaWages() const { return wages + sCorporationWages() + earnedExempt; }
};

// Everything the net-income phase reads for one party.
struct PartyTaxInputs {
    std::string filingStatus;
    bool joint = false;  // "MFJ": the new spouse's column joins the return
    ColumnIncome own;
    ColumnIncome spouse;
    double adjustments = 0;  // adjustments to gross income (pre-2019 maintenance paid included)
    double selfEmployedDeductions = 0;  // self-employed retirement and health insurance
    double itemized = 0;
    bool age65 = false;
    std::optional<double> age{};  // the Claimant's age as typed on the Express Entry screen
    FederalTaxRules rules = FederalTaxRules::Schedule;
    double otherCredits = 0;
    bool earnedCreditAsked = false;
    int16_t earnedCreditChildren = 0;
    int16_t taxCreditChildren = 0;
    int16_t dayCareChildren = 0;
    double monthlyDayCare = 0;
    bool stateTaxAsAmount = false;
    double stateTaxRate = 0;
    double stateTaxAmount = 0;
    double worksheetDeductions = 0;  // yearly, for the worksheet's net income
    double grossYearly = 0;
};

PartyTaxInputs GatherPartyTaxInputs(const CaseRecord& record, IncomeParty party);

// Figures the income screen derives for the tax steps, yearly, each kept in single precision.

// IRA deduction, other adjustments, self-employed retirement and health insurance deductions and
// maintenance paid to prior spouses under orders before 2019 (on a joint return the new
// spouse's such maintenance too).
float AdjustmentsToGrossIncome(const PartyIncomeEntries& screen, bool joint);

// What the worksheet deducts besides taxes: state industrial insurance, mandatory dues and
// pension payments, voluntary retirement contributions and maintenance paid to prior spouses
// (orders before 2019 and after 2018).
float WorksheetDeductions(const PartyIncomeEntries& screen);

// Total income less the income only subject to FICA, the income not subject to federal tax and
// the adjustments; on a joint return the new spouse's total less the same two incomes is added.
float IncomeSubjectToFederalTax(const PartyTaxInputs& in);

// Short-term gains and interest, long-term gains, rentals, royalties and annuities (both
// columns on a joint return): what the net investment income tax applies to.
float NetInvestmentIncome(const PartyTaxInputs& in);

// The investment income of the earned income credit's limit: short-term gains and interest,
// pass-through distributions, long-term gains and income not subject to federal tax.
float EarnedCreditInvestmentIncome(const PartyTaxInputs& in);

}  // namespace tovaris::tax
