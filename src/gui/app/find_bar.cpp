#include "app/find_bar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <algorithm>

namespace tovaris::gui {

namespace {

constexpr const char* kNotFound = "Text Not Found";
constexpr const char* kWrapped = "Continued From The Top";

QString TextOf(const QWidget& widget) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        return edit->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->text();
    }
    return {};
}

QScrollArea* ScrollAreaOf(QWidget* screen) {
    if (auto* area = qobject_cast<QScrollArea*>(screen)) {
        return area;
    }
    return screen != nullptr ? screen->findChild<QScrollArea*>() : nullptr;
}

// The screen's fields and labels as the eye reads them: by row, then from the left.
std::vector<QWidget*> InReadingOrder(QWidget& screen) {
    std::vector<QWidget*> widgets;
    for (QWidget* w : screen.findChildren<QWidget*>()) {
        if ((qobject_cast<QLineEdit*>(w) || qobject_cast<QLabel*>(w)) && w->isVisibleTo(&screen)) {
            widgets.push_back(w);
        }
    }
    auto place = [&screen](QWidget* w) {
        QPoint centre = w->mapTo(&screen, w->rect().center());
        return std::pair{centre.y(), centre.x()};
    };
    std::stable_sort(widgets.begin(), widgets.end(),
                     [&](QWidget* a, QWidget* b) { return place(a) < place(b); });
    return widgets;
}

}  // namespace

FindBar::FindBar(QWidget* parent) : QWidget(parent) {
    setObjectName("FindBar");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 2);
    row->addWidget(new QLabel(" Find ", this));
    text_ = new QLineEdit(this);
    text_->setObjectName("FindTextBox");
    row->addWidget(text_, 1);
    auto* next = new QPushButton("Find Next", this);
    next->setObjectName("FindNext");
    next->setAutoDefault(false);
    row->addWidget(next);
    status_ = new QLabel(this);
    status_->setObjectName("FindStatus");
    row->addWidget(status_, 1);
    connect(next, &QPushButton::clicked, this, [this] { FindNext(); });
    connect(text_, &QLineEdit::returnPressed, this, [this] { FindNext(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        ClearLabelHighlight();
        hide();
    });
    hide();
}

void FindBar::SetScreen(QWidget* screen) {
    ClearLabelHighlight();
    screen_ = screen;
    lastWidget_ = nullptr;
    lastAt_ = -1;
    status_->clear();
}

void FindBar::Open() {
    show();
    text_->setFocus();
    text_->selectAll();
}

bool FindBar::FindNext() {
    return FindNext(text_->text());
}

bool FindBar::FindNext(const QString& text) {
    ClearLabelHighlight();
    std::vector<Match> matches = Matches(text);
    if (matches.empty()) {
        status_->setText(kNotFound);
        QApplication::beep();
        return false;
    }
    // The match after the last one found, in reading order; the texts may have changed since.
    auto after = std::find_if(matches.begin(), matches.end(), [this](const Match& m) {
        return m.widget == lastWidget_ && m.at == lastAt_;
    });
    bool wrapped = after != matches.end() && after + 1 == matches.end();
    const Match& next = (after == matches.end() || wrapped) ? matches.front() : *(after + 1);
    status_->setText(wrapped ? kWrapped : "");
    lastWidget_ = next.widget;
    lastAt_ = next.at;
    Highlight(next, int(text.size()));
    return true;
}

std::vector<FindBar::Match> FindBar::Matches(const QString& text) const {
    std::vector<Match> found;
    if (screen_ == nullptr || text.isEmpty()) {
        return found;
    }
    for (QWidget* widget : InReadingOrder(*screen_)) {
        const QString shown = TextOf(*widget);
        for (int at = shown.indexOf(text, 0, Qt::CaseInsensitive); at >= 0;
             at = shown.indexOf(text, at + 1, Qt::CaseInsensitive)) {
            found.push_back({widget, at});
        }
    }
    return found;
}

void FindBar::Highlight(const Match& match, int length) {
    if (QScrollArea* area = ScrollAreaOf(screen_)) {
        area->ensureWidgetVisible(match.widget);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(match.widget)) {
        edit->setSelection(match.at, length);
        return;
    }
    auto* label = qobject_cast<QLabel*>(match.widget);
    highlighted_ = label;
    labelPalette_ = label->palette();
    labelFilled_ = label->autoFillBackground();
    QPalette p = labelPalette_;
    p.setColor(QPalette::Window, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::WindowText, p.color(QPalette::Active, QPalette::HighlightedText));
    label->setPalette(p);
    label->setAutoFillBackground(true);
}

void FindBar::ClearLabelHighlight() {
    if (highlighted_ != nullptr) {
        highlighted_->setPalette(labelPalette_);
        highlighted_->setAutoFillBackground(labelFilled_);
    }
    highlighted_ = nullptr;
}

}  // namespace tovaris::gui
