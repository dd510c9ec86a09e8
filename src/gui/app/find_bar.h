#pragma once

#include <QPalette>
#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;

namespace tovaris::gui {

// The find-text box of a form screen. It searches the texts of the fields and labels of one
// screen (`SetScreen`) in the order they are shown, top to bottom and left to right, without
// regard to case. "Find Next" goes to the match after the last one found, scrolling it into
// view (a field's text is selected, a label is highlighted), and starts again at the top after
// the last; a text found nowhere beeps and says so. Escape closes the box.
class FindBar : public QWidget {
    Q_OBJECT
  public:
    explicit FindBar(QWidget* parent = nullptr);

    // The screen searched from now on; a scrolling screen scrolls to each match.
    void SetScreen(QWidget* screen);

    // Shows the box with the focus in its text.
    void Open();

    // Searches for `text` (the box's text unless given); false when nothing matches.
    bool FindNext();
    bool FindNext(const QString& text);

    // The field or label of the last match, if any.
    QWidget* current() const { return lastWidget_; }

  private:
    struct Match {
        QWidget* widget;
        int at;
    };
    std::vector<Match> Matches(const QString& text) const;
    void Highlight(const Match& match, int length);
    void ClearLabelHighlight();

    QPointer<QWidget> screen_;
    QLineEdit* text_;
    QLabel* status_;
    QPointer<QWidget> lastWidget_;
    int lastAt_ = -1;
    QPointer<QLabel> highlighted_;
    QPalette labelPalette_;
    bool labelFilled_ = false;
};

}  // namespace tovaris::gui
