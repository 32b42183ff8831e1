#include "OvCoordSystem/vectors/ToolReports_p.h"

#include "OvCoordSystem/vectors/I_VectorToolObserver.h"

#include <QDebug>
#include <QtGlobal>

namespace vectors {

void reportProgress(I_VectorToolObserver* observer, int percent)
{
    if (observer) observer->notifyProgress(qBound(0, percent, 100));
}

void logToolMessage(const char* tool, const QString& message)
{
    qDebug().noquote() << QStringLiteral("VuzUdur:%1: %2").arg(QLatin1String(tool), message);
}

} // namespace vectors
