#pragma once

#include <QMainWindow>

class QTextBrowser;
class QTreeWidget;
class QUrl;

namespace tovaris::gui {

struct AppContext;

// The program's help: the user guide, built into the program, with its contents beside it.
// One window for the whole run; the Help menu and the help buttons bring it up at a topic.
class HelpWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Scrolls to the heading of that title (without regard to case); false when there is none.
    bool ShowTopic(const QString& title);

    // "User Manual": the start of the guide, to read on.
    void ShowStart();

    // "Interactive Help": the start of the guide with the focus in its contents, to choose a
    // topic.
    void ShowContents();

    // The headings of the guide, in order.
    QStringList topics() const;

  private:
    void FitPictures();
    void FillContents();
    void FollowLink(const QUrl& link);

    QTreeWidget* contents_;
    QTextBrowser* text_;
};

// Shows the help window (made on first use) at a topic, or at the start with no topic.
HelpWindow& ShowHelp(AppContext& context, const QString& topic = {});

// The topic of the user guide that the missing-font notice's Help opens.
inline constexpr const char* kFontHelpTopic = "The Tahoma font";

}  // namespace tovaris::gui
