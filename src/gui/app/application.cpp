#include "app/application.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QUrl>

#include "app/case_option_actions.h"
#include "app/help_window.h"
#include "app/screen_setup.h"
#include "app/splash_screen.h"
#include "app/version.h"
#include "app/wheel_scrolling.h"
#include "case/express_entry_window.h"
#include "case/preferences.h"
#include "forms/frame_window.h"
#include "printing/print_service.h"

namespace tovaris::gui {

namespace {

constexpr const char* kQuitQuestion =
    "Have You Saved Your Case Data? -  Do You Want To Quit Program?";
constexpr const char* kMissingFontTitle = "Your Tahoma Font Is Missing";
constexpr const char* kMissingFontMessage =
    "The Tahoma font is not installed on this computer. Without this font, this program may not "
    "display correctly. The Tahoma font is licensed by Microsoft and should have been included "
    "with your installation of Windows 98/2000/XP and with many other Microsoft applications. "
    "Please click Help for information on on how to obtain or re-install this font on your "
    "computer.";
// Debian's wine fonts carry a Tahoma-compatible face that fontconfig does not list.
constexpr const char* kTahomaFaces[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                        "/usr/share/wine/fonts/tahomabd.ttf"};

bool HasTahoma() {
    return QFontDatabase::families().contains("Tahoma", Qt::CaseInsensitive);
}

}  // namespace

Application::Application(PreferenceStore& preferences, Interaction& interaction,
                         QString programFolder)
    : context_{record_,
               preferences,
               interaction,
               {},
               std::move(programFolder),
               [this] { RequestQuit(); }} {
    openWebPage = [](const QUrl& page) { QDesktopServices::openUrl(page); };
    new WheelScrolling(this);
}

Application::~Application() = default;

bool Application::Start(const DisplayMetrics& metrics) {
    PreferenceStore& prefs = context_.preferences;
    WriteStartupDefaults(prefs);
    context_.scale = ComputeDisplayScale(metrics, prefs.Read(kBehaviourApp, "MonAdj"));
    if (context_.scale.monAdj != 1) {
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * context_.scale.monAdj);
        QApplication::setFont(font);
    }
    ShowSplashForHalfASecond();

    CreateScreens();
    if (IsUnsupportedDisplay(context_.scale)) {
        context_.interaction.Box(kUnsupportedDisplayTitle, kUnsupportedDisplayMessage,
                                 BoxButtons::Ok);
        End();
        return false;
    }
    record_.globals.ClaimImputeStatus = "Not Imputed";
    record_.globals.PayerImputeStatus = "Not Imputed";
    record_.options.applyMaintToCSSwitches = {1, 1};
    record_.options.incomePeriodFactor = 1.0;
    WriteDataDefaults(prefs, context_.programFolder.toStdString());
    CheckFont();
    splash_->ShowChoices();
    return true;
}

void Application::ShowSplashForHalfASecond() {
    splash_ = std::make_unique<SplashScreen>();
    SetUpScreen(*splash_, context_.preferences, context_.scale.monAdj);
    connect(splash_.get(), &SplashScreen::enterCaseData, this, &Application::EnterCaseData);
    connect(splash_.get(), &SplashScreen::checkForUpdate, this, &Application::CheckForUpdate);
    connect(splash_.get(), &SplashScreen::exitWithoutLoading, this,
            &Application::ExitWithoutLoading);
    CenterOnScreen(*splash_);
    splash_->show();
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 500) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}

void Application::CreateScreens() {
    printing_ = std::make_unique<PrintService>(context_);
    context_.printing = printing_.get();
    options_ = std::make_unique<CaseOptionActions>(record_);
    express_ = std::make_unique<ExpressEntryWindow>(context_, *options_);
    SetUpScreen(*express_, context_.preferences, context_.scale.monAdj);
    record_.globals.WorksheetFontName = "Tahoma";
    record_.globals.WorksheetFontSize = 10;
    frame_ = std::make_unique<FrameWindow>(context_, *options_);
    SetUpScreen(*frame_, context_.preferences, context_.scale.monAdj);

    auto showFrame = [this](FrameWindow::Page page) {
        frame_->ShowPage(page);
        frame_->show();
        frame_->raise();
    };
    connect(express_.get(), &ExpressEntryWindow::openWorksheet, this,
            [showFrame] { showFrame(FrameWindow::Page::Worksheet); });
    connect(express_.get(), &ExpressEntryWindow::openFinancialDeclaration, this,
            [showFrame] { showFrame(FrameWindow::Page::FinancialDeclaration); });
    connect(frame_.get(), &FrameWindow::returnToExpressForm, this, [this] {
        express_->show();
        express_->raise();
    });
    connect(frame_.get(), &FrameWindow::expressDataChanged, this, [this] {
        express_->RefreshForm();
        emit express_->caseChanged();
    });
    connect(express_.get(), &ExpressEntryWindow::caseOpened, frame_.get(),
            &FrameWindow::CaseOpened);
    ApplySelfSupportDefault(context_.preferences, record_);
    express_->SyncMenus();
}

void Application::CheckFont() {
    if (!HasTahoma()) {
        for (const char* face : kTahomaFaces) {
            QFontDatabase::addApplicationFont(face);
        }
    }
    if (HasTahoma()) {
        return;
    }
    QMessageBox notice(QMessageBox::Information, kMissingFontTitle, kMissingFontMessage,
                       QMessageBox::Ok | QMessageBox::Help, splash_.get());
    if (notice.exec() == QMessageBox::Help) {
        ShowHelp(context_, kFontHelpTopic);
    }
}

void Application::SetFileToOpen(const QString& path) {
    if (path.endsWith(".FIN", Qt::CaseInsensitive)) {
        declarationToOpen_ = path;
    } else {
        caseToOpen_ = path;
    }
}

void Application::EnterCaseData() {
    express_->show();
    splash_->close();
    if (StoredCalculationOrder(context_.preferences) == CalculationOrder::MaintFirst) {
        SetMaintFirst(record_);
    } else {
        SetCSFirst(record_);
    }
    record_.options.federalTaxRules = StoredFederalTaxRules(context_.preferences);
    express_->SyncMenus();
    express_->RefreshForm();
    express_->StartNewCase();
    if (!caseToOpen_.isEmpty()) {
        express_->OpenCase(caseToOpen_);
    }
    if (!declarationToOpen_.isEmpty()) {
        emit express_->openFinancialDeclaration();
        frame_->OpenDeclarationFile(declarationToOpen_);
    }
}

void Application::CheckForUpdate() {
    openWebPage(QUrl(kVersionCheckUrl));
    End();
}

void Application::ExitWithoutLoading() {
    splash_->close();
    End();
}

void Application::RequestQuit() {
    if (context_.interaction.Box("Exit", kQuitQuestion, BoxButtons::YesNo) != kAnswerYes) {
        return;
    }
    End();
}

void Application::End() {
    quitting_ = true;
    context_.quitting = true;
    if (express_) {
        express_->setQuitting(true);
    }
    for (QWidget* screen : QApplication::topLevelWidgets()) {
        screen->close();
    }
    emit finished();
}

}  // namespace tovaris::gui
