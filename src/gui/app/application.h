#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "app/app_context.h"

class QUrl;

namespace tovaris::gui {

class CaseOptionActions;
class ExpressEntryWindow;
class FrameWindow;
class PrintService;
class SplashScreen;

// Owns the open case and the screens, runs the start-up sequence and the quit command.
class Application : public QObject {
    Q_OBJECT
  public:
    Application(PreferenceStore& preferences, Interaction& interaction, QString programFolder);
    ~Application() override;

    // Start-up up to the splash screen's choices. False when the display cannot run the program.
    bool Start(const DisplayMetrics& metrics);

    // A file given on the command line opens when the user enters the program: a financial
    // declaration (".FIN") on its page, anything else as a case file.
    void SetFileToOpen(const QString& path);
    const QString& declarationToOpen() const { return declarationToOpen_; }

    // Opens a web page in the system's browser (the tests look instead).
    std::function<void(const QUrl&)> openWebPage;

    void EnterCaseData();
    void CheckForUpdate();
    void ExitWithoutLoading();

    // The quit question; on "Yes" every screen closes and the program ends.
    void RequestQuit();
    bool quitting() const { return quitting_; }

    CaseRecord& record() { return record_; }
    SplashScreen* splash() const { return splash_.get(); }
    ExpressEntryWindow* express() const { return express_.get(); }
    FrameWindow* frame() const { return frame_.get(); }

  signals:
    void finished();

  private:
    void ShowSplashForHalfASecond();
    void CreateScreens();
    void CheckFont();
    void End();

    CaseRecord record_;
    AppContext context_;
    std::unique_ptr<PrintService> printing_;
    std::unique_ptr<CaseOptionActions> options_;
    std::unique_ptr<SplashScreen> splash_;
    std::unique_ptr<ExpressEntryWindow> express_;
    std::unique_ptr<FrameWindow> frame_;
    bool quitting_ = false;
    QString caseToOpen_;
    QString declarationToOpen_;
};

}  // namespace tovaris::gui
