#include <algorithm>

#include "common/format.h"
#include "support/results_display.h"

namespace tovaris {

namespace {

constexpr int kLastTier = 5;

std::string Money(float amount) {
    return FormatSingle(amount, "$##,###,##0");
}

// An age typed as a whole number shows as one; 19, held as 18.6, keeps its decimal.
std::string AgeText(float age) {
    return FormatSingle(age, age == static_cast<float>(static_cast<int>(age)) ? "#0" : "#0.0");
}

// The passes price the youngest children first.
std::string AgesOfYoungest(const CaseGlobals& g, int k) {
    std::vector<float> ages(g.ChildAges.begin(),
                            g.ChildAges.begin() + std::clamp<int>(g.NumChildAges, 0, 5));
    std::sort(ages.begin(), ages.end());
    ages.resize(std::min<size_t>(ages.size(), k));
    if (ages.empty()) {
        return "";
    }
    std::string text = ages.size() == 1 ? " (Age: " : " (Ages: ";
    for (size_t i = 0; i < ages.size(); ++i) {
        text += (i ? ", " : "") + AgeText(ages[i]);
    }
    return text + ")";
}

std::string Residence(const CaseGlobals& g, const SupportTier& tier) {
    if (g.CustodyType == "Split") {
        return " Split " + std::to_string(tier.claimChildren) + "/" +
               std::to_string(tier.payerChildren);
    }
    if (g.CustodyType == "Shared") {
        return " Av. Nights " + FormatSingle(tier.claimNights, "###.0") + "/" +
               FormatSingle(tier.payerNights, "###.0");
    }
    return "";
}

}  // namespace

std::vector<std::string> TierLines(const CaseRecord& record) {
    const CaseGlobals& g = record.globals;
    const SupportResults& r = record.results.support;
    std::vector<std::string> lines;
    if (g.CustodyType == "NoMinors") {
        return lines;
    }
    for (int k = std::min<int>(g.NumMinors, kLastTier); k >= 1; --k) {
        if (!r.TierSet[k]) {
            continue;
        }
        std::string family = k == 1 ? "1 Child: " : std::to_string(k) + " Children: ";
        lines.push_back(family + Money(r.TierTransfer[k]) + " Basic Ob./Mo. Is " +
                        Money(r.Tiers[k].basicObligation) + AgesOfYoungest(g, k) +
                        Residence(g, r.Tiers[k]));
    }
    lines.push_back(
        "You May Need To Run The Program With Redefined Exemptions and Expenses For Accurate "
        "Tiered Support.");
    return lines;
}

std::string TierCaption(const CaseRecord& record) {
    return "Tier - Without Net Expense Obligation of " +
           FormatSingle(record.results.support.TierExpense1, "$###,##0");
}

}  // namespace tovaris
