#pragma once

#include <string>

namespace tovaris::maintenance {

// One party's column of the maintenance screen: yearly dollars of the last tax pass of the
// recommendation. Transfers are signed from the party's side: + received, - paid.
struct MaintenanceColumn {
    bool Imputed = false;  // " Imputed Gross Income"
    bool Joint = false;    // "MFJ": the taxes are the party's share, " (prorated)"
    float GrossYearly = 0;
    float PriorMaintPaid = 0;  // both kinds: orders before 2019 and after 2018
    float PriorChildSupportPaid = 0;
    float FicaSe = 0;
    float Maintenance = 0;
    float StateTax = 0;
    float FederalTax = 0;
    float FederalCredits = 0;
    float CareAndHealthPaid = 0;
    float ChildSupport = 0;
    float NetYearly = 0;
};

// What a maintenance recommendation leaves for the maintenance screen, its report and the
// headless program.
struct MaintenanceResults {
    bool Computed = false;

    float CaseScore = 0;  // 1.00 to 100.00
    std::string CaseComment;
    double TargetShare = 0;
    double DiffRate = 0;

    float SuggestedAward = 0;       // yearly, the award the columns use
    float SuggestedAwardSaved = 0;  // yearly, the suggestion a typed award does not replace
    float TypedAward = 0;           // yearly, typed on the screen; in force with AwardOverride
    std::string TermLine1;
    std::string TermLine2;
    std::string CalcStatusText = " ";

    // "Y" only during a recommendation that leaves the award out of the taxes.
    std::string UnallocatedMode = "N";
    float MaintForChildSupport = 0;  // monthly, as the child support calculation used it

    float ClaimNetYearly = 0;
    float PayerNetYearly = 0;
    float PriorPaidClaim = 0;
    float PriorPaidPayer = 0;
    MaintenanceColumn Claim;
    MaintenanceColumn Payer;

    // The present value box: its last accepted entries and result.
    bool HasPresentValue = false;
    float PVDuration = 0;      // years
    float PVTaxRate = 0;       // decimal
    float PVDiscountRate = 0;  // decimal, yearly
    float PresentValue = 0;

    // A new recommendation or award: the present value of the previous one no longer applies.
    void ForgetPresentValue() {
        HasPresentValue = false;
        PVDuration = PVTaxRate = PVDiscountRate = PresentValue = 0;
    }
};

}  // namespace tovaris::maintenance
