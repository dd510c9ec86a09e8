#include "calculators/calculator_windows.h"

#include <QAction>
#include <QMenuBar>
#include <functional>

#include "app/app_context.h"
#include "app/menu_items.h"
#include "app/screen_setup.h"
#include "calculators/business_valuation_window.h"
#include "calculators/financial_window.h"
#include "calculators/ira_window.h"
#include "calculators/pension_window.h"

namespace tovaris::gui {

CalculatorWindows::CalculatorWindows(AppContext& context, QWidget* owner)
    : QObject(owner), context_(context), owner_(owner) {}

template <typename Window>
void CalculatorWindows::Show(Window*& window) {
    if (window == nullptr) {
        window = new Window(context_, owner_);
        SetUpScreen(*window, context_.preferences, context_.scale.monAdj);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

// The Tools menus name the same calculators differently.
void CalculatorWindows::Wire(QMenuBar& bar) {
    const std::pair<const char*, std::function<void()>> items[] = {
        {"FinCalc", [this] { Show(financial_); }},
        {"BVCalc", [this] { Show(business_); }},
        {"DB", [this] { Show(pension_); }},
        {"DefinedBenefitCalculator", [this] { Show(pension_); }},
        {"IRA", [this] { Show(ira_); }},
        {"t72", [this] { Show(ira_); }},
    };
    for (const auto& [name, open] : items) {
        if (QAction* item = FindMenuItem(bar, name)) {
            item->setEnabled(true);
            connect(item, &QAction::triggered, this, open);
        }
    }
}

}  // namespace tovaris::gui
