#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QTableWidget>

#include "app/application.h"
#include "app/menu_items.h"
#include "case/express_entry_window.h"
#include "common/scripted_interaction.h"
#include "gui_test_support.h"
#include "maintenance/maintenance_window.h"
#include "printing/preview_window.h"
#include "support/support_results_window.h"
#include "whatif/comparison_window.h"
#include "whatif/scenario_menu.h"
#include "whatif/sweep_chart_window.h"

namespace tovaris::gui {
namespace {

struct WhatIf {
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app{preferences, interaction, "/opt/tovaris"};

    explicit WhatIf(const char* example) {
        app.Start({800, 600, 15, 15});
        app.EnterCaseData();
        app.express()->OpenCase(QString(TOVARIS_SOURCE_DIR) + "/examples/" + example);
    }
    void Press(const char* button) { app.express()->findChild<QAbstractButton*>(button)->click(); }
    // "Chart..." of a results screen: its chart window, drawn for the range it starts with.
    SweepChartWindow* OpenChart(QMainWindow& screen) {
        FindMenuItem(*screen.menuBar(), "ChartSweep")->trigger();
        return screen.findChild<SweepChartWindow*>();
    }
};

TEST(WhatIfWindows, ChartFromTheChildSupportResults) {
    WhatIf w("Custodial.QCF");
    w.Press("ChildSupportButton");
    SweepChartWindow* chart = w.OpenChart(*w.app.express()->supportResults());
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    auto* input = chart->findChild<QComboBox*>("SweepInput");
    input->setCurrentIndex(1);  // the Other Party's income
    chart->findChild<QLineEdit*>("SweepFrom")->setText("0");
    chart->findChild<QLineEdit*>("SweepTo")->setText("16000");
    chart->Draw();
    EXPECT_EQ(chart->sweep().points.size(), 500u);
    EXPECT_FALSE(chart->sweep().thresholds.empty());
    EXPECT_FLOAT_EQ(chart->sweep().current.x, 8500);
    auto* view = chart->findChild<QChartView*>("ChartView");
    EXPECT_GE(view->chart()->series().size(), 2);
    testing::SaveScreenshot(*chart, "chart_child_support_other_income");

    chart->findChild<QLineEdit*>("SweepTo")->setText("-5");
    chart->Draw();
    EXPECT_EQ(w.interaction.messages().back().text,
              "The range must run from a lower to a higher value.");
}

TEST(WhatIfWindows, ChartFromTheMaintenanceScreenOverNights) {
    WhatIf w("SharedOvernights.QCF");
    w.Press("AlimonyButton");
    SweepChartWindow* chart = w.OpenChart(*w.app.express()->maintenanceResults());
    ASSERT_NE(chart, nullptr);
    chart->findChild<QComboBox*>("SweepInput")->setCurrentIndex(2);  // the Claimant's nights
    chart->findChild<QLineEdit*>("SweepFrom")->setText("100");
    chart->findChild<QLineEdit*>("SweepTo")->setText("260");
    chart->Draw();
    EXPECT_EQ(chart->sweep().thresholds.size(), 7u);
    testing::SaveScreenshot(*chart, "chart_maintenance_nights");
}

TEST(WhatIfWindows, ThreeSettlementOptionsSideBySide) {
    WhatIf w("Custodial.QCF");
    ScenarioMenu* menu = w.app.express()->scenarioMenu();
    menu->Duplicate("Maintenance $1,500");
    w.app.record().fields.SetText("CurrentMaintTransfer", "1500");
    menu->Duplicate("Higher Income");
    whatif::TypeSweepInput(w.app.record(), whatif::SweepInput::OtherIncome, 9500);
    ComparisonWindow& window = menu->Compare();
    QTableWidget* table = window.table();
    EXPECT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), "Current");
    EXPECT_EQ(table->verticalHeaderItem(1)->text(), "Other Party's Gross Income/Month");
    EXPECT_EQ(table->item(1, 2)->text(), "$9,500");
    EXPECT_TRUE(table->item(1, 2)->font().bold());
    EXPECT_FALSE(table->item(1, 1)->font().bold());
    testing::SaveScreenshot(window, "compare_scenarios");

    FindMenuItem(*window.menuBar(), "PreviewComparison")->trigger();
    QApplication::processEvents();
    PreviewWindow* preview = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* shown = qobject_cast<PreviewWindow*>(top); shown && shown->isVisible()) {
            preview = shown;
        }
    }
    ASSERT_NE(preview, nullptr);
    testing::SaveScreenshot(*preview, "compare_scenarios_printout");
    preview->close();

    menu->Show("Current");
    EXPECT_EQ(w.app.record().fields.Text("PayGrossInc"), "$ 8,500.00");
}

}  // namespace
}  // namespace tovaris::gui
