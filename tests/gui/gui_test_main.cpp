#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStyleFactory>

namespace {

// The offscreen desktop is a common laptop's 1366 x 768 rather than the plugin's 800 x 600.
// Returns the screen file, read once by the platform plugin.
QString OffscreenLaptop() {
    // One file per process: ctest runs several test processes at once.
    QString config = QDir::temp().filePath(
        QString("tovaris_gui_tests_screen_%1.json").arg(QCoreApplication::applicationPid()));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366,)"
                   R"( "height": 768, "logicalDpi": 96}]})");
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    return config;
}

}  // namespace

// The screens need a QApplication; tests run offscreen and never touch the user's settings.
int main(int argc, char* argv[]) {
    QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    QString screenFile;
    if (platform.isEmpty() || platform == "offscreen") {
        screenFile = OffscreenLaptop();
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    if (!screenFile.isEmpty()) {
        QFile::remove(screenFile);
    }
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
