#pragma once

#include "OvCoordSystem/geodesy/CoordinateSystemTypes.h"
#include "OvCoordSystem/host/widgets/CustomWidget.h"

#include <QMap>
#include <QString>

#include <array>
#include <memory>

class QTreeWidgetItem;

namespace Ui {
class MoreCoordSys;
}

// The catalogue of coordinate systems behind the "更多..." row of the coordinate-system combo
// box: a two-level tree of the GEO tools' catalogues, grouped by datum and kind, from which the
// user picks one system by its EPSG code. One per combo box, reused for every run; the current
// item, the chosen code and the expansion persist between runs.
class MoreCoordSys : public CustomWidget
{
    Q_OBJECT
public:
    explicit MoreCoordSys(QWidget* parent = nullptr);
    ~MoreCoordSys() override;

    // Expands the parent of the code's leaf and selects the leaf; nothing for a code not listed.
    // The current item stays.
    void preselect(int epsg);
    // The text of the current item; empty when none was clicked.
    QString selectedName() const;
    // The code of the last leaf chosen; -1 before the first choice.
    int selectedEpsg() const;
    // The name of a listed code; "WGS84 经纬度投影" for any other.
    QString nameOfEpsg(int epsg) const;
    // The name of the numbered Gauss-Krüger zone of DATUM (0 to 2) holding MERIDIAN (degrees) in
    // 3- or 6-degree zones; empty for other datums and zones the catalogue does not list.
    QString gaussZoneName(E_COORDINATE_SYSTEM datum, double meridian, bool threeDegree) const;
    // Whether the last run ended with a chosen system.
    bool isAccepted() const;

public slots:
    void ItemClickedSlots(QTreeWidgetItem* item, int column);
    void ItemDoubleClickedSlots(QTreeWidgetItem* item, int column);
    void on_bTnSelected_clicked();
    void on_bTnCancel_clicked();

private:
    void addLeaves(QTreeWidgetItem* parent, const QMap<int, QString>& list);

    bool m_accepted = false;
    std::array<QMap<int, QString>, 14> m_lists;
    std::unique_ptr<Ui::MoreCoordSys> ui;
    QTreeWidgetItem* m_current = nullptr;
    int m_selectedEpsg = -1;
    QMap<int, QTreeWidgetItem*> m_items;
};
