#pragma once

#include <array>

namespace tovaris::tax {

// What the tax steps read from one column of a business income screen, in yearly dollars: the
// party's, or the new spouse's on a joint return.
struct BusinessIncomeEntries {
    // Businesses A and B: sole proprietorship, LLC or partnership whose net income bears
    // self-employment tax payable by the owner.
    struct Proprietorship {
        float qualifiedIncome = 0;  // qualified for the business income deduction
        float employeeW2Wages = 0;  // paid by the business to its employees
        float depreciableAssets = 0;
        bool serviceTrade = false;
    };
    // Businesses C and D: S-corporation paying the owner wages (FICA at the corporate level)
    // and passing its profit through.
    struct SCorporation {
        float ownerWages = 0;   // the owner's W-2 wages from the corporation
        float passThrough = 0;  // the owner's allocable share of the distributions
        float employeeW2Wages = 0;
        float depreciableAssets = 0;
        bool serviceTrade = false;
    };

    std::array<Proprietorship, 2> proprietorships{};  // A, B
    std::array<SCorporation, 2> sCorporations{};      // C, D
    float reitDividends = 0;  // REIT, cooperative and publicly traded partnership income
};

// Wages from the S-corporations; they join the wages subject to FICA.
float SCorporationWages(const BusinessIncomeEntries& entries);

// Pass-through distributions; they count as investment income for the earned income credit.
float PassThroughDistributions(const BusinessIncomeEntries& entries);

// The income screen's business income less the S-corporation wages and distributions: what
// bears self-employment tax.
float SelfEmploymentIncome(float businessIncome, const BusinessIncomeEntries& entries);

}  // namespace tovaris::tax
