#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "app/application.h"
#include "case/express_entry_window.h"
#include "common/scripted_interaction.h"
#include "entered_program.h"
#include "forms/declaration_fields.h"
#include "forms/declaration_page.h"
#include "forms/frame_window.h"
#include "gui_test_support.h"

namespace tovaris::gui {
namespace {

// The Custodial example opened and the FinDec button pressed.
struct DeclarationScreen : testing::EnteredProgram {
    FrameWindow* frame = nullptr;
    DeclarationPage* page = nullptr;

    DeclarationScreen() {
        app.express()->OpenCase(QString(TOVARIS_SOURCE_DIR) + "/examples/Custodial.QCF");
        app.express()->findChild<QPushButton*>("FinDec")->click();
        frame = app.frame();
        page = frame->findChild<DeclarationPage*>();
    }
    void Command(const char* name) const {
        frame->findChild<QWidget*>("DeclarationBar")->findChild<QAction*>(name)->trigger();
    }
    QLineEdit* Box(const char* name) const { return page->findChild<QLineEdit*>(name); }
};

TEST(DeclarationWindow, HasAControlForEveryFieldOfTheTable) {
    DeclarationScreen s;
    ASSERT_TRUE(s.frame->isVisible());
    EXPECT_EQ(s.frame->page(), FrameWindow::Page::FinancialDeclaration);
    EXPECT_EQ(s.frame->windowTitle(), "Financial Declaration");
    for (const forms::DeclarationField& field : forms::DeclarationFields()) {
        if (field.kind == forms::DeclarationKind::PrintSize) {
            continue;  // follows the print font size
        }
        QString name = QString::fromUtf8(field.stem.data(), qsizetype(field.stem.size()));
        EXPECT_NE(s.page->findChild<QWidget*>(name), nullptr) << field.stem;
        if (field.kind == forms::DeclarationKind::Text) {
            EXPECT_EQ(s.page->findChild<QLineEdit*>(name)->maxLength(), field.maxLength);
        }
    }
    EXPECT_TRUE(s.page->findChild<QRadioButton*>("FDMother")->isChecked());
    EXPECT_TRUE(s.page->findChild<QRadioButton*>("FDPetit")->isChecked());
}

TEST(DeclarationWindow, PractitionerFillsEstimatesAndCalculates) {
    DeclarationScreen s;
    s.page->findChild<QRadioButton*>("FDFather")->click();
    EXPECT_FALSE(forms::DeclarantIsClaimant(s.app.record().fields));
    s.Command("GetExpressData");
    EXPECT_EQ(s.Box("a31p")->text(), "$ 8,500");  // the Other Party declares
    EXPECT_EQ(s.Box("a31r")->text(), "$ 4,333");
    s.Command("EstimateTaxes");
    EXPECT_EQ(s.interaction.messages().back().title, "Tax Estimate");
    EXPECT_EQ(s.Box("b32p")->text(), "$ 650");

    QLineEdit* rent = s.Box("a51");
    rent->setFocus();
    QTest::keyClicks(rent, "1500.5x");  // the letter is refused
    QTest::keyClick(rent, Qt::Key_Return);
    EXPECT_EQ(rent->text(), "$ 1,501");
    EXPECT_EQ(s.app.record().fields.Text("a51"), "$ 1,501");
    s.Command("CalculateDeclaration");
    EXPECT_EQ(s.Box("a59")->text(), "$ 1,501");
    EXPECT_EQ(s.Box("a22")->text(), "$ 1,501");
    EXPECT_EQ(s.Box("a33p")->text(), s.Box("a21")->text());
    testing::SaveScreenshot(*s.frame, "declaration_top");

    s.page->ShowSection(forms::DeclarationSection::Expenses);
    EXPECT_EQ(s.page->SectionInView(), forms::DeclarationSection::Expenses);
    EXPECT_EQ(s.page->findChild<QComboBox*>("GoToSection")->currentText(),
              "7. Monthly Expenses After Separation");
    testing::SaveScreenshot(*s.frame, "declaration_expenses");
    s.page->ShowSection(forms::DeclarationSection::Income);
    testing::SaveScreenshot(*s.frame, "declaration_income");
    s.page->ShowSection(forms::DeclarationSection::OtherDebts);
    testing::SaveScreenshot(*s.frame, "declaration_debts");

    s.interaction.QueueAnswer(kAnswerYes);
    s.Command("ClearForm");
    EXPECT_EQ(s.Box("a51")->text(), "");
    EXPECT_TRUE(s.page->findChild<QRadioButton*>("FDFather")->isChecked());
}

// The declaration's File menu (open, save, print) stands only over the declaration.
TEST(DeclarationWindow, FileMenuOnlyOnTheDeclaration) {
    DeclarationScreen s;
    QAction* print = s.frame->findChild<QAction*>("PrintDeclaration");
    ASSERT_NE(print, nullptr);
    QMenu* file = qobject_cast<QMenu*>(print->parent());
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->menuAction()->isVisible());
    s.frame->ShowPage(FrameWindow::Page::Worksheet);
    EXPECT_FALSE(file->menuAction()->isVisible());
    EXPECT_EQ(s.frame->windowTitle(), "Washington State Child Support Schedule Worksheets");
}

TEST(DeclarationWindow, ExchangesWithTheWorksheet) {
    DeclarationScreen s;
    s.app.record().fields.SetText("a1f(0)", "$ 1,000.40");
    s.app.record().fields.SetText("a1f(1)", "$ 200");
    s.Command("GetWorksheetData");
    int claimant = s.app.record().options.claimantColumn == ClaimantColumn::Column1 ? 0 : 1;
    EXPECT_EQ(s.Box(claimant == 0 ? "a31p" : "a31r")->text(), "$ 1,200");
    s.Box("b31p")->setText("$ 77");
    s.app.record().fields.SetText("b31p", "$ 77");
    s.Command("TransferToWorksheet");
    EXPECT_EQ(s.app.record().fields.Text(claimant == 1 ? "b1m" : "b1f"), "$ 77");
    s.Command("ReturnToWorksheet");
    EXPECT_EQ(s.frame->page(), FrameWindow::Page::Worksheet);
}

}  // namespace
}  // namespace tovaris::gui
