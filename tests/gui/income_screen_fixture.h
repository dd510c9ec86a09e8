#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "app/application.h"
#include "case/express_entry_window.h"
#include "case/income_window.h"
#include "common/scripted_interaction.h"
#include "tax/business_window.h"

namespace tovaris::gui::testing {

// Makes the window the active one, as a click on it would, and lets the application know.
inline bool Activate(QWidget& window) {
    window.activateWindow();
    for (int wait = 0; wait < 100 && QApplication::activeWindow() != &window; ++wait) {
        QTest::qWait(10);
    }
    return QApplication::activeWindow() == &window;
}

// The program started and entered, one party's filing status chosen on the Express Entry
// screen and that party's income screen opened with its button.
struct IncomeScreen {
    MemoryPreferenceStore preferences;
    ScriptedInteraction interaction;
    Application app{preferences, interaction, "/opt/tovaris"};
    IncomeWindow* window = nullptr;

    explicit IncomeScreen(const char* filingStatus = "ClaimSingle", const char* monAdj = nullptr) {
        if (monAdj != nullptr) {
            preferences.Write(kBehaviourApp, "MonAdj", monAdj);
        }
        app.Start({800, 600, 15, 15});
        app.EnterCaseData();
        app.record().fields.Select(filingStatus);
        bool claimant = QString(filingStatus).startsWith("Claim");
        app.express()
            ->findChild<QAbstractButton*>(claimant ? "EnterClaimIncome" : "EnterPayerIncome")
            ->click();
        window = app.express()->findChild<IncomeWindow*>(claimant ? "ClaimIncome" : "PayerIncome");
        if (window->isVisible()) {
            Activate(*window);  // leaving a field then moves the focus as for the user
        }
    }

    CaseRecord& record() { return app.record(); }
    QLineEdit* Edit(const char* name) const { return window->findChild<QLineEdit*>(name); }
    QTabWidget* Pages() const { return window->findChild<QTabWidget*>("IncomePages"); }

    // Brings the page holding the field to the front and types into it as the user would.
    void Type(const char* name, const QString& text) const {
        QLineEdit* edit = Edit(name);
        for (int page = 0; page < Pages()->count(); ++page) {
            if (Pages()->widget(page)->isAncestorOf(edit)) {
                Pages()->setCurrentIndex(page);
            }
        }
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void Enter(const char* name) const { QTest::keyClick(Edit(name), Qt::Key_Return); }
    void Period(const char* name) const { window->findChild<QAction*>(name)->trigger(); }
    // Shown when its page is in front (pages behind count as shown).
    bool Shown(const char* name) const { return !window->findChild<QWidget*>(name)->isHidden(); }
    bool Shows(const char* name) const {
        return window->findChild<QWidget*>(name)->isVisibleTo(window);
    }
    BusinessWindow* OpenBusiness() const {
        window->findChild<QAbstractButton*>("Business")->click();
        return window->business();
    }
};

// Keeps the application font as it was: starting at a "MonAdj" below 1 shrinks it.
struct KeepApplicationFont {
    QFont font = QApplication::font();
    ~KeepApplicationFont() { QApplication::setFont(font); }
};

}  // namespace tovaris::gui::testing
