#pragma once

#include <array>
#include <cstdint>

namespace tovaris {

// Choices held as ticked menu entries and option buttons of the Express Entry screen. They
// steer the calculations but are not saved with the case.
enum class EconomicTableChoice { Current, OldTable };
enum class Extrapolation { Dont, Curve, Linear };
enum class OtherFamilyMethod { WholeMethod, IncomeMethod };
enum class SplitMethod { Arvey, DualWS };
enum class SharedMethod { SumDays, SumDaysColorado, SquaredDays };
enum class CalculationOrder { MaintFirst, CSFirst };  // menus AutoCalc / DontAutoCalc
enum class MaintTaxedTo { Payee, Payer };             // OptionTaxedToPayee / OptionTaxedToPayer
enum class ClaimantColumn { Column1, Column2 };       // FParentOption / MParentOption
// "Schedule Rules (Default)": the simplified federal rules the worksheets have always used;
// "2023 Federal Tax Law": the tax engine follows the Internal Revenue Code where they differ.
enum class FederalTaxRules { Schedule, Law2023 };  // menus ScheduleTaxRules / LawTaxRules

struct CaseOptions {
    EconomicTableChoice economicTable = EconomicTableChoice::Current;
    Extrapolation extrapolation = Extrapolation::Dont;
    OtherFamilyMethod otherFamilyMethod = OtherFamilyMethod::WholeMethod;
    SplitMethod splitMethod = SplitMethod::Arvey;
    SharedMethod sharedMethod = SharedMethod::SumDays;
    CalculationOrder calculationOrder = CalculationOrder::MaintFirst;
    MaintTaxedTo maintTaxedTo = MaintTaxedTo::Payer;
    ClaimantColumn claimantColumn = ClaimantColumn::Column2;
    FederalTaxRules federalTaxRules = FederalTaxRules::Schedule;  // a user preference

    // "Apply This Maint To The Child Support Calc": the check box and its two case switches,
    // all on at start-up.
    bool applyMaintToCS = true;
    std::array<int16_t, 2> applyMaintToCSSwitches{1, 1};

    // Entry period of the income detail screens; 1 = yearly amounts shown.
    double incomePeriodFactor = 1.0;
};

}  // namespace tovaris
