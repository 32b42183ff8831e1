#include "OvCoordSystem/kml/XmlParserProgress.h"

namespace {
constexpr int kDefaultDivisor = 100;
}

CXmlParserProgress::CXmlParserProgress(QObject* parent)
    : QObject(parent)
{ }

void CXmlParserProgress::setTotal(int total)
{
    m_totalOverride = total;
}

void CXmlParserProgress::onBegin(CXmlStream*, int)
{
    m_lastPercent = 0;
    emit SignalNotifyProgress(0);
}

void CXmlParserProgress::onProgress(CXmlStream*, int done, int total)
{
    const long long divisor = m_totalOverride >= 1 ? m_totalOverride
        : total != 0                               ? total
                                                   : kDefaultDivisor;
    notify(static_cast<int>(static_cast<long long>(done) * 100 / divisor));
}

void CXmlParserProgress::onEnd(CXmlStream*)
{
    notify(100);
}

void CXmlParserProgress::notify(int percent)
{
    if (percent == m_lastPercent) return;
    m_lastPercent = percent;
    emit SignalNotifyProgress(percent);
}
