#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/geodesy/CoordinateSystemTypes.h"
#include "OvCoordSystem/host/widgets/KtComboBox.h"

#include <QMap>
#include <QString>

class MoreCoordSys;
class QLineEdit;

// The combo box with which the user chooses the coordinate system of an export: ten fixed systems
// and a last row "更多..." that opens the catalogue of systems by EPSG code. Each row keeps its
// E_COORDINATE_SYSTEM value as Qt::UserRole data; beside it the box keeps the EPSG code of the
// choice (-1 when the row stands for no single code) and shows the chosen name in a read-only
// edit.
class OVCOORD_EXPORT QCoordComboBox : public KtComboBox
{
    Q_OBJECT
public:
    explicit QCoordComboBox(QWidget* parent = nullptr);
    ~QCoordComboBox() override;

    // Selects the row of CS (row 0 when it has none) and runs the selection as if the user had
    // chosen it, also when the row is current already: COORD_BY_EPSG opens the catalogue.
    void setCurCoordSys(E_COORDINATE_SYSTEM cs);
    E_COORDINATE_SYSTEM getCurCoordSys();
    int getEpsg();
    // Changes the code only.
    void setEpsg(int epsg);
    QString getCoordName();
    void setCoordName(QString name);
    // Whether the current row is a BD09 system.
    bool IsBaidu();
    // Whether CS is a longitude/latitude or Web Mercator system of WGS84, GCJ02 or BD09.
    bool getIsWgS84OrWebMC(E_COORDINATE_SYSTEM cs);
    // Removes the row of CS, if any; the rows behind it move up.
    void setHideCoord(E_COORDINATE_SYSTEM cs);
    // Fits the popup to the rows.
    void reSetItemHeight();
    // Shows a catalogued system without changing the row: by EPSG code, or with code -1 the
    // numbered Gauss-Krüger zone of DATUM that holds MERIDIAN (degrees; 3- or 6-degree zones).
    void setMoreCoordSys(int epsg, E_COORDINATE_SYSTEM datum, double meridian, bool threeDegree);
    // The row of CS; -1 when it has none.
    int getIndexCoordSys(E_COORDINATE_SYSTEM cs) const;

signals:
    // The E_COORDINATE_SYSTEM value of the new choice (not the row).
    void signalCurrentIndexChanged(int coordsys);

public slots:
    void slotCurrentIndexChanged(int nDex);

protected:
    void init() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setPopupHeight();

    int m_epsg = -1;
    int m_lastIndex = 0;
    bool m_popupShown = false;
    QLineEdit* m_nameEdit = nullptr;
    QMap<QString, int> m_nameToValue;
    QMap<int, int> m_valueToIndex;
    MoreCoordSys* m_more = nullptr;
};
