// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "app/CRaceApp.h"

#include <QApplication>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <variant>

#ifdef KVORAX_TRY_X11_DISPLAY
#include <xcb/xcb.h>
#endif

namespace {

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void Write(std::FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

// The usage or the version on standard output, which may be a file on a full
// disk: text that never arrived is a write that failed, said in one line.
int WriteOutput(const QString& text)
{
    Write(stdout, text);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return static_cast<int>(BatchStatus::Success);
    const QString cause = QString::fromLocal8Bit(std::strerror(errno));
    Write(stderr, QStringLiteral("The standard output could not be written: %1.\n").arg(cause));
    return static_cast<int>(BatchStatus::Failed);
}

// Standard error of a batch run carries the program's messages, one per line,
// for scripts to read; Qt's notes about the session (a missing runtime
// folder, font fallbacks) would mix with them. Only Qt's errors get through.
void KeepQtNotesOffStandardError(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs((text + u'\n').toUtf8().constData(), stderr);
}

// Without a display the toolkit would end the program with an abort and a
// note meant for developers; the organiser gets a sentence and a way on.
// Only an X11 or Wayland session has a display to look for: elsewhere the
// toolkit uses the system's own windows.
std::optional<QString> MissingDisplay()
{
#ifdef KVORAX_NEEDS_DISPLAY_SESSION
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const bool x11 = platform.isEmpty() || platform.startsWith(QLatin1String("xcb"));
    if (!platform.isEmpty() && !x11)
        return std::nullopt;  // a platform of its own choosing, offscreen for one
    if (platform.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return std::nullopt;
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        return QStringLiteral("no display was found (neither DISPLAY nor WAYLAND_DISPLAY is set)");
#ifdef KVORAX_TRY_X11_DISPLAY
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!reached)
        return QStringLiteral("the display \"%1\" that DISPLAY names does not answer").arg(display);
#endif
#endif
    return std::nullopt;
}

int RunWindow(int argc, char** argv, const QString& contestPath)
{
    if (const std::optional<QString> missing = MissingDisplay()) {
        Write(stderr, QStringLiteral("Kvorax cannot open its window: %1. Start it from a desktop session, or run it "
                                     "with batch options (kvorax --help).\n")
                          .arg(*missing));
        return static_cast<int>(BatchStatus::Failed);
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kvorax"));
    QApplication::setApplicationVersion(QStringLiteral(KVORAX_VERSION));
    // Ties the window to its desktop entry and icon, so a Wayland session
    // shows the program's own icon and name in its task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral(KVORAX_APP_ID));
    CRaceApp raceApp(contestPath);
    raceApp.InitInstance();
    return 0;
}

// A batch run needs no display: the window is built but never shown, on the
// offscreen platform whatever the session names, since a script may run where
// no display can be reached. Qt is given only the program's name: every
// argument belongs to the batch run, even a file named like -platform.
int RunBatchFromArguments(int argc, char** argv)
{
    const auto parsed = ParseBatchArguments(ArgumentsOf(argc, argv));
    if (const auto* error = std::get_if<BatchArgumentError>(&parsed)) {
        Write(stderr, MessageLine(error->reason) + u'\n' + (error->showUsage ? BatchUsage() : QString()));
        return static_cast<int>(BatchStatus::BadArguments);
    }
    const BatchOptions& options = std::get<BatchOptions>(parsed);
    if (options.help)
        return WriteOutput(BatchUsage());
    if (options.version)
        return WriteOutput(QStringLiteral("Kvorax v" KVORAX_VERSION "\nLicense: GPL-3.0-or-later\n"));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepQtNotesOffStandardError);
    int programNameOnly = 1;
    QApplication application(programNameOnly, argv);
    QApplication::setApplicationName(QStringLiteral("Kvorax"));
    return RunBatch(options, stderr);
}

}  // namespace

int main(int argc, char** argv)
{
    // A file that reaches the size limit set for the process (ulimit -f)
    // fails its write, which is reported; by default the process would be
    // killed on the spot instead.
    std::signal(SIGXFSZ, SIG_IGN);
    // One argument that is no option is a contest file to open in the window,
    // as the desktop passes it.
    if (argc == 2 && argv[1][0] != '-')
        return RunWindow(1, argv, QString::fromLocal8Bit(argv[1]));
    if (argc > 1)
        return RunBatchFromArguments(argc, argv);
    return RunWindow(argc, argv, QString());
}
