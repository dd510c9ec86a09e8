#pragma once

#include "case/case_record.h"
#include "case/income_business.h"
#include "case/income_refresh.h"
#include "tax/net_income_phase.h"

namespace tovaris {

// A whole case for the net-income phase, entered as a practitioner types it.
struct Family {
    CaseRecord record;

    Family(const char* claimStatus, const char* payerStatus, const char* custody) {
        record.globals.ClaimFilingStatus = claimStatus;
        record.globals.PayerFilingStatus = payerStatus;
        record.globals.CustodyType = custody;
    }
    Family& Enter(const char* field, const char* amount) {
        record.fields.SetText(field, amount);
        return *this;
    }
    Family& Tick(const char* box) {
        record.fields.SetCheck(box, 1);
        return *this;
    }
    Family& Gross(float claim, float payer) {
        record.globals.ClaimGrossYearly = claim;
        record.globals.PayerGrossYearly = payer;
        return *this;
    }
    Family& ClaimDayCare(float monthly, int16_t children) {
        record.globals.DayCareClaim = monthly;
        record.globals.ClaimNumCare = children;
        return *this;
    }
    // As the child support command leaves the screens before its first phase.
    TaxResults& Run() {
        RefreshBusinessScreens(record);
        BringIncomeScreensToYearly(record);
        RunNetIncomePhase(record);
        return record.results.tax;
    }
};

}  // namespace tovaris
