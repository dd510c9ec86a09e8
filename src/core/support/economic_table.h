#pragma once

#include <array>
#include <cstdint>

namespace tovaris::support {

// The 2019 Washington economic table: monthly support per child by combined monthly net income
// of both parents ($1,000 to $12,000 in $100 steps) and family size (1 to 4, then 5 or more).
// Rows and columns are numbered from 1, as the worksheet instructions number them.
inline constexpr int kEconomicTableRows = 111;
inline constexpr int kEconomicTableColumns = 5;
inline constexpr float kEconomicTableTopIncome = 12000.0f;

using EconomicTable = std::array<std::array<int16_t, kEconomicTableColumns>, kEconomicTableRows>;

extern const EconomicTable kEconomicTable2019;

// Row for a combined income: the income rounded to the nearest $100 (a half rounds up), kept
// inside the table, so anything under $950 prices at $1,000 and $11,950 or more at $12,000.
int EconomicTableRow(float combinedNet);

// Column for a family size: 1..4 children their own column, 5 or more the last one.
int EconomicTableColumn(int16_t childCount);

// The per-child amount at a row and column numbered as above.
int16_t EconomicTableEntry(int row, int column);

}  // namespace tovaris::support
