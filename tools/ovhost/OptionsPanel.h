#pragma once

#include <QString>
#include <QWidget>

class CDemSaverWidget;
class CSaverWidget;
class CSpatialRefMakerWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The options beside the map: the coordinate system of exported ranges, how tiles and elevation
// data would be saved, the range-sharing service, and the export button.
class COptionsPanel : public QWidget
{
    Q_OBJECT
public:
    enum Page
    {
        PageCoordinateSystem = 0,
        PageTiles = 1,
        PageElevation = 2
    };

    explicit COptionsPanel(QWidget* parent = nullptr);

    CSpatialRefMakerWidget* spatialRefMaker() const { return m_spatialRef; }
    CSaverWidget* saver() const { return m_saver; }
    CDemSaverWidget* demSaver() const { return m_demSaver; }
    QPushButton* exportButton() const { return m_export; }
    void ShowPage(Page page);
    // One line on how tiles and elevation data would be saved.
    QString SavingSummary() const;

signals:
    void SigExportRange();

private slots:
    void SlotServiceEdited();
    void SlotCoordSysChanged();

private:
    QTabWidget* m_tabs;
    CSpatialRefMakerWidget* m_spatialRef;
    CSaverWidget* m_saver;
    CDemSaverWidget* m_demSaver;
    QLabel* m_exportNote;
    QLineEdit* m_service;
    QPushButton* m_export;
};
