#include "OvCoordSystem/widgets/coordsys/MoreCoordSys_p.h"

#include "OvCoordSystem/vectors/I_VectorTools.h"
#include "OvCoordSystem/vectors/VectorToolFactory.h"
#include "OvCoordSystem/widgets/coordsys/SpatialRefParameters.h"

#include "ui_MoreCoordSys.h"

#include <QHeaderView>
#include <QIcon>
#include <QRegularExpression>

#include <cmath>

namespace {

// Leaves keep their EPSG code under this role of column 0.
constexpr int kEpsgRole = 1;

// The arguments of one catalogue request: kind, datum, zone numbers, zone width, north.
struct CatalogRequest
{
    int kind;
    int datum;
    bool zoneNumbers;
    int zoneWidth;
    bool north;
};

// The fourteen kept lists: per Gauss-Krüger datum (Beijing 1954, Xian 1980, CGCS2000) named by
// central meridian and by zone number in 3- and 6-degree zones, then WGS84 UTM north and south.
constexpr CatalogRequest kKeptLists[14] = {
    { 0, 0, false, 3, true },
    { 0, 0, true, 3, true },
    { 0, 0, false, 6, true },
    { 0, 0, true, 6, true },
    { 0, 1, false, 3, true },
    { 0, 1, true, 3, true },
    { 0, 1, false, 6, true },
    { 0, 1, true, 6, true },
    { 0, 2, false, 3, true },
    { 0, 2, true, 3, true },
    { 0, 2, false, 6, true },
    { 0, 2, true, 6, true },
    { 2, 5, false, 3, true },
    { 2, 5, false, 3, false },
};
constexpr CatalogRequest kWorldList = { 1, 17, false, 3, true };
constexpr CatalogRequest kGeographicList = { 3, 17, false, 3, true };

// The categories of projected systems and the kept lists they show, in order.
struct Category
{
    const char* name;
    int firstList;
    int listCount;
};
const Category kCategories[] = {
    { "北京54", 0, 4 },
    { "西安80", 4, 4 },
    { "CGCS2000", 8, 4 },
    { "WGS84", 12, 2 },
};

QMap<int, QString> fetch(I_VectorTools* tools, const CatalogRequest& r)
{
    return tools->getCoordSysCatalog(r.kind, r.datum, r.zoneNumbers, r.zoneWidth, r.north);
}

// The zone number written after "Zone" in a catalogue name; -1 when there is none.
int zoneNumberOf(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("\\bZone\\s+(\\d+)\\b"));
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QTreeWidgetItem* topLevelItem(const QString& text)
{
    auto* item = new QTreeWidgetItem(QStringList(text));
    item->setIcon(0, QIcon(QStringLiteral(":/Resource/Tools/vector/geo.ico")));
    return item;
}

} // namespace

MoreCoordSys::MoreCoordSys(QWidget* parent)
    : CustomWidget(parent)
    , ui(new Ui::MoreCoordSys)
{
    ui->setupUi(contentWidget());
    resize(400, 448);
    setTitle(QStringLiteral("坐标系选择"));
    ui->twCoordSys->setHeaderLabel(QStringLiteral("投影选择"));

    I_VectorTools* tools = createVectorTool(VectorToolGeoTools);
    for (size_t i = 0; i < m_lists.size(); ++i)
        m_lists[i] = fetch(tools, kKeptLists[i]);
    const QMap<int, QString> world = fetch(tools, kWorldList);
    const QMap<int, QString> geographic = fetch(tools, kGeographicList);

    QTreeWidgetItem* projected = topLevelItem(QStringLiteral("投影坐标系"));
    for (const Category& category : kCategories) {
        auto* item = new QTreeWidgetItem(QStringList(QString::fromUtf8(category.name)));
        for (int i = category.firstList; i < category.firstList + category.listCount; ++i)
            addLeaves(item, m_lists[i]);
        projected->addChild(item);
    }
    auto* mercator = new QTreeWidgetItem(QStringList(QStringLiteral("墨卡托")));
    addLeaves(mercator, world);
    projected->addChild(mercator);
    QTreeWidgetItem* geographicTop = topLevelItem(QStringLiteral("地理坐标系"));
    addLeaves(geographicTop, geographic);
    ui->twCoordSys->addTopLevelItem(projected);
    ui->twCoordSys->addTopLevelItem(geographicTop);

    releaseVectorTool(tools);

    projected->setExpanded(true);
    geographicTop->setExpanded(true);
    m_current = nullptr;
    connect(ui->twCoordSys, SIGNAL(itemClicked(QTreeWidgetItem*, int)), this,
        SLOT(ItemClickedSlots(QTreeWidgetItem*, int)));
    connect(ui->twCoordSys, SIGNAL(itemDoubleClicked(QTreeWidgetItem*, int)), this,
        SLOT(ItemDoubleClickedSlots(QTreeWidgetItem*, int)));
    connect(ui->bTnSelected, SIGNAL(clicked()), this, SLOT(on_bTnSelected_clicked()));
    connect(ui->bTnCancel, SIGNAL(clicked()), this, SLOT(on_bTnCancel_clicked()));
}

MoreCoordSys::~MoreCoordSys() = default;

void MoreCoordSys::addLeaves(QTreeWidgetItem* parent, const QMap<int, QString>& list)
{
    for (auto entry = list.cbegin(); entry != list.cend(); ++entry) {
        auto* leaf = new QTreeWidgetItem(parent, QStringList(entry.value()));
        leaf->setData(0, kEpsgRole, entry.key());
        m_items.insert(entry.key(), leaf);
    }
}

void MoreCoordSys::preselect(int epsg)
{
    QTreeWidgetItem* leaf = m_items.value(epsg);
    if (!leaf) return;
    if (QTreeWidgetItem* parent = leaf->parent(); parent && parent->treeWidget())
        parent->setExpanded(true);
    ui->twCoordSys->clearSelection();
    leaf->setSelected(true);
    ui->twCoordSys->scrollToItem(leaf);
}

QString MoreCoordSys::selectedName() const
{
    return m_current ? m_current->text(0) : QString();
}

int MoreCoordSys::selectedEpsg() const
{
    return m_selectedEpsg;
}

QString MoreCoordSys::nameOfEpsg(int epsg) const
{
    const QTreeWidgetItem* leaf = m_items.value(epsg);
    return leaf ? leaf->text(0) : QStringLiteral("WGS84 经纬度投影");
}

QString MoreCoordSys::gaussZoneName(
    E_COORDINATE_SYSTEM datum, double meridian, bool threeDegree) const
{
    if (!SpatialRefParameters::IsGaussDatum(datum)) return QString();
    // Per datum the lists named by zone number are the second (3-degree) and fourth (6-degree).
    const QMap<int, QString>& list
        = m_lists[static_cast<size_t>(datum) * 4 + (threeDegree ? 1 : 3)];
    const int zone = static_cast<int>(
        std::trunc(threeDegree ? (meridian + 1.5) / 3.0 : (meridian + 6.0) / 6.0));
    for (const QString& name : list) {
        if (zoneNumberOf(name) == zone) return name;
    }
    return QString();
}

bool MoreCoordSys::isAccepted() const
{
    return m_accepted;
}

void MoreCoordSys::ItemClickedSlots(QTreeWidgetItem* item, int)
{
    m_current = item;
}

void MoreCoordSys::ItemDoubleClickedSlots(QTreeWidgetItem* item, int)
{
    m_current = item;
    if (!item || item->childCount() > 0) return;
    m_accepted = true;
    m_selectedEpsg = item->data(0, kEpsgRole).toInt();
    close();
}

void MoreCoordSys::on_bTnSelected_clicked()
{
    if (!m_current) return;
    m_accepted = true;
    if (m_current->childCount() > 0) return;
    m_selectedEpsg = m_current->data(0, kEpsgRole).toInt();
    close();
}

void MoreCoordSys::on_bTnCancel_clicked()
{
    m_accepted = false;
    close();
}
