#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/geodesy/EkDegree.h"
#include "OvCoordSystem/host/Extent.h"
#include "OvCoordSystem/host/MapTypes.h"
#include "OvCoordSystem/host/Vector3D.h"
#include "OvCoordSystem/host/annotation/IAnnotationFeature.h"
#include "OvCoordSystem/host/events/StateEventObserver.h"
#include "OvCoordSystem/host/map/IOvMapEventHandler.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

class CLocationThread;
class CMessageBox;
class IAnnotation2DMapLayer;
class IAnnotation2DModule;
class IAnnotation2DObject;
class IAnnotationModule;
class ILocationDataSearchModule;
class IOvGraphicsModule;
class IOvMapModule;
class IOvSceneItem;
class QToolBar;
class QWidget;

// The host's map locator. It shows one annotation at a time on its own layer of the host's map,
// the current object: a located point, a division's boundary or a rectangle. Once that object
// carries polygons it is the download range, and a small tool bar beside it (close, download and,
// for some maps and divisions, network download) tells the host what the user wants through the
// signals. Every creation of a current object destroys the previous one first.
//
// Messages go to the dialog parent, found from the constructor's parent (its window's parent
// window). Missing host modules make each operation do nothing and return its empty value.
// GUI thread only; division boundaries are queried on a worker with a time limit of 5 seconds.
class OVCOORD_EXPORT CLocate : public QObject, public IOvMapEventHandler, public IStateEventObserver
{
    Q_OBJECT
public:
    explicit CLocate(QWidget* parent);
    ~CLocate() override;

    IOvMapModule* GetMapModule() const { return m_pMapModule; }
    // The locator's annotation layer.
    IAnnotation2DMapLayer* GetMapLayer() const { return m_pAnnotationLayer; }
    IAnnotation2DObject* GetCurrentAnnotation2DObject() const { return m_pCurrentObject; }
    // Only stored; the host reads it back.
    void EnableDownloadShifting(bool enable) { m_bDownloadShifting = enable; }
    bool IsEnableDownloadShifting() const { return m_bDownloadShifting; }
    ENUM_MAP_TYPE GetCurrentMapType() const;
    QString GetCurrentCityName() const { return m_strCityName; }
    QString GetCurrentCityKey() const { return m_strCityKey; }

    // Puts the coordinate TEXT typed in FORMAT on the map as a point titled with its two values.
    // Text the validator refuses shows "坐标不正确!" and changes nothing.
    bool Location(const QString& text, E_DEGREE_FOARMAT format);
    // Shows the boundary of the division CODE named NAME as the current object; with SHOW it is
    // also focused and gets the tool bar. Asking again for the current division's name queries
    // nothing. A failed or too slow query logs an error and keeps the previous object.
    bool Location(const QString& code, const QString& name, bool show);
    // Puts a point at (X, Y) (map coordinates) titled TITLE and focuses it; Z is not used.
    void Locate(const QString& title, double x, double y, double z);
    // Removes the current object when it is a located point.
    void DestroyPointModule();
    // Shows the rectangle EXTENT named NAME. WITHTOOLBAR also makes it a download range with the
    // tool bar, which needs the first corner to be the minimum.
    void UpdateGeoExtent(const QString& name, EXTENT extent, bool withToolBar);
    // UpdateGeoExtent, then focuses the rectangle.
    void LocateToExtent(const QString& name, EXTENT extent, bool withToolBar);
    // Position of the local network provider (map coordinates).
    QPointF GetLocalISPPosition() const;
    // Shows or hides the names of the base map (on the label layer when the map has one in use).
    void SetTitleVisible(bool visible);
    // Places the tool bar again when the map view changed while it is shown. Always false.
    bool OnStateChanged(const CStateEventObject& event) override;

    // Map-sheet numbers of the national sheet numbering (GB/T 13989): a 1:1,000,000 sheet such
    // as "J50" (row letter A to V, column 01 to 60) or a larger-scale sheet such as "J50D001002"
    // (that sheet, a scale letter B to H, a three-digit row and a three-digit column, both counted
    // from 1 up to the number of sheets per side at that scale). The checks read no member.

    // True when NUMBER is a valid sheet number; upper-case letters only.
    static bool MapsheetRegCheck(const QString& number);
    // PARTS: row letter and column text of a 1:1,000,000 sheet. True when there are exactly two
    // and the column lies in 1 to 60; the letter is not checked.
    static bool BigMapSheetCheck(const QStringList& parts);
    // PARTS: row letter, column text, scale letter, row digits, column digits. True when there are
    // exactly five and row and column lie within the bounds of the scale letter.
    static bool SmallMapSheetCheck(const QStringList& parts);
    // LOW < N < HIGH.
    static bool ContainsNumber(int n, int low, int high);
    // The exclusive bounds of row and column numbers at scale letter SCALE: 0 and one more than the
    // number of sheets per side for B to H, -1 and -1 for any other character.
    static void GetMapSheetRange(char scale, int& low, int& high);

    // Download ranges. A range is handed out as one polygon per part of its feature (x, y of every
    // point in order).

    // Makes the boundary of division CODE the current object (download style with DOWNLOADSTYLE)
    // and returns its parts; empty for "-1" or an unknown code (then there is no current object).
    QList<QPolygonF> QueryRegionList(const QString& code, bool downloadStyle);
    // A new object showing the boundary of division CODE, named NAME, owned by the caller; null
    // for an unknown code. The current object is not touched.
    IAnnotation2DObject* GetAnnotation2DObject(const QString& code, const QString& name);
    // Hides OBJECTS and makes a new empty range named "下载范围" the current object, focused and
    // with the tool bar; GetDownRange fills it. False when the range has no feature.
    bool CreateDownRanges(std::vector<IAnnotation2DObject*> objects);
    // Appends the parts of SOURCE's feature to OUT and, unless null, to TARGET. False when SOURCE
    // or its feature is null.
    bool GetDownRange(
        IAnnotationFeature* target, IAnnotation2DObject* source, QList<QPolygonF>& out);
    // The current object's parts.
    QList<QPolygonF> GetCurrentDivision();
    // Area of the current object's parts, of POLYGONS, or of the ring POINTS, as the map computes
    // it (no unit conversion).
    double GetArea();
    double GetArea(const QList<QPolygonF>& polygons);
    double GetArea(const QList<QPointF>& points);
    // Distance between A and B as the map computes it.
    double CalculateDistance(QPointF a, QPointF b);
    // Destroys the current object and hides the tool bar.
    void DestroyCurrent2DObject();
    // Destroys the current object and the tool bar.
    void ClearMapLocate();
    // Shows division CODE without focusing it, then emits SigDownRange(); always true.
    bool DownRange(const QString& code, const QString& name);
    // OBJECT becomes the current object (the previous one stays on the map) and its name the
    // city name; the map switches to MAPTYPE.
    void DownRange(IAnnotation2DObject* object, int mapType);
    // Blue fill, red outline 2 pixels wide, red labels with a white outline.
    void ChangeStyleAsDownload(IAnnotation2DObject* object);
    // POSITION moved by (DX, DY) pixels on the view; z is 0.
    CVector3D CalcOffsetPos(int dx, int dy, const CVector3D& position);

    // Range export. The file dialog proposes the folder remembered in ConfigIni
    // ("DownloadExtentKml", key "1"); the chosen file's suffix selects the format (Shapefile, KML,
    // KMZ, DXF or MapInfo TAB) and its folder is remembered. Points are written as they are
    // (WGS84 longitude/latitude, degrees).

    // Exports the current range, named after the current division; without one, says
    // "请选择区域！". PARENT, when given, is the parent of that message.
    void ExportRange(QWidget* parent);
    // Writes POLYGONS, one feature named NAME each, to a file the user chooses.
    void ExportPolygonF(const QString& name, const QList<QPolygonF>& polygons);
    // Writes each part of FEATURE as a feature named NAME to a file the user chooses, proposed
    // as NAME in the remembered folder (NAME(2), NAME(3), ... when that exists). Nothing happens
    // for a null feature.
    void ExportPolygonF(const QString& name, IAnnotationFeature* feature);

signals:
    void SigCloseRange();
    void SigDownRange();
    void SigDownRange(
        QString strCurrentDivisionName, QList<QPolygonF> listPolygonF, ENUM_MAP_TYPE eMapType);
    void SigDownRange(QString strCurrentDivisionName, IAnnotationFeature* pAnnotationFeature,
        ENUM_MAP_TYPE eMapType);
    void SigStop();

public slots:
    // The download button: emits SigDownRange() for a range with parts, else asks for one.
    void SlotDownRange();
    // The network download button: asks the range-sharing service for a share link of the current
    // division (a remembered link at once), at most once in 300 seconds for other divisions.
    void SlotNetworkDownRange();

private slots:
    // The close button: removes the range and hides the tool bar.
    void SlotCloseRange();
    void SlotFinished(int nCode, QString strUrl, QString strPwd);

private:
    void DestroyCurrentObject();
    // Destroys the current object and makes a new one on the layer with a new empty feature of
    // KIND named NAME, which it returns (null when the host made none).
    IAnnotationFeature* NewCurrentObject(int kind, const QString& name);
    // A new object on the layer showing FEATURE, which it owns.
    IAnnotation2DObject* NewObject(IAnnotationFeature* feature);
    // Network download is offered for the current division on the current map.
    bool IsNetworkDownloadOffered() const;
    // Builds a new tool bar in a new hidden scene item, replacing the old one.
    void InitToolBar();
    // Removes the tool bar's scene item, which frees the tool bar with it.
    void RemoveToolBar();
    // Places the tool bar at the current object's anchor.
    void LoadingDownloadButtonIntoScene();
    // Makes the current object the rectangle RECT named NAME and places the tool bar below its
    // centre.
    void LoadingDownloadButtonIntoScene(const QString& name, const QRectF& rect);
    void BindToolBarToCurrentObject();

    IOvMapModule* m_pMapModule = nullptr;
    IAnnotation2DModule* m_pAnnotation2DModule = nullptr;
    IAnnotation2DObject* m_pCurrentObject = nullptr;
    ILocationDataSearchModule* m_pSearchModule = nullptr;
    CLocationThread* m_pLocationThread = nullptr;
    bool m_bDownloadShifting = true;
    QString m_strPointTitle;
    QToolBar* m_pToolBar = nullptr;
    IOvGraphicsModule* m_pGraphicsModule = nullptr;
    IOvSceneItem* m_pSceneItem = nullptr;
    IAnnotation2DMapLayer* m_pAnnotationLayer = nullptr;
    IAnnotationModule* m_pAnnotationModule = nullptr;
    bool m_bToolBarShown = false;
    QString m_strCityKey;
    QString m_strCityName;
    QWidget* m_pDialogParent = nullptr;
    CMessageBox* m_pWaitingBox = nullptr;
    // City key to share address and extraction code.
    QMap<QString, QPair<QString, QString>> m_shareCache;
    QList<QDateTime> m_shareTimes;
};
