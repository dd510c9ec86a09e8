#include "tax/credit_lines.h"

#include <algorithm>
#include <utility>

#include "common/format.h"
#include "tax/party_tax_inputs.h"
#include "tax/tax_rule_notes.h"

namespace tovaris::tax {

namespace {

std::string Money(double value) {
    return Format(value, "$##,###,##0");
}

// Business losses the incomes of the other businesses could not absorb this year.
double LossCarryover(const PartyTaxInputs& in) {
    double net = 0;
    for (const ColumnIncome* column : {&in.own, &in.spouse}) {
        for (const auto& a : column->businesses.proprietorships) {
            net += a.qualifiedIncome;
        }
        for (const auto& c : column->businesses.sCorporations) {
            net += c.passThrough;
        }
    }
    return std::max(0.0, -net);
}

}  // namespace

CreditLines PartyCreditLines(const CaseRecord& record, IncomeParty party) {
    bool claimant = party == IncomeParty::Claimant;
    const PartyTaxResults& r = claimant ? record.results.tax.Claim : record.results.tax.Payer;
    PartyTaxInputs in = GatherPartyTaxInputs(record, party);
    const FederalCredits& c = r.Credits;

    // The nonrefundable credits are limited by the tax of the whole return, which for a joint
    // filer is the prorated tax divided by the party's share again.
    double returnTax = in.joint && r.IncomeShare > 0 ? r.FederalTax / r.IncomeShare : r.FederalTax;
    double nonrefundable =
        std::min<double>(double(c.childTax) + c.childCare + in.otherCredits, returnTax);
    std::string who = claimant ? "Claimant's" : "Other Party's";

    CreditLines out;
    out.heading = claimant ? "Claimant - Tax Credits" : "Other Parent - Tax Credits";
    out.lines = {
        " Child Tax Credit = " + Money(c.childTax),
        " Child Care Credit = " + Money(c.childCare),
        " Other Entered Credits = " + Money(in.otherCredits),
        (in.joint ? " SubTotal - NonRefundable Credits (Limited To Amt Of MFJ Fed Tax) = "
                  : " SubTotal - NonRefundable Credits (Limited To Amt Of Fed Tax) = ") +
            Money(nonrefundable),
        " Additional Child Tax Credit = " + Money(c.additionalChildTax),
        " Earned Income Tax Credit = " + Money(c.earnedIncome),
    };
    if (in.joint) {
        out.lines.push_back((claimant ? " MFJ PRORATED by Claimant's Share of Income ("
                                      : " MFJ PRORATED by Other's Share of Income (") +
                            FormatSingle(r.IncomeShare, "#.###") + ")");
    }
    out.lines.push_back(" Total - All Tax Credits = " + Money(r.TotalCredits));
    out.lines.push_back(" " + who + " Business Deduction = " + Money(r.BusinessDeduction));
    out.lines.push_back(" " + who + " Business Loss Carryover = " + Money(LossCarryover(in)));
    if (std::string notice = FederalTaxRulesNotice(record.options.federalTaxRules);
        !notice.empty()) {
        out.ruleNotes.push_back(std::move(notice));
        for (std::string& line : LawDifferenceLines(record, party)) {
            out.ruleNotes.push_back(std::move(line));
        }
    }
    return out;
}

}  // namespace tovaris::tax
