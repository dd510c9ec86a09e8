#include "calculators/screen_summary.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>

namespace tovaris::gui {
namespace {

// The lists (a year-by-year projection) run down three columns to keep the page to one.
constexpr int kListColumns = 3;

// The texts of one screen row, left to right.
struct RowPieces {
    QStringList texts;
    bool unchosen = false;  // the row belongs to an option button that is not chosen
};

class RowCollector {
  public:
    explicit RowCollector(const QWidget& window) : window_(window) {}

    DisplayRows Rows(const QLayout& layout) {
        DisplayRows rows;
        AddLayoutRows(layout, rows);
        return rows;
    }

  private:
    void AddLayoutRows(const QLayout& layout, DisplayRows& rows) {
        if (const auto* grid = qobject_cast<const QGridLayout*>(&layout)) {
            AddGridRows(*grid, rows);
            return;
        }
        const auto* box = qobject_cast<const QBoxLayout*>(&layout);
        if (box != nullptr && box->direction() == QBoxLayout::LeftToRight) {
            RowPieces pieces;
            Collect(layout, pieces);
            AddRow(pieces, rows);
            return;
        }
        for (int i = 0; i < layout.count(); ++i) {
            QLayoutItem* item = layout.itemAt(i);
            if (item->layout() != nullptr) {
                AddLayoutRows(*item->layout(), rows);
            } else if (const QGridLayout* block = RowsBlock(item->widget())) {
                AddGridRows(*block, rows);
            } else if (item->widget() != nullptr) {
                RowPieces pieces;
                Collect(*item->widget(), pieces);
                AddRow(pieces, rows);
            }
        }
    }

    // A block of rows of its own (a results view) prints row by row, not as one line.
    const QGridLayout* RowsBlock(const QWidget* widget) const {
        if (widget == nullptr || !widget->isVisibleTo(&window_) ||
            qobject_cast<const QGroupBox*>(widget)) {
            return nullptr;
        }
        return qobject_cast<const QGridLayout*>(widget->layout());
    }

    // A control spanning several cells counts once, in its first cell.
    void AddGridRows(const QGridLayout& grid, DisplayRows& rows) {
        QSet<const QLayoutItem*> seen;
        for (int r = 0; r < grid.rowCount(); ++r) {
            RowPieces pieces;
            for (int c = 0; c < grid.columnCount(); ++c) {
                QLayoutItem* item = grid.itemAtPosition(r, c);
                if (item == nullptr || seen.contains(item)) {
                    continue;
                }
                seen.insert(item);
                if (item->layout() != nullptr) {
                    Collect(*item->layout(), pieces);
                } else if (item->widget() != nullptr) {
                    Collect(*item->widget(), pieces);
                }
            }
            AddRow(pieces, rows);
        }
    }

    static void AddRow(const RowPieces& pieces, DisplayRows& rows) {
        if (pieces.unchosen || pieces.texts.isEmpty()) {
            return;
        }
        const QStringList values = pieces.texts.mid(1);
        rows.push_back({pieces.texts.first().toStdString(), values.join("  ").toStdString()});
    }

    void Collect(const QLayout& layout, RowPieces& pieces) {
        for (int i = 0; i < layout.count(); ++i) {
            QLayoutItem* item = layout.itemAt(i);
            if (item->layout() != nullptr) {
                Collect(*item->layout(), pieces);
            } else if (item->widget() != nullptr) {
                Collect(*item->widget(), pieces);
            }
        }
    }

    // Frames and lists print as sections of their own; buttons are commands, not content.
    void Collect(const QWidget& widget, RowPieces& pieces) {
        if (!widget.isVisibleTo(&window_) || qobject_cast<const QGroupBox*>(&widget) ||
            qobject_cast<const QPushButton*>(&widget) ||
            qobject_cast<const QListWidget*>(&widget)) {
            return;
        }
        if (const auto* option = qobject_cast<const QRadioButton*>(&widget)) {
            CollectOption(*option, pieces);
        } else if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
            AddText(label->text(), pieces);
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
            AddText(edit->text(), pieces);
        } else if (const auto* slider = qobject_cast<const QScrollBar*>(&widget)) {
            pieces.texts.push_back(SliderText(*slider));
        } else if (widget.layout() != nullptr) {
            Collect(*widget.layout(), pieces);
        }
    }

    // An option button prints its caption when chosen; a captionless one stands for its row.
    static void CollectOption(const QRadioButton& option, RowPieces& pieces) {
        if (option.isChecked()) {
            AddText(option.text(), pieces);
        } else if (option.text().isEmpty()) {
            pieces.unchosen = true;
        }
    }

    static void AddText(const QString& text, RowPieces& pieces) {
        const QString line = text.simplified();
        if (!line.isEmpty()) {
            pieces.texts.push_back(line);
        }
    }

    // The slider's track with its position marked: "[--X-----]".
    static QString SliderText(const QScrollBar& slider) {
        QString track(slider.maximum() - slider.minimum() + 1, '-');
        track[slider.value() - slider.minimum()] = 'X';
        return "[" + track + "]";
    }

    const QWidget& window_;
};

QString SummaryTitle(const QWidget& window) {
    const auto* title = window.findChild<QLabel*>("TitleLine");
    return title != nullptr ? title->text() : window.windowTitle();
}

reports::SummarySection ListSection(const QListWidget& list) {
    reports::SummarySection section{list.accessibleName().toStdString(), {}, kListColumns};
    for (int i = 0; i < list.count(); ++i) {
        section.rows.push_back({list.item(i)->text().toStdString(), ""});
    }
    return section;
}

}  // namespace

reports::CalculatorSummary SummaryOfScreen(const QWidget& window) {
    reports::CalculatorSummary summary{
        window.objectName().toStdString(), SummaryTitle(window).toStdString(), {}};
    RowCollector collector(window);
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        if (frame->isVisibleTo(&window) && frame->layout() != nullptr) {
            DisplayRows rows = collector.Rows(*frame->layout());
            if (!rows.empty()) {
                summary.sections.push_back({frame->title().toStdString(), std::move(rows)});
            }
        }
    }
    for (const QListWidget* list : window.findChildren<QListWidget*>()) {
        if (list->isVisibleTo(&window) && list->count() > 0) {
            summary.sections.push_back(ListSection(*list));
        }
    }
    return summary;
}

}  // namespace tovaris::gui
