#include "HostWindow.h"

#include "DivisionBaseMap.h"
#include "DownloadDialog.h"
#include "HostGeometry.h"
#include "LocationBar.h"
#include "MapInput.h"
#include "MergeDialog.h"
#include "OptionsPanel.h"

#include "OvCoordSystem/host/MapTypes.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DModule.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DObject.h"
#include "OvCoordSystem/host/app/ConfigIni.h"
#include "OvCoordSystem/host/app/UserModule.h"
#include "OvCoordSystem/host/map/IOvMapModule.h"
#include "OvCoordSystem/host/search/ILocationDataSearchModule.h"
#include "OvCoordSystem/host/widgets/ZuMessageBox.h"
#include "OvCoordSystem/locate/Locate.h"
#include "OvCoordSystem/widgets/coordsys/TbtnCoord.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>

#include <vector>

namespace {
const QString kSettings = QStringLiteral("OvHost");
constexpr int kDefaultMapType = MAP_OPENSTREETMAP;
constexpr double kDefaultLongitude = 105.0;
constexpr double kDefaultLatitude = 35.0;
constexpr int kDefaultLevel = 4;
// Pixels kept free around a framed range, room for its tool bar.
constexpr int kFrameMargin = 80;
constexpr int kOptionsWidth = 420;
constexpr int kMaxDownloadLevel = 22;

// A globe with a red download frame: the program's icon, drawn rather than shipped.
QIcon appIcon()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(66, 133, 244));
    painter.setPen(QPen(QColor(20, 60, 140), 3));
    painter.drawEllipse(QRectF(6, 6, 52, 52));
    painter.setPen(QPen(QColor(200, 230, 255), 2));
    painter.drawLine(QPointF(8, 32), QPointF(56, 32));
    painter.drawEllipse(QRectF(22, 7, 20, 50));
    painter.setBrush(QColor(0, 0, 255, 40));
    painter.setPen(QPen(QColor(230, 30, 30), 4));
    painter.drawRect(QRectF(26, 20, 26, 22));
    return QIcon(pixmap);
}

QString mapTypeName(int type)
{
    const tagMapTypeInfo* info = FindMapType(type);
    return info ? QString::fromUtf8(info->name) : QStringLiteral("map type %1").arg(type);
}
} // namespace

CHostWindow::CHostWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_map(GetGlobalOvMapModule())
    , m_search(GetOrCreateLocationDataSearchModule())
    , m_locate(new CLocate(this))
    , m_baseMap(std::make_shared<CDivisionBaseMap>(m_search))
    , m_locationBar(new CLocationBar(m_search, this))
    , m_mapInput(new CMapInput(m_map, this))
    , m_options(new COptionsPanel(this))
    , m_optionsDock(new QDockWidget(QStringLiteral("Options"), this))
{
    setObjectName(QStringLiteral("ovhostWindow"));
    setWindowTitle(QStringLiteral("OvHost — download ranges"));
    setWindowIcon(appIcon());
    std::weak_ptr<CDivisionBaseMap> baseMap = m_baseMap;
    m_map->SetBaseMapProvider([baseMap](const QRectF& box, int level) {
        const std::shared_ptr<CDivisionBaseMap> map = baseMap.lock();
        return map ? map->Features(box, level) : std::vector<tagMapBaseFeature>();
    });
    QWidget* view = m_map->GetMapWidget();
    view->setToolTip(
        QStringLiteral("Drag to pan, wheel to zoom; Ctrl+R, then drag, draws a rectangular range"));
    setCentralWidget(view);
    addToolBar(Qt::TopToolBarArea, m_locationBar);
    m_optionsDock->setObjectName(QStringLiteral("optionsDock"));
    m_optionsDock->setWidget(m_options);
    m_options->setMaximumWidth(kOptionsWidth);
    addDockWidget(Qt::RightDockWidgetArea, m_optionsDock);
    buildMenus();
    buildStatusBar();

    connect(
        m_locationBar, &CLocationBar::SigLocateCoordinate, this, &CHostWindow::LocateCoordinate);
    connect(m_locationBar, &CLocationBar::SigLocateDivision, this, &CHostWindow::LocateDivision);
    connect(m_locationBar, &CLocationBar::SigDivisionNotFound, this, [this](const QString& text) {
        message(QStringLiteral("No division is named or numbered \"%1\".").arg(text));
    });
    connect(m_locationBar, &CLocationBar::SigMapSheet, this, &CHostWindow::ShowMapSheet);
    connect(m_locationBar->formatButton(), &TbtnCoord::signalPositionFormat, this, [this] {
        if (m_cursorSeen) SlotCursorMoved(m_lastCursor);
    });
    connect(m_mapInput, &CMapInput::SigCursorMoved, this, &CHostWindow::SlotCursorMoved);
    connect(m_mapInput, &CMapInput::SigRectangle, this, &CHostWindow::ShowRectangle);
    connect(m_options, &COptionsPanel::SigExportRange, this, &CHostWindow::ExportRange);
    connect(
        m_locate, QOverload<>::of(&CLocate::SigDownRange), this, &CHostWindow::ShowDownloadDialog);
    restoreSettings();
}

CHostWindow::~CHostWindow()
{
    m_map->SetBaseMapProvider(MapBaseProvider());
    // The map view belongs to the map module and outlives this window.
    if (QWidget* view = takeCentralWidget()) {
        view->hide();
        view->setParent(nullptr);
    }
}

QAction* CHostWindow::action(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

void CHostWindow::buildMenus()
{
    auto add = [this](QMenu* menu, const QString& name, const QString& text,
                   const QKeySequence& keys, const QString& tip, auto slot) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        action->setShortcut(keys);
        action->setToolTip(tip);
        action->setStatusTip(tip);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    add(file, QStringLiteral("actionExport"), QStringLiteral("&Export range…"),
        QKeySequence(Qt::CTRL + Qt::Key_E),
        QStringLiteral("Save the current range as a vector file"), &CHostWindow::ExportRange);
    file->addSeparator();
    add(file, QStringLiteral("actionQuit"), QStringLiteral("&Quit"), QKeySequence::Quit,
        QStringLiteral("Close the window"), &CHostWindow::close);

    QMenu* range = menuBar()->addMenu(QStringLiteral("&Range"));
    add(range, QStringLiteral("actionCoordinate"), QStringLiteral("Type a &coordinate"),
        QKeySequence(Qt::CTRL + Qt::Key_L), QStringLiteral("Go to the coordinate field"), [this] {
            m_locationBar->coordinateEdit()->setFocus();
            m_locationBar->coordinateEdit()->selectAll();
        });
    add(range, QStringLiteral("actionSearch"), QStringLiteral("&Search a division"),
        QKeySequence::Find, QStringLiteral("Go to the division search"), [this] {
            m_locationBar->divisionEdit()->setFocus();
            m_locationBar->divisionEdit()->selectAll();
        });
    QAction* rectangle = add(range, QStringLiteral("actionRectangle"),
        QStringLiteral("Draw a &rectangle"), QKeySequence(Qt::CTRL + Qt::Key_R),
        QStringLiteral("The next drag on the map draws a rectangular range"),
        [this](bool checked) { m_mapInput->SetArmed(checked); });
    rectangle->setCheckable(true);
    connect(m_mapInput, &CMapInput::SigArmedChanged, rectangle, &QAction::setChecked);
    add(range, QStringLiteral("actionMerge"), QStringLiteral("&Merge divisions…"),
        QKeySequence(Qt::CTRL + Qt::Key_M), QStringLiteral("Make one range of several divisions"),
        &CHostWindow::ChooseDivisionsToMerge);
    range->addSeparator();
    add(range, QStringLiteral("actionDownload"), QStringLiteral("&Download…"),
        QKeySequence(Qt::CTRL + Qt::Key_D),
        QStringLiteral("What downloading the range would fetch"),
        [this] { m_locate->SlotDownRange(); });
    add(range, QStringLiteral("actionShare"), QStringLiteral("S&hare link…"),
        QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_S),
        QStringLiteral("Ask the range-sharing service for a link to the range"),
        &CHostWindow::ShareRange);
    add(range, QStringLiteral("actionClose"), QStringLiteral("C&lose range"),
        QKeySequence(Qt::CTRL + Qt::Key_W), QStringLiteral("Remove the range from the map"),
        [this] { m_locate->ClearMapLocate(); });

    QMenu* mapMenu = menuBar()->addMenu(QStringLiteral("&Map"));
    m_mapTypes = new QActionGroup(this);
    for (const tagMapTypeInfo& info : MapTypeTable()) {
        QAction* type = mapMenu->addAction(QString::fromUtf8(info.name));
        type->setCheckable(true);
        type->setData(info.type);
        type->setObjectName(QStringLiteral("actionMapType%1").arg(info.type));
        m_mapTypes->addAction(type);
    }
    connect(m_mapTypes, &QActionGroup::triggered, this,
        [this](QAction* type) { SetMapType(type->data().toInt()); });
    mapMenu->addSeparator();
    QAction* names = mapMenu->addAction(QStringLiteral("Show &names"));
    names->setObjectName(QStringLiteral("actionNames"));
    names->setCheckable(true);
    names->setChecked(true);
    connect(names, &QAction::toggled, this, [this](bool on) { m_locate->SetTitleVisible(on); });

    QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    QAction* options = m_optionsDock->toggleViewAction();
    options->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_O));
    viewMenu->addAction(options);
}

void CHostWindow::buildStatusBar()
{
    m_busy = new QLabel(this);
    m_position = new QLabel(this);
    m_position->setObjectName(QStringLiteral("positionLabel"));
    m_position->setToolTip(QStringLiteral("Cursor position, in the degree format of the bar"));
    m_position->setMinimumWidth(260);
    m_position->setText(QStringLiteral("Move the cursor over the map"));
    m_mapType = new QLabel(this);
    m_mapType->setObjectName(QStringLiteral("mapTypeLabel"));
    m_mapType->setToolTip(QStringLiteral("Map type (Map menu)"));
    statusBar()->addWidget(m_busy, 1);
    statusBar()->addPermanentWidget(m_position);
    statusBar()->addPermanentWidget(m_mapType);
}

void CHostWindow::restoreSettings()
{
    const QByteArray geometry = QByteArray::fromBase64(
        ConfigIni::getConfig(kSettings, QStringLiteral("Geometry")).toString().toLatin1());
    if (geometry.isEmpty() || !restoreGeometry(geometry)) resize(1180, 760);
    SetMapType(ConfigIni::getConfig(kSettings, QStringLiteral("MapType"), kDefaultMapType).toInt());
    const QStringList view = ConfigIni::getConfig(kSettings, QStringLiteral("View"))
                                 .toString()
                                 .split(QLatin1Char(','));
    bool ok[3] = { false, false, false };
    const double lng = view.value(0).toDouble(&ok[0]);
    const double lat = view.value(1).toDouble(&ok[1]);
    const int level = view.value(2).toInt(&ok[2]);
    if (ok[0] && ok[1] && ok[2])
        m_map->SetView(lng, lat, level);
    else
        m_map->SetView(kDefaultLongitude, kDefaultLatitude, kDefaultLevel);
}

void CHostWindow::saveSettings() const
{
    ConfigIni::setConfig(
        kSettings, QStringLiteral("Geometry"), QString::fromLatin1(saveGeometry().toBase64()));
    double lng = 0;
    double lat = 0;
    m_map->GetCenter(lng, lat);
    ConfigIni::setConfig(kSettings, QStringLiteral("View"),
        QStringLiteral("%1,%2,%3")
            .arg(lng, 0, 'f', 6)
            .arg(lat, 0, 'f', 6)
            .arg(m_map->GetZoomLevel()));
}

void CHostWindow::closeEvent(QCloseEvent* event)
{
    saveSettings();
    QMainWindow::closeEvent(event);
}

void CHostWindow::setBusy(bool busy, const QString& what)
{
    m_locationBar->setEnabled(!busy);
    m_busy->setText(busy ? what : QString());
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

void CHostWindow::frameRange()
{
    IAnnotation2DObject* range = m_locate->GetCurrentAnnotation2DObject();
    if (!range) return;
    const int level = hostgeometry::FitLevel(m_locate->GetCurrentDivision(),
        m_map->GetViewWidth() - kFrameMargin, m_map->GetViewHeight() - kFrameMargin);
    GetOrCreateAnnotation2DModule()->FocusObject(range, level);
}

void CHostWindow::message(const QString& text)
{
    ZuMessageBox::information(this, text);
}

QString CHostWindow::degreeText(double degrees) const
{
    return QString::fromLocal8Bit(
        CEkDegree(degrees).ToString(m_locationBar->degreeFormat()).c_str());
}

void CHostWindow::SlotCursorMoved(QPointF position)
{
    m_lastCursor = position;
    m_cursorSeen = true;
    m_position->setText(
        QStringLiteral("Lng %1   Lat %2").arg(degreeText(position.x()), degreeText(position.y())));
}

void CHostWindow::SlotMapTypeChanged()
{
    const int type = m_map->GetMapType();
    m_mapType->setText(mapTypeName(type));
    for (QAction* action : m_mapTypes->actions())
        action->setChecked(action->data().toInt() == type);
}

void CHostWindow::SetMapType(int mapType)
{
    if (!FindMapType(mapType)) mapType = kDefaultMapType;
    m_map->SetMapType(mapType);
    ConfigIni::setConfig(kSettings, QStringLiteral("MapType"), m_map->GetMapType());
    SlotMapTypeChanged();
}

bool CHostWindow::LocateCoordinate(const QString& text, E_DEGREE_FOARMAT format)
{
    // The locator tells the user itself when the text is not a coordinate.
    return m_locate->Location(text, format);
}

bool CHostWindow::LocateDivision(const QString& code, const QString& name)
{
    // The query runs on the locator's worker; its local event loop keeps the window alive.
    setBusy(true, QStringLiteral("Looking up %1 …").arg(name));
    const bool shown = m_locate->Location(code, name, true);
    setBusy(false, QString());
    if (shown) frameRange();
    if (!shown)
        message(QStringLiteral("The boundary of %1 (%2) could not be read; the log says why.")
                    .arg(name, code));
    return shown;
}

bool CHostWindow::ShowMapSheet(const QString& number)
{
    EXTENT extent;
    if (!hostgeometry::MapSheetExtent(number, extent)) {
        message(QStringLiteral("\"%1\" is not a map-sheet number such as J50 or J50D001002.")
                    .arg(number));
        return false;
    }
    m_locate->LocateToExtent(number, extent, true);
    frameRange();
    return true;
}

void CHostWindow::ShowRectangle(const EXTENT& extent)
{
    m_locate->LocateToExtent(QStringLiteral("Rectangle"), extent, true);
    frameRange();
}

bool CHostWindow::MergeDivisions(const QList<QPair<QString, QString>>& divisions)
{
    setBusy(true, QStringLiteral("Merging %1 divisions …").arg(divisions.size()));
    std::vector<IAnnotation2DObject*> objects;
    QStringList missing;
    for (const auto& [code, name] : divisions) {
        if (IAnnotation2DObject* object = m_locate->GetAnnotation2DObject(code, name))
            objects.push_back(object);
        else
            missing << name;
    }
    bool merged = !objects.empty() && m_locate->CreateDownRanges(objects);
    IAnnotation2DObject* range = m_locate->GetCurrentAnnotation2DObject();
    QList<QPolygonF> parts;
    for (IAnnotation2DObject* object : objects) {
        if (merged) m_locate->GetDownRange(range->GetFeature(), object, parts);
        GetOrCreateAnnotation2DModule()->DestroyObject(object);
    }
    if (merged) {
        range->Update();
        range->Refresh();
        // The range was focused while still empty; framing it now also moves its tool bar
        // beside it.
        frameRange();
    }
    setBusy(false, QString());
    if (!missing.isEmpty())
        message(QStringLiteral("No boundary was found for %1.")
                    .arg(missing.join(QStringLiteral(", "))));
    else if (!merged)
        message(QStringLiteral("The range could not be made."));
    return merged && missing.isEmpty();
}

void CHostWindow::ChooseDivisionsToMerge()
{
    CMergeDialog dialog(m_search, this);
    const QString current = m_locate->GetCurrentCityKey();
    if (!current.isEmpty()) dialog.AddDivision(current);
    if (dialog.exec() == QDialog::Accepted) MergeDivisions(dialog.CheckedDivisions());
}

void CHostWindow::ShowDownloadDialog()
{
    const QList<QPolygonF> parts = m_locate->GetCurrentDivision();
    QList<double> areas;
    for (const QPolygonF& part : parts)
        areas << m_locate->GetArea(QList<QPointF>(part.begin(), part.end()));
    CDownloadDialog dialog(this);
    dialog.SetLevel(qBound(0, m_map->GetZoomLevel() + 2, kMaxDownloadLevel));
    dialog.SetRange(m_locate->GetCurrentCityName(), parts, areas, m_options->SavingSummary());
    dialog.exec();
}

void CHostWindow::ExportRange()
{
    // The locator asks for the file and says so itself when there is no range.
    m_locate->ExportRange(this);
}

void CHostWindow::ShareRange()
{
    if (!m_locate->GetCurrentAnnotation2DObject()) {
        message(QStringLiteral("Show a division or draw a range first."));
        return;
    }
    if (GetOrCreateOvUserModule()->GetServiceAddress().empty()) {
        message(QStringLiteral("No range-sharing service is set: enter its address under "
                               "Options, Share service (or set OV_SHARE_SERVICE)."));
        return;
    }
    m_locate->SlotNetworkDownRange();
}
