#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <string_view>

#include "case/income_period.h"
#include "common/interaction.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenuBar;
class QObject;
class QWidget;

namespace tovaris::gui {

// Pieces the income detail screens and the business income screens share.

QString ToQString(std::string_view text);

// A label that wraps onto further lines rather than widening the screen.
QLabel* WrappedLabel(const QString& text, QWidget* parent);

// A bold heading line.
QLabel* HeadingLabel(const QString& text, QWidget* parent);

// A check box whose long caption wraps like a label (a check box's own text never wraps) and,
// like its own text, ticks it when clicked. Returns the row; the check box is named `name`.
QWidget* WrappedCheckBox(const QString& name, const QString& caption, QWidget* parent);

// A money entry named after its case field, wide enough for "$ 999,999,999.00" in its font.
QLineEdit* AmountEdit(const QString& name, QWidget* parent);

// A short entry for a count or an age.
QLineEdit* CountEdit(const QString& name, QWidget* parent);

// The "Entry Time Period" menu: Yearly, Monthly, SemiWeekly (every two weeks), Weekly, Hourly,
// each checkable and named after its command. Returns the five items in that order.
QList<QAction*> AddPeriodMenu(QMenuBar& bar, QObject& owner,
                              std::function<void(IncomePeriod)> choose);

// Ticks the period shown and unticks the others.
void TickPeriod(const QList<QAction*>& items, IncomePeriod shown);

// True for a control the user can type into or tick at the moment: shown within `area`,
// enabled, reachable with the Tab key and not read-only.
bool TakesEntry(const QWidget& control, const QWidget& area);

// The Enter key: the next control of `area` that takes an entry, after `from`, starting over
// at the top of the area after its last one.
void FocusNextField(QWidget& area, QWidget& from);

// A window's entries still finish editing while the window is being torn down; their signals
// must not reach the half-destroyed window.
void DisconnectEntries(QWidget& window);

// The first control of `area` that takes an entry (a page just brought to the front).
void FocusFirstField(QWidget& area);

// Passes everything on to the program's interaction, and before the focus goes to a field lets
// the screen bring the page that holds it to the front.
class RevealingInteraction : public Interaction {
  public:
    RevealingInteraction(Interaction& inner, std::function<void(const QString&)> reveal)
        : inner_(inner), reveal_(std::move(reveal)) {}

    int Box(const std::string& title, const std::string& message, BoxButtons buttons) override {
        return inner_.Box(title, message, buttons);
    }
    void Notice(const std::string& title, const std::string& message) override {
        inner_.Notice(title, message);
    }
    std::optional<std::string> Ask(const std::string& title, const std::string& prompt,
                                   const std::string& proposed) override {
        return inner_.Ask(title, prompt, proposed);
    }
    void FocusField(const std::string& field) override;
    void Beep() override { inner_.Beep(); }

  private:
    Interaction& inner_;
    std::function<void(const QString&)> reveal_;
};

}  // namespace tovaris::gui
