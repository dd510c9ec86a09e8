#include "tax/federal_tables.h"

#include "tax/filing_status.h"

namespace tovaris::tax {
namespace {

struct StatusEntry {
    std::string_view code;
    FederalStatusTable table;
};

// Looked up in this order, by exact code.
constexpr std::array<StatusEntry, 4> kTables = {{
    {kSingle,
     {13850,
      1850,
      {11000, 44725, 95375, 182100, 231250, 578125},
      {44625, 492300},
      200000,
      25000,
      34000}},
    {kHeadOfHousehold,
     {20800,
      1850,
      {15700, 59850, 95350, 182100, 231250, 578100},
      {59750, 523050},
      200000,
      25000,
      34000}},
    {kMarriedSeparate,
     {13850,
      1500,
      {11000, 44725, 95375, 182100, 231250, 346875},
      {44625, 276900},
      125000,
      25000,
      34000}},
    {kJoint,
     {27700,
      1500,
      {22000, 89450, 190750, 364200, 462500, 693750},
      {89250, 553850},
      250000,
      32000,
      44000}},
}};

constexpr FederalStatusTable kEmptyTable{};

}  // namespace

const FederalStatusTable& FederalTableFor(std::string_view filingStatus) {
    for (const StatusEntry& entry : kTables) {
        if (entry.code == filingStatus) {
            return entry.table;
        }
    }
    return kEmptyTable;
}

}  // namespace tovaris::tax
