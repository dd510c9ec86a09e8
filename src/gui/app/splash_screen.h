#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace tovaris::gui {

// The first window: product name and version, a loading notice while the screens are built,
// then the three ways on.
class SplashScreen : public QFrame {
    Q_OBJECT
  public:
    explicit SplashScreen(QWidget* parent = nullptr);

    // Start-up is done: show the buttons, hide the loading notice.
    void ShowChoices();

  signals:
    void enterCaseData();
    void checkForUpdate();
    void exitWithoutLoading();

  private:
    QPushButton* AddChoice(const QString& name, const QString& caption);

    QLabel* loading_;
    QWidget* choices_;
};

}  // namespace tovaris::gui
