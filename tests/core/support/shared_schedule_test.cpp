#include <gtest/gtest.h>

#include "support/shared_schedule.h"

namespace tovaris::support {
namespace {

using enum SharedMethod;

struct TransferCase {
    SharedMethod method;
    float claimObligation;  // Oc
    float payerObligation;  // Op
    float claimNights;      // Tc
    float payerNights;      // Tp
    float transfer;
};

// Sum of days: (Op Tc - Oc Tp) / (Tc + Tp); squared days: the same with Tc^2 and Tp^2.
TEST(SharedTransfer, WeightsEachObligationByTheOtherParentsTime) {
    const TransferCase cases[] = {
        // (900 x 146 - 400 x 219) / 365 = 43800 / 365
        {SumDays, 400, 900, 146, 219, 120},
        // Colorado prices the basic shares higher, then weights as sum of days.
        {SumDaysColorado, 400, 900, 146, 219, 120},
        // (900 x 21316 - 400 x 47961) / 69277: both products are 19,184,400
        {SquaredDays, 400, 900, 146, 219, 0},
        // The same case with the parents' roles swapped: the Claimant pays.
        {SumDays, 900, 400, 219, 146, -120},
        // Equal time: half the difference of the obligations, whatever the weighting.
        {SumDays, 400, 900, 182.5f, 182.5f, 250},
        {SquaredDays, 400, 900, 182.5f, 182.5f, 250},
        // (1000 x 100 - 200 x 265) / 365 = 47000 / 365
        {SumDays, 200, 1000, 100, 265, 128.767123f},
        // (1000 x 10000 - 200 x 70225) / 80225 = -4045000 / 80225
        {SquaredDays, 200, 1000, 100, 265, -50.420691f},
        // No overnights at all: nothing to weight by.
        {SumDays, 400, 900, 0, 0, 0},
    };
    for (const TransferCase& c : cases) {
        EXPECT_FLOAT_EQ(SharedTransfer(c.method, c.claimObligation, c.payerObligation,
                                       c.claimNights, c.payerNights),
                        c.transfer)
            << "method " << static_cast<int>(c.method) << ", Oc " << c.claimObligation << ", Op "
            << c.payerObligation << ", Tc " << c.claimNights << ", Tp " << c.payerNights;
    }
}

TEST(SharedBasicShare, OnlyColoradoMultipliesByOneAndAHalf) {
    EXPECT_EQ(SharedBasicShare(SumDaysColorado, 300), 450);
    EXPECT_EQ(SharedBasicShare(SumDaysColorado, 655), 982.5f);
    EXPECT_EQ(SharedBasicShare(SumDays, 300), 300);
    EXPECT_EQ(SharedBasicShare(SquaredDays, 300), 300);
}

}  // namespace
}  // namespace tovaris::support
