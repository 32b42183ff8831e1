#pragma once

#include <QDialog>
#include <QList>
#include <QPolygonF>
#include <QString>

class QLabel;
class QSpinBox;
class QTableWidget;

// The host's answer to the range's download button: what would be downloaded. Lists the range's
// parts with their point counts and areas, the total area and the number of tiles at the chosen
// level, and how the tiles would be saved.
class CDownloadDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CDownloadDialog(QWidget* parent = nullptr);

    // NAME of the range, its PARTS and their areas (square metres, as the locator computes them;
    // the total is their sum), and a line saying how tiles would be saved.
    void SetRange(const QString& name, const QList<QPolygonF>& parts,
        const QList<double>& partAreas, const QString& saving);
    // Tile level 0..22 whose tile count is shown.
    void SetLevel(int level);
    int Level() const;
    qint64 TileCount() const { return m_tileCount; }

private slots:
    void SlotLevelChanged(int level);

private:
    QLabel* m_name;
    QTableWidget* m_parts;
    QLabel* m_area;
    QSpinBox* m_level;
    QLabel* m_tiles;
    QLabel* m_saving;
    QList<QPolygonF> m_polygons;
    qint64 m_tileCount = 0;
};
