#pragma once

#include "OvCoordSystem/geodesy/EkDegree.h"
#include "OvCoordSystem/host/Extent.h"

#include <QList>
#include <QMainWindow>
#include <QPair>
#include <QPointF>
#include <QString>

#include <memory>

class CDivisionBaseMap;
class CLocate;
class CLocationBar;
class CMapInput;
class COptionsPanel;
class ILocationDataSearchModule;
class IOvMapModule;
class QAction;
class QActionGroup;
class QDockWidget;
class QLabel;

// The host's main window: the map view in the middle, the location bar above it, the options
// beside it and the cursor position and map type below. Every step of a download range goes
// through the library's locator: locating a coordinate or a division, drawing a rectangle,
// merging divisions, the range's tool bar (download, share, close) and exporting the range.
// Window geometry, map type and view are remembered between runs.
class CHostWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit CHostWindow(QWidget* parent = nullptr);
    ~CHostWindow() override;

    CLocate* locate() const { return m_locate; }
    CLocationBar* locationBar() const { return m_locationBar; }
    COptionsPanel* optionsPanel() const { return m_options; }
    CMapInput* mapInput() const { return m_mapInput; }
    QLabel* positionLabel() const { return m_position; }
    QAction* action(const QString& objectName) const;

    // The operations behind the bar, the menus and the tool bar; each shows a clear message when
    // it cannot be done.
    bool LocateCoordinate(const QString& text, E_DEGREE_FOARMAT format);
    bool LocateDivision(const QString& code, const QString& name);
    bool ShowMapSheet(const QString& number);
    void ShowRectangle(const EXTENT& extent);
    // Merges the divisions (code, name) into one new range.
    bool MergeDivisions(const QList<QPair<QString, QString>>& divisions);
    void ChooseDivisionsToMerge();
    void ShowDownloadDialog();
    void ExportRange();
    void ShareRange();
    void SetMapType(int mapType);

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void SlotCursorMoved(QPointF position);
    void SlotMapTypeChanged();

private:
    void buildMenus();
    void buildStatusBar();
    void restoreSettings();
    void saveSettings() const;
    void setBusy(bool busy, const QString& what);
    void message(const QString& text);
    // Frames the current range in the view (the locator focuses every range at one level).
    void frameRange();
    QString degreeText(double degrees) const;

    IOvMapModule* m_map;
    ILocationDataSearchModule* m_search;
    CLocate* m_locate; // a child of the window
    std::shared_ptr<CDivisionBaseMap> m_baseMap;
    CLocationBar* m_locationBar;
    CMapInput* m_mapInput;
    COptionsPanel* m_options;
    QDockWidget* m_optionsDock;
    QActionGroup* m_mapTypes = nullptr;
    QLabel* m_position = nullptr;
    QLabel* m_mapType = nullptr;
    QLabel* m_busy = nullptr;
    QPointF m_lastCursor;
    bool m_cursorSeen = false;
};
