// ovhost: the desktop host of OvCoordSystem. Without arguments it opens the window; with
// --screenshot DIR it walks through the window offscreen, writes one PNG per step and exits.
#include "HostWindow.h"
#include "ScreenshotWalk.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTextStream>

#include <cstring>

namespace {

bool hasArgument(int argc, char** argv, const char* name)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return true;
    return false;
}

// The walk and the help need no display: choose the offscreen platform before Qt starts, unless
// the caller chose one.
void preferOffscreen(int argc, char** argv)
{
    const bool noWindow = hasArgument(argc, argv, "--screenshot")
        || hasArgument(argc, argv, "--help") || hasArgument(argc, argv, "-h");
    if (noWindow && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int walk(const QString& directory, const QString& stepFile)
{
    QTextStream err(stderr);
    QTextStream out(stdout);
    QString text = CScreenshotWalk::DefaultSteps();
    if (!stepFile.isEmpty()) {
        QFile file(stepFile);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            err << "ovhost: cannot read " << stepFile << "\n";
            return 2;
        }
        text = QString::fromUtf8(file.readAll());
    }
    QList<CScreenshotWalk::Step> steps;
    QString error;
    if (!CScreenshotWalk::Parse(text, steps, error)) {
        err << "ovhost: " << (stepFile.isEmpty() ? QStringLiteral("steps") : stepFile) << ": "
            << error << "\n";
        return 2;
    }
    CHostWindow window;
    window.resize(1180, 760);
    CScreenshotWalk walker(&window, directory);
    QStringList written;
    const bool ok = walker.Run(steps, written, error);
    for (const QString& path : written)
        out << path << "\n";
    if (!ok) err << "ovhost: " << error << "\n";
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    // Said before Qt looks for a display, which a mistyped walk does not need.
    if (hasArgument(argc, argv, "--steps") && !hasArgument(argc, argv, "--screenshot")) {
        QTextStream(stderr) << "ovhost: --steps needs --screenshot DIR\n";
        return 2;
    }
    preferOffscreen(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ovhost"));
    QApplication::setApplicationDisplayName(QStringLiteral("OvHost"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The desktop host of OvCoordSystem: locate coordinates, divisions and map sheets, make\n"
        "download ranges, export and share them."));
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
        QStringLiteral("Walk through the window offscreen, write one PNG per step into DIR, exit."),
        QStringLiteral("DIR"));
    const QCommandLineOption steps(QStringLiteral("steps"),
        QStringLiteral("The walk's steps, one per line (default: the built-in walk)."),
        QStringLiteral("FILE"));
    parser.addOptions({ screenshot, steps });
    parser.process(app);
    if (parser.isSet(screenshot)) return walk(parser.value(screenshot), parser.value(steps));
    CHostWindow window;
    window.show();
    return app.exec();
}
