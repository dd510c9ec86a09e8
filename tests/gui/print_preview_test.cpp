#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/application.h"
#include "app/menu_items.h"
#include "calculators/bonus_window.h"
#include "calculators/flip_window.h"
#include "case/express_entry_window.h"
#include "common/scripted_interaction.h"
#include "gui_test_support.h"
#include "maintenance/maintenance_window.h"
#include "page_painter.h"
#include "printing/preview_window.h"
#include "reports/document_text.h"
#include "support/support_results_window.h"

namespace tovaris::gui {
namespace {

// The program started on an example case with both results screens calculated.
struct Printing {
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app{preferences, interaction, "/opt/tovaris"};

    Printing() {
        preferences.Write(kBehaviourApp, "PreparerName", "Pat Preparer");
        app.Start({800, 600, 15, 15});
        app.EnterCaseData();
        app.express()->OpenCase(QString(TOVARIS_SOURCE_DIR) + "/examples/SharedOvernights.QCF");
        app.express()->findChild<QAbstractButton*>("ChildSupportButton")->click();
        app.express()->findChild<QAbstractButton*>("AlimonyButton")->click();
    }
    // The screen's report entry chosen: the preview it opened.
    PreviewWindow* Preview(const char* source) const;
    QMainWindow* Screen(const char* source) const {
        return source == std::string(reports::kSourceMaintenance)
                   ? static_cast<QMainWindow*>(app.express()->maintenanceResults())
                   : static_cast<QMainWindow*>(app.express()->supportResults());
    }
};

// The preview window on screen, if any.
PreviewWindow* ShownPreview() {
    PreviewWindow* shown = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* preview = qobject_cast<PreviewWindow*>(top); preview && preview->isVisible()) {
            EXPECT_EQ(shown, nullptr) << "two previews at once";
            shown = preview;
        }
    }
    return shown;
}

void Trigger(QMainWindow& window, const char* item) {
    QAction* action = FindMenuItem(*window.menuBar(), item);
    ASSERT_NE(action, nullptr) << item;
    ASSERT_TRUE(action->isEnabled()) << item;
    action->trigger();
    QApplication::processEvents();
}

PreviewWindow* Printing::Preview(const char* source) const {
    const bool maintenance = source == std::string(reports::kSourceMaintenance);
    Trigger(*Screen(source), maintenance ? "PreviewMaint" : "PreviewCS");
    return ShownPreview();
}

struct ReportMenu {
    const char* source;
    const char* item;
    const char* firstLine;
};

TEST(PrintPreview, EachResultsScreenPreviewsItsReportAndExitReturnsToIt) {
    const ReportMenu menus[] = {
        {reports::kSourceSupportResults, "PreviewCS", "Child Support Report For:  "},
        {reports::kSourceMaintenance, "PreviewMaint", "Spousal Maintenance Report For:  "},
    };
    Printing p;
    for (const ReportMenu& menu : menus) {
        QMainWindow& screen = *p.Screen(menu.source);
        Trigger(screen, menu.item);
        PreviewWindow* preview = ShownPreview();
        ASSERT_NE(preview, nullptr) << menu.item;
        EXPECT_EQ(preview->windowTitle(), "Print And Preview Document");
        EXPECT_EQ(preview->document().source(), menu.source);
        EXPECT_FALSE(screen.isEnabled());
        const auto& first = std::get<reports::TextRun>(preview->document().pages()[0].items[0]);
        EXPECT_EQ(first.text.rfind(menu.firstLine, 0), 0u) << first.text;
        for (const char* entry : {"ExitPreview", "PrintDocument", "SavePdf", "FindText"}) {
            EXPECT_NE(FindMenuItem(*preview->menuBar(), entry), nullptr) << entry;
        }
        testing::SaveScreenshot(*preview, QString("preview_") + menu.source);
        Trigger(*preview, "ExitPreview");
        EXPECT_EQ(ShownPreview(), nullptr);
        EXPECT_TRUE(screen.isEnabled());
        EXPECT_TRUE(screen.isVisible());
    }
}

TEST(PrintPreview, ASecondDocumentReplacesTheFirstAndFreesItsScreen) {
    Printing p;
    QMainWindow& support = *p.Screen(reports::kSourceSupportResults);
    Trigger(support, "PreviewCS");
    Trigger(*p.Screen(reports::kSourceMaintenance), "PreviewMaint");
    ASSERT_NE(ShownPreview(), nullptr);
    EXPECT_EQ(ShownPreview()->document().source(), reports::kSourceMaintenance);
    EXPECT_TRUE(support.isEnabled());
}

TEST(PrintPreview, PageKeysMoveByWholePagesAtTheLargerZooms) {
    Printing p;
    PreviewWindow* preview = p.Preview(reports::kSourceSupportResults);
    ASSERT_NE(preview, nullptr);
    ASSERT_EQ(preview->document().pages().size(), 2u);
    for (double zoom : {1.0, 1.5, 2.0}) {
        preview->SetZoom(zoom);
        QTest::keyClick(preview, Qt::Key_PageDown);
        EXPECT_EQ(preview->currentPage(), 1) << zoom;
        QTest::keyClick(preview, Qt::Key_PageDown);
        EXPECT_EQ(preview->currentPage(), 1) << zoom;
        QTest::keyClick(preview, Qt::Key_PageUp);
        EXPECT_EQ(preview->currentPage(), 0) << zoom;
    }
}

TEST(PrintPreview, FindMovesThroughEveryMatchAcrossPages) {
    Printing p;
    PreviewWindow* preview = p.Preview(reports::kSourceSupportResults);
    ASSERT_NE(preview, nullptr);
    ASSERT_GT(preview->document().pages().size(), 1u);
    EXPECT_TRUE(preview->FindNext("children"));
    const auto& matches = preview->matches();
    ASSERT_GT(matches.size(), 2u);
    EXPECT_EQ(matches.front().page, 0);
    EXPECT_EQ(matches.back().page, int(preview->document().pages().size()) - 1);
    for (size_t i = 1; i < matches.size(); ++i) {
        EXPECT_TRUE(preview->FindNext("children"));
    }
    EXPECT_EQ(preview->currentPage(), matches.back().page);
    EXPECT_FALSE(preview->FindNext("no such words"));
}

TEST(PrintPreview, SaveAsPdfWritesTheFileAndCancelChangesNothing) {
    Printing p;
    PreviewWindow* preview = p.Preview(reports::kSourceMaintenance);
    ASSERT_NE(preview, nullptr);
    QTemporaryDir folder;
    const size_t pages = preview->document().pages().size();

    preview->askSavePath = [] { return QString(); };
    Trigger(*preview, "SavePdf");
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->document().pages().size(), pages);

    preview->askSavePath = [&] { return folder.filePath("Lindqvist"); };
    Trigger(*preview, "SavePdf");
    QFile pdf(folder.filePath("Lindqvist.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_TRUE(preview->isVisible());
}

TEST(PrintPreview, ScreenImageIsPreviewedAndExitReturnsToTheExpressEntryScreen) {
    Printing p;
    p.app.express()->activateWindow();
    Trigger(*p.app.express(), "PrintScreenImage");
    PreviewWindow* preview = ShownPreview();
    ASSERT_NE(preview, nullptr);
    const auto& items = preview->document().pages()[0].items;
    ASSERT_EQ(items.size(), 1u);
    EXPECT_FALSE(std::get<reports::Picture>(items[0]).png.empty());
    EXPECT_FALSE(p.app.express()->isEnabled());
    Trigger(*preview, "ExitPreview");
    EXPECT_TRUE(p.app.express()->isEnabled());
}

// Clicks a print button and checks the preview it opens, its first line and the way back.
void ExpectPrintout(QWidget& window, const char* button, const std::string& firstLine) {
    auto* print = window.findChild<QPushButton*>(button);
    ASSERT_NE(print, nullptr) << button;
    ASSERT_TRUE(print->isEnabled()) << button;
    print->click();
    PreviewWindow* preview = ShownPreview();
    ASSERT_NE(preview, nullptr) << button;
    EXPECT_FALSE(window.isEnabled());
    EXPECT_TRUE(preview->FindNext(QString::fromStdString(firstLine)));
    testing::SaveScreenshot(*preview, QString("preview_") + button);
    Trigger(*preview, "ExitPreview");
    EXPECT_TRUE(window.isEnabled());
}

TEST(PrintPreview, BonusCalculatorPrintsItsSummaryAfterARun) {
    Printing p;
    MaintenanceWindow& screen = *p.app.express()->maintenanceResults();
    screen.menuItem("RunBonus")->trigger();
    auto* bonus = screen.findChild<BonusWindow*>();
    ASSERT_NE(bonus, nullptr);
    EXPECT_FALSE(bonus->findChild<QPushButton*>("PrintBonus")->isEnabled());
    bonus->findChild<QLineEdit*>("BonusAmount")->setText("20000");
    bonus->findChild<QPushButton*>("RunBonus")->click();
    ExpectPrintout(*bonus, "PrintBonus", "ALIMONY BONUS CALCULATOR");
}

// Each auxiliary calculator prints its entries and results as they stand after a run.
TEST(PrintPreview, EachCalculatorPrintsASummaryOfItsEntriesAndResults) {
    struct Calculator {
        const char* toolsItem;
        const char* window;
        std::vector<std::pair<const char*, const char*>> entries;
        const char* option;  // an option button to choose first, or nullptr
        const char* run;
        std::vector<const char*> printed;  // texts the summary must carry
    };
    const Calculator calculators[] = {
        {"DB",
         "DefinedBenefitPlans",
         {{"HolderName", "Pat Example"},
          {"CurrentAgeYrs", "60"},
          {"CurrentAgeMos", "6"},
          {"AgePayableYrs", "65"},
          {"AgePayableMos", "0"},
          {"PensionAmount", "2000"},
          {"DiscountRate", ".05"},
          {"TaxRate", ".25"}},
         "SexFemale",
         "RunDBReport",
         {"Defined Benefit Calculator", "Pat Example", "At Death",
          "Present Value of Gross Pension"}},
        {"IRA",
         "IraWithdrawals",
         {{"CurrentAgeYrs", "50"},
          {"AgeEndYrs", "60"},
          {"IRAAmount", "400000"},
          {"IraInterestRate", "6"},
          {"InterestRate", "4"}},
         "MethodAnnuity",
         "Calculate",
         {"72(t) IRA Withdrawal Calculator", "$11,050", "Projected IRA Account Balance/Yr",
          "Age 60:"}},
        {"FinCalc",
         "FinancialCalculations",
         {{"Text1", "6"}, {"Text2", "100000"}, {"Text3", "360"}},
         nullptr,
         "CmdAnswer",
         {"Financial Calculations", "599.55"}},
        {"BVCalc",
         "BusinessValuation",
         {{"HardAssets", "100000"},
          {"Liabilities", "20000"},
          {"Receivables", "50000"},
          {"Likelihood", ".8"},
          {"Income", "300000"},
          {"Expenses", "100000"},
          {"TaxRate", ".3"},
          {"FairSalary", "120000"}},
         nullptr,
         "Calculate",
         {"Excess Earnings Multiplier", "Many Competitors", "[--", "Business Value"}},
    };
    Printing p;
    for (const Calculator& c : calculators) {
        p.app.express()->menuItem(c.toolsItem)->trigger();
        auto* window = p.app.express()->findChild<QMainWindow*>(c.window);
        ASSERT_NE(window, nullptr) << c.window;
        for (const auto& [name, text] : c.entries) {
            window->findChild<QLineEdit*>(name)->setText(text);
        }
        if (c.option != nullptr) {
            window->findChild<QRadioButton*>(c.option)->setChecked(true);
        }
        window->findChild<QPushButton*>(c.run)->click();
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << c.window << ": entry error";
        Trigger(*window, "PrintSummary");
        PreviewWindow* preview = ShownPreview();
        ASSERT_NE(preview, nullptr) << c.window;
        EXPECT_EQ(preview->document().pages().size(), 1u) << c.window;
        for (const char* text : c.printed) {
            EXPECT_TRUE(preview->FindNext(text)) << c.window << ": " << text;
        }
        testing::SaveScreenshot(*preview, QString("summary_") + c.window);
        Trigger(*preview, "ExitPreview");
        EXPECT_TRUE(window->isEnabled());
        window->hide();
    }
}

TEST(PrintPreview, FlipCalculatorPrintsAnImageOfItsCalculation) {
    Printing p;
    SupportResultsWindow& screen = *p.app.express()->supportResults();
    screen.menuItem("RunFlip")->trigger();
    auto* flip = screen.findChild<FlipWindow*>();
    ASSERT_NE(flip, nullptr);
    flip->findChild<QPushButton*>("Calculate")->click();
    flip->findChild<QPushButton*>("PrintImage")->click();
    PreviewWindow* preview = ShownPreview();
    ASSERT_NE(preview, nullptr);
    const auto& items = preview->document().pages()[0].items;
    ASSERT_EQ(items.size(), 1u);
    EXPECT_FALSE(std::get<reports::Picture>(items[0]).png.empty());
    EXPECT_FALSE(flip->isEnabled());
    Trigger(*preview, "ExitPreview");
    EXPECT_TRUE(flip->isEnabled());

    // Its summary page carries the entries and the result lines as shown.
    Trigger(*flip, "PrintSummary");
    preview = ShownPreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->FindNext("New Overnights And/Or Dependencies"));
    EXPECT_TRUE(preview->FindNext("Original Child Support"));
    testing::SaveScreenshot(*preview, "summary_flip");
    Trigger(*preview, "ExitPreview");
}

TEST(PrintPreview, ParentingTimeScreenPrintsItsTable) {
    Printing p;
    p.app.express()->findChild<QAbstractButton*>("SharedCalc")->click();
    QWidget* window = p.app.express()->findChild<QWidget*>("ParentingTime");
    ASSERT_TRUE(window->isVisible());
    ExpectPrintout(*window, "PrintParentingTime", "Average Parenting Time");
}

// "Print This Document" draws the pages on the printer the way the PDF file has them; a PDF
// printer stands in for the system's.
TEST(PrintPreview, PrinterPagesCarryTheReportsText) {
    Printing p;
    PreviewWindow* preview = p.Preview(reports::kSourceSupportResults);
    ASSERT_NE(preview, nullptr);
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("printed.pdf"));
    render::PaintDocument(printer, preview->document());
    if (const QByteArray shots = qgetenv("TOVARIS_SCREENSHOT_DIR"); !shots.isEmpty()) {
        QFile::copy(folder.filePath("printed.pdf"), QString::fromLocal8Bit(shots) + "/printed.pdf");
    }
    QProcess text;
    text.start("pdftotext", {"-layout", folder.filePath("printed.pdf"), "-"});
    ASSERT_TRUE(text.waitForFinished());
    const QString printed = text.readAllStandardOutput();
    for (const char* line :
         {"Child Support Report For: Marriage of Lindqvist", "Prepared By: Pat Preparer",
          "Presumptive Transfer And Limitation", "Tiered Child Support"}) {
        EXPECT_TRUE(printed.contains(line)) << line << "\n" << printed.toStdString();
    }
}

TEST(PrintPreview, PrintEntriesOfTheResultsScreensAreOn) {
    Printing p;
    for (const char* source : {reports::kSourceSupportResults, reports::kSourceMaintenance}) {
        for (const char* item : {"PrintScreenImage", "PrinterSetup"}) {
            EXPECT_TRUE(FindMenuItem(*p.Screen(source)->menuBar(), item)->isEnabled()) << item;
        }
    }
}

TEST(PrintPreview, ExpressEntryPreviewsTheIncomeReport) {
    Printing p;
    EXPECT_TRUE(FindMenuItem(*p.app.express()->menuBar(), "PrintPopup")->isEnabled());
    Trigger(*p.app.express(), "PreviewPopup");
    PreviewWindow* preview = ShownPreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->document().source(), reports::kSourceExpressEntry);
    const std::string text = reports::PageText(preview->document().pages()[0]);
    EXPECT_NE(text.find("Gross Yearly Income"), std::string::npos) << text;
    testing::SaveScreenshot(*preview, "preview_income_report");
}

}  // namespace
}  // namespace tovaris::gui
