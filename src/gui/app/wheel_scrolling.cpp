#include "app/wheel_scrolling.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

namespace tovaris::gui {

namespace {

QAbstractScrollArea* EnclosingScrollArea(QWidget* widget) {
    for (QWidget* w = widget->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
            return area;
        }
        if (w->isWindow()) {
            break;
        }
    }
    return nullptr;
}

// The window's scrolling part that can move: the largest shown one.
QScrollArea* ScrollingPartOf(QWidget& window) {
    QScrollArea* largest = nullptr;
    for (QScrollArea* area : window.findChildren<QScrollArea*>()) {
        const bool canScroll = area->verticalScrollBar()->maximum() > 0;
        if (area->isVisible() && canScroll &&
            (largest == nullptr || area->height() > largest->height())) {
            largest = area;
        }
    }
    return largest;
}

bool ChangesValueOnWheel(QWidget& widget) {
    return qobject_cast<QComboBox*>(&widget) != nullptr ||
           qobject_cast<QAbstractSpinBox*>(&widget) != nullptr;
}

}  // namespace

WheelScrolling::WheelScrolling(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

bool WheelScrolling::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::Wheel || widget == nullptr || widget->isWindow()) {
        return false;
    }
    const bool passingOver = ChangesValueOnWheel(*widget) && !widget->hasFocus();
    QAbstractScrollArea* area = EnclosingScrollArea(widget);
    if (area != nullptr && !passingOver) {
        return false;  // the scrolling part takes it on its way up
    }
    if (area == nullptr && !passingOver && qobject_cast<QAbstractScrollArea*>(widget) == nullptr &&
        qobject_cast<QScrollBar*>(widget) == nullptr) {
        area = ScrollingPartOf(*widget->window());
    }
    if (area == nullptr) {
        return passingOver;  // nothing to scroll; a passing wheel changes no choice either
    }
    auto* wheel = static_cast<QWheelEvent*>(event);
    QScrollBar* bar =
        wheel->angleDelta().y() != 0 ? area->verticalScrollBar() : area->horizontalScrollBar();
    QApplication::sendEvent(bar, wheel);
    return true;
}

}  // namespace tovaris::gui
