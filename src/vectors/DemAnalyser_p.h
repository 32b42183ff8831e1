#pragma once

#include <QThread>
#include <QVector>

namespace vectors {

// Works out the minimum, maximum and mean of an elevation grid on its own thread. Values that are
// not finite are no-data and skipped. Reports through complete(percent) while it runs and at the
// end, or errMessage(text) when there is no value or it was interrupted.
class DemAnalyser : public QThread
{
    Q_OBJECT
public:
    explicit DemAnalyser(const QVector<double>& elevations, QObject* parent = nullptr);

    // Valid once the thread has finished without an error.
    bool hasResult() const { return m_hasResult; }
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    double mean() const { return m_mean; }

signals:
    void complete(int percent);
    void errMessage(const QString& message);

protected:
    void run() override;

private:
    const QVector<double> m_elevations;
    bool m_hasResult = false;
    double m_minimum = 0.0;
    double m_maximum = 0.0;
    double m_mean = 0.0;
};

} // namespace vectors
