#include "case/income_screen_parts.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace tovaris::gui {

namespace {

struct PeriodItem {
    IncomePeriod period;
    const char* name;
    const char* caption;
};

constexpr PeriodItem kPeriodItems[] = {
    {IncomePeriod::Yearly, "Yearly", "Yearly"},
    {IncomePeriod::Monthly, "Monthly", "Monthly"},
    {IncomePeriod::SemiWeekly, "SemiWeekly", "Every Two Weeks"},
    {IncomePeriod::Weekly, "Weekly", "Weekly"},
    {IncomePeriod::Hourly, "Hourly", "Hourly (40-Hour Week)"},
};

// A caption that passes its clicks on to its check box.
class CheckCaption : public QLabel {
  public:
    CheckCaption(const QString& text, QCheckBox& check, QWidget* parent)
        : QLabel(text, parent), check_(check) {
        setWordWrap(true);
        setBuddy(&check);
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        if (check_.isEnabled()) {
            check_.click();
        }
    }

  private:
    QCheckBox& check_;
};

// Room for the text plus the frame and a little air.
int EditWidthFor(const QLineEdit& edit, const QString& sample) {
    return QFontMetrics(edit.font()).horizontalAdvance(sample) + 18;
}

}  // namespace

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QLabel* HeadingLabel(const QString& text, QWidget* parent) {
    QLabel* label = WrappedLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QWidget* WrappedCheckBox(const QString& name, const QString& caption, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* check = new QCheckBox(row);
    check->setObjectName(name);
    check->setAccessibleName(caption);
    layout->addWidget(check, 0, Qt::AlignTop);
    layout->addWidget(new CheckCaption(caption, *check, row), 1);
    return row;
}

QLineEdit* AmountEdit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignRight);
    int width = EditWidthFor(*edit, "$ 999,999,999.00");
    edit->setMinimumWidth(width);
    edit->setMaximumWidth(width * 5 / 4);
    return edit;
}

QLineEdit* CountEdit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(EditWidthFor(*edit, "9999"));
    return edit;
}

QList<QAction*> AddPeriodMenu(QMenuBar& bar, QObject& owner,
                              std::function<void(IncomePeriod)> choose) {
    QMenu* menu = bar.addMenu("Entry &Time Period");
    menu->setObjectName("EntryTimePeriod");
    auto* group = new QActionGroup(&owner);
    QList<QAction*> items;
    for (const PeriodItem& item : kPeriodItems) {
        QAction* action = menu->addAction(item.caption);
        action->setObjectName(item.name);
        action->setCheckable(true);
        group->addAction(action);
        IncomePeriod period = item.period;
        QObject::connect(action, &QAction::triggered, &owner, [choose, period] { choose(period); });
        items << action;
    }
    return items;
}

void TickPeriod(const QList<QAction*>& items, IncomePeriod shown) {
    for (int i = 0; i < items.size(); ++i) {
        items[i]->setChecked(kPeriodItems[i].period == shown);
    }
}

bool TakesEntry(const QWidget& control, const QWidget& area) {
    if (!area.isAncestorOf(&control) || !control.isVisibleTo(&area) || !control.isEnabled() ||
        (control.focusPolicy() & Qt::TabFocus) == 0) {
        return false;
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
        return !edit->isReadOnly();
    }
    return qobject_cast<const QAbstractButton*>(&control) != nullptr;
}

void FocusNextField(QWidget& area, QWidget& from) {
    for (QWidget* next = from.nextInFocusChain(); next != nullptr && next != &from;
         next = next->nextInFocusChain()) {
        if (TakesEntry(*next, area)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void FocusFirstField(QWidget& area) {
    FocusNextField(area, area);  // the area leads its own controls in the focus chain
}

void RevealingInteraction::FocusField(const std::string& field) {
    reveal_(QString::fromStdString(field));
    inner_.FocusField(field);
}

void DisconnectEntries(QWidget& window) {
    for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        edit->disconnect(&window);
    }
}

}  // namespace tovaris::gui
