#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "app/application.h"
#include "app/folder_dialog.h"
#include "app/input_box.h"
#include "app/message_box.h"
#include "app/preparer_dialog.h"
#include "app/splash_screen.h"
#include "calculators/bonus_window.h"
#include "calculators/flip_window.h"
#include "calculators/impute_window.h"
#include "case/express_entry_window.h"
#include "case/income_window.h"
#include "common/scripted_interaction.h"
#include "forms/frame_window.h"
#include "gui_test_support.h"
#include "maintenance/maintenance_window.h"
#include "support/support_results_window.h"
#include "tax/business_window.h"
#include "tax/credit_lines.h"
#include "tax/credits_dialog.h"

namespace tovaris::gui {
namespace {

// The two desktops every screen must fit: the window gets what such a desktop leaves once the
// window frame and a task bar are drawn.
constexpr QSize kDesktops[] = {{1024, 768}, {1366, 768}};
constexpr QSize kFrameAndTaskBar{20, 40};

// Every screen of the program with the split custody example calculated, so that the longest
// rows are on them.
struct EveryScreen {
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app{preferences, interaction, "/opt/tovaris"};
    std::vector<std::pair<QString, QWidget*>> screens;

    EveryScreen() {
        app.Start({800, 600, 15, 15});
        screens.push_back({"splash", app.splash()});
        app.EnterCaseData();
        ExpressEntryWindow& express = *app.express();
        express.OpenCase(QString(TOVARIS_SOURCE_DIR) + "/examples/SplitTwoEach.QCF");
        Add("express_entry", &express);
        Click("ChildSupportButton");
        Add("results", express.supportResults());
        express.supportResults()->menuItem("RunCSBonus")->trigger();
        Add("results_bonus", express.supportResults()->findChild<BonusWindow*>());
        express.supportResults()->menuItem("RunFlip")->trigger();
        Add("results_flip", express.supportResults()->findChild<FlipWindow*>());
        Click("AlimonyButton");
        Add("maintenance", express.maintenanceResults());
        express.maintenanceResults()->menuItem("RunBonus")->trigger();
        Add("maintenance_bonus", express.maintenanceResults()->findChild<BonusWindow*>());
        Click("EnterClaimIncome");
        auto* income = express.findChild<IncomeWindow*>("ClaimIncome");
        Add("income", income);
        income->ShowImpute();
        Add("impute", income->findChild<ImputeWindow*>());
        income->ShowBusiness();
        Add("business", income->business());
        Click("SharedCalc");
        Add("parenting_time", express.findChild<QWidget*>("ParentingTime"));
        express.menuItem("OnightCount")->trigger();
        Add("overnight_estimator", express.findChild<QWidget*>("OvernightEstimator"));
        Click("EdSkillsCommand");
        Add("ed_skills", express.findChild<QWidget*>("EdSkills"));
        Click("FinDec");
        Add("frame_declaration", app.frame());
    }
    void Add(const QString& name, QWidget* screen) {
        ASSERT_NE(screen, nullptr) << name.toStdString();
        screens.push_back({name, screen});
    }
    void Click(const char* button) { app.express()->findChild<QPushButton*>(button)->click(); }
};

// The program's dialogs with the longest texts they show.
std::vector<std::pair<QString, std::unique_ptr<QWidget>>> Dialogs(EveryScreen& s) {
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> dialogs;
    s.app.express()->menuItem("FedPovGuide")->trigger();
    dialogs.emplace_back(
        "reserve_dialog",
        std::make_unique<InputBox>(
            "Data Entry", QString::fromStdString(s.interaction.messages().back().text), "1519"));
    dialogs.emplace_back(
        "message_box",
        std::make_unique<MessageBox>(
            "Entry Error",
            "3 Child(ren) Reside(s) With The Claimant More Than 50% Of The Time. 1 Child(ren) "
            "Reside(s) With Claimant Exactly 50 Percent Of The Time. In An Exact 50 Percent Split "
            "Of Overnights, The IRS Requires A Parent To Have The Greater Income To Qualify For "
            "The Care Tax Credit For That Child. You Show 5 Child(ren) Eligible For The "
            "Claimant's Day Care Tax Credit, Which Is Inconsistent With The Data Entered. The "
            "Most That Enty Could Be Is 3. Please Check Your Entries.",
            BoxButtons::YesNo));
    dialogs.emplace_back("preparer", std::make_unique<PreparerDialog>(s.preferences));
    dialogs.emplace_back("folder_dialog",
                         std::make_unique<FolderDialog>(
                             "Click On The Folder To Set Or Change As The Default For Your Data "
                             "Saves And Then Click OK\nOr Click CANCEL To Use Your Current "
                             "Default Which Is: /opt/tovaris/Qcf Data",
                             QDir::tempPath()));
    dialogs.emplace_back("credits", std::make_unique<CreditsDialog>(
                                        tax::PartyCreditLines(s.app.record(), IncomeParty::Other)));
    return dialogs;
}

void ExpectFits(QWidget& screen, const QString& name) {
    const QSize designed = screen.size();
    for (QSize desktop : kDesktops) {
        QSize room = desktop - kFrameAndTaskBar;
        QSize least = screen.minimumSizeHint().expandedTo(screen.minimumSize());
        EXPECT_LE(least.width(), room.width()) << name.toStdString();
        EXPECT_LE(least.height(), room.height()) << name.toStdString();
        if (screen.sizePolicy().horizontalPolicy() != QSizePolicy::Fixed) {
            screen.resize(designed.boundedTo(room).expandedTo(least));
        }
        testing::SaveScreenshot(screen, QString("%1_%2").arg(name).arg(desktop.width()));
    }
}

TEST(ScreenSizes, EveryScreenFitsBothDesktops) {
    EveryScreen s;
    for (auto& [name, screen] : s.screens) {
        screen->show();
        ExpectFits(*screen, name);
    }
    for (auto& [name, dialog] : Dialogs(s)) {
        dialog->show();
        ExpectFits(*dialog, name);
    }
}

TEST(ScreenSizes, DesignedSizeIsCappedToTheDesktop) {
    EveryScreen s;
    QRect desktop = QApplication::primaryScreen()->availableGeometry();
    for (auto& [name, screen] : s.screens) {
        EXPECT_LE(screen->width(), desktop.width()) << name.toStdString();
        EXPECT_LE(screen->height(), desktop.height()) << name.toStdString();
    }
}

}  // namespace
}  // namespace tovaris::gui
