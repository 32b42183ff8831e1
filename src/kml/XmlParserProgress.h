#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/kml/XmlStreamProgressCallback.h"

#include <QObject>

// Turns the progress of a load or save into a percent signal.
class OVCOORD_EXPORT CXmlParserProgress : public QObject, public CXmlStreamProgressCallback
{
    Q_OBJECT
public:
    explicit CXmlParserProgress(QObject* parent = nullptr);

    // Counts percents against TOTAL elements instead of the stream's count (writing has none);
    // values below 1 go back to the stream's count.
    void setTotal(int total);

    // Signals 0.
    void onBegin(CXmlStream* stream, int total) override;
    // Signals done * 100 / total when that differs from the last percent signalled; the total is
    // the one set by setTotal, else the stream's, else 100.
    void onProgress(CXmlStream* stream, int done, int total) override;
    // Signals 100 unless that was the last percent signalled.
    void onEnd(CXmlStream* stream) override;

signals:
    void SignalNotifyProgress(int percent);

private:
    void notify(int percent);

    int m_lastPercent = 0;
    int m_totalOverride = -1;
};
