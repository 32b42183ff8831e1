#include "Command.h"
#include "DivisionLookup.h"

#include "OvCoordSystem/host/app/UserModule.h"
#include "OvCoordSystem/locate/LocateThread.h"

#include <QEventLoop>

namespace {

int runShare(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Asks a range-sharing service for a share link of a division's range, as the locator's "
        "network download does, and prints the link and its extraction code. Exit status 1 for "
        "a network failure, 2 when the service refuses."));
    parser.addPositionalArgument(QStringLiteral("CODE|NAME"), QStringLiteral("e.g. 110105"));
    const QCommandLineOption service(QStringLiteral("service"),
        QStringLiteral("Base address of the service (default: $OV_SHARE_SERVICE, else the "
                       "configured one)."),
        QStringLiteral("URL"));
    parser.addOption(service);
    DivisionLookup lookup("share");
    lookup.addOptions(parser);
    int status = ExitOk;
    if (!parseCommandLine(parser, "share", args, &status)) return status;
    if (parser.positionalArguments().size() != 1)
        return usageError("share", QStringLiteral("expected one CODE or NAME."));
    out().setCodec("UTF-8");
    err().setCodec("UTF-8");
    // The client asks the host's user module, which reads the environment first.
    if (parser.isSet(service)) qputenv("OV_SHARE_SERVICE", parser.value(service).toUtf8());
    if (GetOrCreateOvUserModule()->GetServiceAddress().empty()) {
        err() << "ovcoord share: no service address; give --service URL or set "
                 "OV_SHARE_SERVICE.\n";
        err().flush();
        return ExitUsage;
    }
    tagDivisionInfo info;
    if (!lookup.open(parser) || !lookup.resolve(parser.positionalArguments().first(), &info))
        return ExitFailure;
    const QRectF box = [&] {
        QRectF bounds;
        for (const QPolygonF& polygon : DivisionLookup::polygons(lookup.parts(info)))
            bounds = bounds.united(polygon.boundingRect());
        return bounds;
    }();

    CLocateThread worker;
    int code = 1;
    QString url, password;
    QEventLoop loop;
    QObject::connect(&worker, &CLocateThread::SigFinished, &loop,
        [&](int nCode, const QString& strUrl, const QString& strPwd) {
            code = nCode;
            url = strUrl;
            password = strPwd;
        });
    QObject::connect(&worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker.SetRequestBody(CLocateThread::RangeRequestBody(
        box.left(), box.top(), box.right(), box.bottom(), QString::fromStdString(info.code)));
    worker.start();
    loop.exec();
    if (code == 0) {
        out() << "division: " << info.code.c_str() << " " << DivisionLookup::fromHost(info.name)
              << "\nlink: " << url << "\ncode: " << password << "\n";
        out().flush();
        return ExitOk;
    }
    err() << "ovcoord share: "
          << (code == 2 ? QStringLiteral("the service refused the request")
                        : QStringLiteral("no answer from the service (connection, time limit or "
                                         "HTTP error)"))
          << "\n";
    err().flush();
    return code == 2 ? 2 : ExitFailure;
}

const CommandRegistrar registrar(
    { "share", "ask a range-sharing service for a division's share link", runShare });

} // namespace
