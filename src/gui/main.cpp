#include <QApplication>
#include <QScreen>
#include <QStyleFactory>

#include "app/application.h"
#include "app/gui_interaction.h"
#include "app/qt_preference_store.h"

namespace {

tovaris::DisplayMetrics MetricsOf(const QScreen& screen) {
    QSize size = screen.size();
    return {size.width(), size.height(), 1440.0 / screen.logicalDotsPerInchX(),
            1440.0 / screen.logicalDotsPerInchY()};
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);

    tovaris::gui::QtPreferenceStore preferences;
    tovaris::gui::GuiInteraction interaction;
    tovaris::gui::Application program(preferences, interaction,
                                      QCoreApplication::applicationDirPath());
    QObject::connect(&program, &tovaris::gui::Application::finished, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    if (argc > 1) {
        program.SetFileToOpen(QString::fromLocal8Bit(argv[1]));
    }
    if (!program.Start(MetricsOf(*QApplication::primaryScreen()))) {
        return 0;
    }
    return app.exec();
}
