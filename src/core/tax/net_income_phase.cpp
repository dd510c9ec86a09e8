#include "tax/net_income_phase.h"

#include <algorithm>
#include <array>
#include <cfenv>

#include "case/case_record.h"
#include "case/income_refresh.h"
#include "common/entry_text.h"
#include "common/rounding.h"
#include "tax/business_income_deduction.h"
#include "tax/federal_income_tax.h"
#include "tax/law_business_income.h"
#include "tax/law_earned_income.h"
#include "tax/party_credits.h"
#include "tax/party_tax_inputs.h"
#include "tax/payroll_tax.h"
#include "tax/social_security.h"

namespace tovaris {

namespace {

using tax::PartyTaxInputs;

// Keeps a division by a zero income defined, as the joint share and the derived state rate do.
constexpr double kTiny = 0.0000000001;

// Maintenance moves income from the Other Party to the Claimant: +1 for the Claimant, -1 for the
// Other Party.
double MaintenanceSign(IncomeParty party) {
    return party == IncomeParty::Claimant ? 1 : -1;
}

bool UnderLaw(const PartyTaxInputs& in) {
    return in.rules == FederalTaxRules::Law2023;
}

float JointShare(const PartyTaxInputs& in) {
    return static_cast<float>(in.own.total / (in.spouse.total + in.own.total + kTiny));
}

// Form 8959 on a joint return: the couple's wages and self-employment earnings meet one
// threshold (IRC 3101(b)(2)(B), 1401(b)(2)); each spouse bears the part of the tax that his or
// her own wages and earnings make up.
void AddJointAdditionalMedicare(const PartyTaxInputs& in, tax::PayrollTaxResult& own,
                                tax::PayrollTaxResult& spouse) {
    const double ownWages = std::max(in.own.ficaWages(), 0.0);
    const double spouseWages = std::max(in.spouse.ficaWages(), 0.0);
    const double couple =
        tax::AdditionalMedicareTax(in.filingStatus, ownWages + spouseWages,
                                   own.selfEmploymentBase + spouse.selfEmploymentBase);
    if (couple <= 0) {
        return;
    }
    const double ownPart = ownWages + own.selfEmploymentBase;
    const double spousePart = spouseWages + spouse.selfEmploymentBase;
    own.payrollTax = static_cast<float>(
        RoundDollars(own.beforeAdditional + couple * ownPart / (ownPart + spousePart)));
    spouse.payrollTax = static_cast<float>(
        RoundDollars(spouse.beforeAdditional + couple * spousePart / (ownPart + spousePart)));
}

void ComputePayroll(const PartyTaxInputs& in, PartyTaxResults& r) {
    const bool law = UnderLaw(in);
    const tax::PayrollTaxRules rules{.selfEmploymentFloor = law,
                                     .additionalMedicare = !(law && in.joint)};
    tax::PayrollTaxResult own =
        tax::PayrollTax(in.filingStatus, static_cast<float>(in.own.ficaWages()),
                        static_cast<float>(in.own.selfEmployment()), rules);
    r.NewSpousePayrollTax = 0;
    r.NewSpouseHalfSETax = 0;
    if (in.joint) {
        tax::PayrollTaxResult spouse =
            tax::PayrollTax(in.filingStatus, static_cast<float>(in.spouse.ficaWages()),
                            static_cast<float>(in.spouse.selfEmployment()), rules);
        if (law) {
            AddJointAdditionalMedicare(in, own, spouse);
        }
        r.NewSpousePayrollTax = spouse.payrollTax;
        r.NewSpouseHalfSETax = spouse.halfSelfEmploymentTax;
    }
    r.PayrollTax = own.payrollTax;
    r.HalfSETax = static_cast<float>(double(own.halfSelfEmploymentTax) + r.NewSpouseHalfSETax);
}

// The party's own half self-employment tax, without the new spouse's.
double OwnHalfSETax(const PartyTaxResults& r) {
    return double{r.HalfSETax} - r.NewSpouseHalfSETax;
}

void ComputeNontaxableSocialSecurity(const PartyTaxInputs& in, double maintenanceIncome,
                                     PartyTaxResults& r) {
    double benefits = in.own.socialSecurity + in.spouse.socialSecurity;
    double other = in.own.total + in.spouse.total - benefits + maintenanceIncome;
    if (UnderLaw(in)) {
        // Elective deferrals are not in gross income, so not in provisional income (IRC 86(b)(2),
        // Pub. 915 Worksheet 1).
        other -= in.own.earnedExempt + in.spouse.earnedExempt;
    }
    double adjustments = in.adjustments + r.HalfSETax;
    r.NontaxableSS =
        tax::NontaxableSocialSecurity(static_cast<float>(benefits), static_cast<float>(other),
                                      in.filingStatus, static_cast<float>(adjustments));
}

void ComputeAgi(const PartyTaxInputs& in, IncomeParty party, float monthlyMaintenance,
                bool taxedToPayee, PartyTaxResults& r) {
    double agi = double{tax::IncomeSubjectToFederalTax(in)} - r.HalfSETax - r.NontaxableSS;
    if (taxedToPayee) {
        agi += MaintenanceSign(party) * 12.0 * monthlyMaintenance;
    }
    r.AGI = static_cast<float>(agi);
}

void ComputeBusinessDeduction(const PartyTaxInputs& in, PartyTaxResults& r) {
    tax::BusinessDeductionInputs b;
    b.agi = r.AGI;
    b.itemizedDeductions = static_cast<float>(in.itemized);
    b.age65OrOver = in.age65;
    b.filingStatus = in.filingStatus;
    b.longTermGains = static_cast<float>(in.own.longTerm + in.spouse.longTerm);
    b.party = in.own.businesses;
    b.newSpouse = in.spouse.businesses;
    if (UnderLaw(in)) {
        b.party = tax::LessAttributableDeductions(b.party, in.own.selfEmployment(),
                                                  OwnHalfSETax(r) + in.selfEmployedDeductions);
        b.newSpouse = tax::LessAttributableDeductions(b.newSpouse, in.spouse.selfEmployment(),
                                                      r.NewSpouseHalfSETax);
    }
    r.BusinessDeduction = tax::BusinessIncomeDeduction(b);
}

void ComputeFederalTax(const PartyTaxInputs& in, PartyTaxResults& r) {
    tax::ReturnIncome income;
    income.incomeForTax = static_cast<float>(double(r.AGI) - r.BusinessDeduction);
    income.preferentialIncome = static_cast<float>(in.own.longTerm + in.spouse.longTerm);
    income.itemizedDeductions = static_cast<float>(in.itemized);
    income.age65OrOver = in.age65;
    income.filingStatus = in.filingStatus;
    income.netInvestmentIncome = tax::NetInvestmentIncome(in);
    if (UnderLaw(in)) {
        income.modifiedAgi = r.AGI;
        income.taxTable = true;
    }
    r.FederalTax = tax::FederalIncomeTax(income);
}

// The schedule counts deferrals as earned income and a business loss as none; the law does the
// opposite (IRC 32(c)(2), 24(d)(1)(B)(i)).
void SetCreditEarnedIncome(const PartyTaxInputs& in, tax::CombineCreditsInputs& limits) {
    if (!UnderLaw(in)) {
        limits.wages = static_cast<float>(in.own.ficaWages() + in.spouse.ficaWages());
        limits.selfEmploymentIncome = static_cast<float>(std::max(0.0, in.own.selfEmployment()) +
                                                         std::max(0.0, in.spouse.selfEmployment()));
        return;
    }
    limits.wages = static_cast<float>(tax::LawCreditWages(in.own) + tax::LawCreditWages(in.spouse));
    limits.selfEmploymentIncome =
        static_cast<float>(in.own.selfEmployment() + in.spouse.selfEmployment());
}

// Form 2441 line 18 to 20: the party's earned income, on a joint return the lower spouse's.
double CareEarnedIncomeLimit(const PartyTaxInputs& in, const PartyTaxResults& r) {
    const double own = tax::LawEarnedIncome(in.own, OwnHalfSETax(r));
    if (!in.joint) {
        return own;
    }
    return std::min(own, tax::LawEarnedIncome(in.spouse, r.NewSpouseHalfSETax));
}

// Pub. 596 Worksheet 1 counts net rents and royalties as investment income.
float CreditInvestmentIncome(const PartyTaxInputs& in) {
    const float counted = tax::EarnedCreditInvestmentIncome(in);
    if (!UnderLaw(in)) {
        return counted;
    }
    return static_cast<float>(counted + std::max(0.0, in.own.rentals + in.spouse.rentals));
}

void ComputeCredits(const PartyTaxInputs& in, IncomeParty party, const std::string& custody,
                    PartyTaxResults& r) {
    tax::PartyCreditInputs c;
    c.agi = r.AGI;
    c.filingStatus = in.filingStatus;
    c.rules = in.rules;
    c.childCareAllowed = tax::ChildCareCreditAllowed(
        party == IncomeParty::Claimant ? tax::Party::Claimant : tax::Party::OtherParty,
        in.filingStatus, custody, in.rules);
    c.yearlyDayCare = static_cast<float>(12.0 * in.monthlyDayCare);
    c.dayCareChildren = in.dayCareChildren;
    c.calculateEarnedCredit = in.earnedCreditAsked;
    c.earnedCreditChildren = in.earnedCreditChildren;
    c.investmentIncome = CreditInvestmentIncome(in);
    SetCreditEarnedIncome(in, c.limits);
    c.limits.taxCreditChildren = in.taxCreditChildren;
    c.limits.federalTax = r.FederalTax;
    c.limits.payrollTax = r.PayrollTax;
    c.limits.halfSelfEmploymentTax = r.HalfSETax;
    c.limits.otherCredits = static_cast<float>(in.otherCredits);
    if (UnderLaw(in)) {
        c.careEarnedIncomeLimit = CareEarnedIncomeLimit(in, r);
        c.age = in.age;
        c.age65OrOver = in.age65;
    }
    r.Credits = tax::PartyCredits(c);
    r.TotalCredits = r.Credits.total;
}

void ProrateJointReturn(const PartyTaxInputs& in, PartyTaxResults& r) {
    if (!in.joint) {
        r.IncomeShare = 0;
        return;
    }
    r.IncomeShare = JointShare(in);
    r.FederalTax = static_cast<float>(RoundDollars(double(r.FederalTax) * r.IncomeShare));
    r.TotalCredits = static_cast<float>(RoundDollars(double(r.TotalCredits) * r.IncomeShare));
}

void ComputeStateTax(const PartyTaxInputs& in, IncomeParty party, const TaxResults& tax,
                     bool taxedToPayee, PartyTaxResults& r) {
    double rate = in.stateTaxRate;
    if (in.stateTaxAsAmount) {
        // Relative to the AGI without the maintenance, so that the rate describes the party.
        double agiWithoutMaintenance =
            r.AGI - MaintenanceSign(party) * 12.0 * tax.MonthlyMaintenance;
        rate = in.stateTaxAmount / (agiWithoutMaintenance + kTiny);
    }
    // The rate is kept in single precision, as the entered rate is, before it is applied.
    r.StateTaxRate = static_cast<float>(rate);
    double stateTax = std::max(0.0, RoundDollars(double{r.StateTaxRate} * r.AGI));
    if (in.stateTaxAsAmount && !taxedToPayee) {
        stateTax = in.stateTaxAmount;
    }
    if (in.joint) {
        stateTax = RoundDollars(stateTax * r.IncomeShare);
    }
    r.StateTax = static_cast<float>(stateTax);
}

// The worksheet column that holds a party's typed taxes: with the Claimant as parent 2 on the
// worksheet ("Column 2") the Claimant's amounts are the first pair, else the second.
int WorksheetColumnOf(const CaseRecord& record, IncomeParty party) {
    int claimant = record.options.claimantColumn == ClaimantColumn::Column2 ? 0 : 1;
    return party == IncomeParty::Claimant ? claimant : 1 - claimant;
}

PartyTaxResults& ResultsOf(TaxResults& tax, IncomeParty party) {
    return party == IncomeParty::Claimant ? tax.Claim : tax.Payer;
}

// The worksheet's typed monthly taxes replace the computed ones for one run.
void ApplyWorksheetTaxes(const CaseRecord& record, TaxResults& tax) {
    for (IncomeParty party : kIncomeParties) {
        int column = WorksheetColumnOf(record, party);
        PartyTaxResults& r = ResultsOf(tax, party);
        r.StateTax = 0;
        r.TotalCredits = 0;
        r.FederalTax = static_cast<float>(12.0 * tax.WorksheetIncomeTaxes[column]);
        r.PayrollTax = static_cast<float>(12.0 * tax.WorksheetFica[column]);
    }
    tax.WorksheetTaxOverride = false;
}

void ComputeNetIncome(const PartyTaxInputs& in, IncomeParty party, const TaxResults& tax,
                      PartyTaxResults& r) {
    double sign = MaintenanceSign(party);
    double maintenance = tax.MonthlyMaintenance;
    r.GrossYearly = static_cast<float>(in.grossYearly);
    r.Deductions = static_cast<float>(in.worksheetDeductions);
    r.NetYearly = static_cast<float>(
        RoundDollars(in.grossYearly - r.FederalTax + r.TotalCredits - r.PayrollTax - r.StateTax -
                     in.worksheetDeductions + sign * 12.0 * maintenance));
    // Each monthly part is rounded on its own, as the worksheet lines are.
    double monthly = RoundDollars(in.grossYearly / 12) - RoundDollars(r.FederalTax / 12.0) +
                     RoundDollars(r.TotalCredits / 12.0) - RoundDollars(r.PayrollTax / 12.0) -
                     RoundDollars(r.StateTax / 12.0) - RoundDollars(in.worksheetDeductions / 12) +
                     sign * RoundDollars(maintenance);
    r.NetMonthly = static_cast<float>(monthly);
    r.NetMonthlyComputed = r.NetMonthly;
    r.NetOverrideDifference = 0;
}

// The typed net income as its box reads at this run: an entry edited after "Change" counts;
// one that is no longer a number of 0 or more leaves the last figure accepted.
float TypedNetNow(const std::string& box, float& accepted) {
    if (std::optional<double> value = ReadAmount(box); value && *value >= 0) {
        accepted = static_cast<float>(*value);
    }
    return accepted;
}

void ApplyTypedNetIncome(float typed, PartyTaxResults& r) {
    r.NetOverrideDifference = static_cast<float>(double(r.NetMonthlyComputed) - typed);
    r.NetMonthly = typed;
}

// Overflow and invalid operations leave sticky flags: cleared before the steps, tested after,
// so that no step needs a check of its own.
constexpr int kArithmeticFaults = FE_OVERFLOW | FE_INVALID;

void StartArithmeticCheck() {
    std::feclearexcept(kArithmeticFaults);
}

void FinishArithmeticCheck() {
    if (std::fetestexcept(kArithmeticFaults) != 0) {
        throw tax::ArithmeticError();
    }
}

using BothParties = std::array<PartyTaxInputs, 2>;

BothParties GatherBothParties(const CaseRecord& record) {
    return {tax::GatherPartyTaxInputs(record, IncomeParty::Claimant),
            tax::GatherPartyTaxInputs(record, IncomeParty::Other)};
}

void RunTaxSteps(CaseRecord& record, const BothParties& inputs, MaintenanceTreatment treatment) {
    TaxResults& tax = record.results.tax;
    const bool taxedToPayee = treatment.taxedToPayee;
    for (IncomeParty party : kIncomeParties) {
        const PartyTaxInputs& in = inputs[static_cast<int>(party)];
        PartyTaxResults& r = ResultsOf(tax, party);
        ComputePayroll(in, r);
        const double maintenanceIncome =
            treatment.inSocialSecurityIncome
                ? MaintenanceSign(party) * 12.0 * tax.MonthlyMaintenance
                : 0;
        ComputeNontaxableSocialSecurity(in, maintenanceIncome, r);
        ComputeAgi(in, party, tax.MonthlyMaintenance, taxedToPayee, r);
        ComputeBusinessDeduction(in, r);
        ComputeFederalTax(in, r);
        ComputeCredits(in, party, record.globals.CustodyType, r);
        ProrateJointReturn(in, r);
        ComputeStateTax(in, party, tax, taxedToPayee, r);
    }
}

// The case's own treatment: the menu option; the schedule keeps the maintenance out of the
// Social Security test, the law counts alimony under a pre-2019 order in the provisional income
// of the payee and takes it from the payer's (IRC 86(b)(2), Pub. 915 Worksheet 1).
MaintenanceTreatment CaseTreatment(const CaseRecord& record) {
    const bool taxedToPayee = record.options.maintTaxedTo == MaintTaxedTo::Payee;
    return {.taxedToPayee = taxedToPayee,
            .inSocialSecurityIncome =
                taxedToPayee && record.options.federalTaxRules == FederalTaxRules::Law2023};
}

}  // namespace

void RunTaxSteps(CaseRecord& record) {
    RunTaxSteps(record, CaseTreatment(record));
}

void RunTaxSteps(CaseRecord& record, MaintenanceTreatment treatment) {
    StartArithmeticCheck();
    RunTaxSteps(record, GatherBothParties(record), treatment);
    FinishArithmeticCheck();
}

void RunNetIncomePhase(CaseRecord& record) {
    StartArithmeticCheck();
    BothParties inputs = GatherBothParties(record);
    RunTaxSteps(record, inputs, CaseTreatment(record));
    TaxResults& tax = record.results.tax;
    if (tax.WorksheetTaxOverride) {
        ApplyWorksheetTaxes(record, tax);
    }
    for (IncomeParty party : kIncomeParties) {
        ComputeNetIncome(inputs[static_cast<int>(party)], party, tax, ResultsOf(tax, party));
    }
    int16_t state = tax.NetOverrideState;
    if (state == 2 || state == 4) {
        ApplyTypedNetIncome(TypedNetNow(tax.NewClaimNetText, tax.NewClaimNet), tax.Claim);
    }
    if (state == 3 || state == 4) {
        ApplyTypedNetIncome(TypedNetNow(tax.NewOtherNetText, tax.NewOtherNet), tax.Payer);
    }
    tax.NetComputed = true;
    FinishArithmeticCheck();
}

MonthlyTaxes MonthlyTaxesOf(const PartyTaxResults& r) {
    return {(double(r.FederalTax) - r.TotalCredits) / 12.0 + r.StateTax / 12.0,
            r.PayrollTax / 12.0};
}

void EstimateWorksheetTaxes(CaseRecord& record) {
    TaxResults& tax = record.results.tax;
    tax.WorksheetIncomeTaxes[0] = tax.WorksheetIncomeTaxes[1] = 0;
    tax.WorksheetFica[0] = tax.WorksheetFica[1] = 0;
    BringIncomeScreensToYearly(record);
    RunTaxSteps(record);
    for (IncomeParty party : kIncomeParties) {
        int column = WorksheetColumnOf(record, party);
        MonthlyTaxes monthly = MonthlyTaxesOf(ResultsOf(tax, party));
        tax.WorksheetIncomeTaxes[column] = static_cast<float>(monthly.incomeTaxes);
        tax.WorksheetFica[column] = static_cast<float>(monthly.fica);
    }
}

}  // namespace tovaris
