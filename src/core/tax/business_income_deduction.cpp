#include "tax/business_income_deduction.h"

#include <algorithm>
#include <vector>

#include "tax/business_component.h"
#include "tax/filing_status.h"
#include "tax/standard_deduction.h"

namespace tovaris::tax {
namespace {

struct QualifiedBusiness {
    double income;  // A, B: qualified net income; C, D: pass-through distributions
    float w2Wages;
    float depreciableAssets;
    bool serviceTrade;
};

void AddBusinesses(const BusinessIncomeEntries& entries, std::vector<QualifiedBusiness>& out) {
    for (const BusinessIncomeEntries::Proprietorship& business : entries.proprietorships) {
        out.push_back({business.qualifiedIncome, business.employeeW2Wages,
                       business.depreciableAssets, business.serviceTrade});
    }
    // The owner's own wages from an S-corporation count among the W-2 wages it pays.
    for (const BusinessIncomeEntries::SCorporation& business : entries.sCorporations) {
        const auto w2Wages =
            static_cast<float>(double{business.employeeW2Wages} + business.ownerWages);
        out.push_back(
            {business.passThrough, w2Wages, business.depreciableAssets, business.serviceTrade});
    }
}

std::vector<QualifiedBusiness> BusinessesOnReturn(const BusinessDeductionInputs& in) {
    std::vector<QualifiedBusiness> businesses;
    AddBusinesses(in.party, businesses);
    if (IsJointReturn(in.filingStatus)) {
        AddBusinesses(in.newSpouse, businesses);
    }
    return businesses;
}

// Each business with income absorbs the losses in proportion to its income.
void NetLosses(std::vector<QualifiedBusiness>& businesses) {
    double losses = 0;
    double incomes = 0;
    for (const QualifiedBusiness& business : businesses) {
        (business.income < 0 ? losses : incomes) += business.income;
    }
    for (QualifiedBusiness& business : businesses) {
        if (business.income > 0) {
            business.income += losses * business.income / incomes;
        }
    }
}

double ReitDistributions(const BusinessDeductionInputs& in) {
    const double spouse = IsJointReturn(in.filingStatus) ? in.newSpouse.reitDividends : 0.0f;
    return in.party.reitDividends + spouse;
}

}  // namespace

float BusinessIncomeDeduction(const BusinessDeductionInputs& in) {
    const auto taxableIncome = static_cast<float>(
        double{in.agi} - DeductionUsed(in.filingStatus, in.age65OrOver, in.itemizedDeductions));

    std::vector<QualifiedBusiness> businesses = BusinessesOnReturn(in);
    NetLosses(businesses);
    double deduction = 0;
    for (const QualifiedBusiness& business : businesses) {
        deduction +=
            BusinessComponent(taxableIncome, static_cast<float>(business.income), business.w2Wages,
                              business.depreciableAssets, in.filingStatus, business.serviceTrade);
    }
    deduction += kBusinessDeductionRate * ReitDistributions(in);

    const double limit = kBusinessDeductionRate * (double{taxableIncome} - in.longTermGains);
    return static_cast<float>(std::max(std::min(deduction, limit), 0.0));
}

}  // namespace tovaris::tax
