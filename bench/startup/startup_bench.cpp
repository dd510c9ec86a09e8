// Start-up time and memory of the desktop program, measured once per run (a cold start cannot be
// repeated inside one process): from the process start to the Express Entry screen on the desktop,
// the half-second splash included, then the resident memory with the worksheet open beside it.
// Run it on a display (or `xvfb-run`); without one it uses the offscreen platform.
#include <unistd.h>
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QStyleFactory>
#include <cstdio>

#include "app/application.h"
#include "case/express_entry_window.h"
#include "common/scripted_interaction.h"

namespace {

// Seconds since boot at which this process started, and now, from /proc.
double ProcessStartSeconds() {
    QFile stat("/proc/self/stat");
    stat.open(QIODevice::ReadOnly);
    const QByteArray fields = stat.readAll();
    // Field 22 (starttime, in clock ticks) counts from the field after the command's ")".
    const QList<QByteArray> after = fields.mid(fields.lastIndexOf(')') + 2).split(' ');
    return after.value(19).toDouble() / double(sysconf(_SC_CLK_TCK));
}

// Processor time this process has used so far (user and system), from /proc.
double ProcessorSeconds() {
    QFile stat("/proc/self/stat");
    stat.open(QIODevice::ReadOnly);
    const QByteArray fields = stat.readAll();
    const QList<QByteArray> after = fields.mid(fields.lastIndexOf(')') + 2).split(' ');
    return (after.value(11).toDouble() + after.value(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

double UptimeSeconds() {
    QFile uptime("/proc/uptime");
    uptime.open(QIODevice::ReadOnly);
    return uptime.readAll().split(' ').value(0).toDouble();
}

QByteArray ResidentMemory() {
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed();
        }
    }
    return "?";
}

void LetTheScreensDraw() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qgetenv("DISPLAY").isEmpty() && qgetenv("WAYLAND_DISPLAY").isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const double atMain = UptimeSeconds() - ProcessStartSeconds();
    QApplication app(argc, argv);
    const double atApplication = UptimeSeconds() - ProcessStartSeconds();
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);

    tovaris::MemoryPreferenceStore preferences;  // the user's own settings stay untouched
    tovaris::ScriptedInteraction interaction;
    tovaris::gui::Application program(preferences, interaction,
                                      QCoreApplication::applicationDirPath());
    if (!program.Start({1366, 768, 15, 15})) {
        return 1;
    }
    const double atSplashChoices = UptimeSeconds() - ProcessStartSeconds();
    program.EnterCaseData();
    LetTheScreensDraw();
    const double started = UptimeSeconds() - ProcessStartSeconds();
    const double working = ProcessorSeconds();
    program.express()->findChild<QAbstractButton*>("RunWaWs")->click();
    LetTheScreensDraw();
    std::printf("platform: %s\n", qPrintable(QApplication::platformName()));
    std::printf("start to Express Entry screen: %.2f s (splash 0.50 s included)\n", started);
    std::printf(
        "  processor time used by then: %.2f s (on a machine to itself: about that plus "
        "the splash's 0.50 s)\n",
        working);
    std::printf(
        "  of which: to main %.2f s, QApplication %.2f s, screens and splash %.2f s, "
        "Enter Case Data %.2f s\n",
        atMain, atApplication - atMain, atSplashChoices - atApplication, started - atSplashChoices);
    std::printf("resident memory, Express Entry and worksheet open: %s\n",
                ResidentMemory().constData());
    return 0;
}
