#include "OvCoordSystem/widgets/coordsys/QCoordComboBox.h"

#include "OvCoordSystem/host/app/SoftwareType.h"
#include "OvCoordSystem/widgets/coordsys/MoreCoordSys_p.h"

#include <QAbstractItemView>
#include <QIcon>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

struct Row
{
    const char* label;
    E_COORDINATE_SYSTEM value;
};

const Row kRows[] = {
    { "WGS84 经纬度投影", COORD_WGS84_LNGLAT },
    { "WGS84 Web 墨卡托投影", COORD_WGS84_WEB_MERCATOR },
    { "WGS84 UTM 投影", COORD_WGS84_UTM },
    { "北京54 高斯投影", COORD_BEIJING54_GAUSS },
    { "西安80 高斯投影", COORD_XIAN80_GAUSS },
    { "CGCS2000 高斯投影", COORD_CGCS2000_GAUSS },
    { "GCJ02 经纬度投影", COORD_GCJ02_LNGLAT },
    { "GCJ02 Web 墨卡托投影", COORD_GCJ02_WEB_MERCATOR },
    { "BD09 经纬度投影", COORD_BD09_LNGLAT },
    { "BD09 Web 墨卡托投影", COORD_BD09_WEB_MERCATOR },
    { "更多...", COORD_BY_EPSG },
};

// Popup row heights (pixels) by the number of rows: a short list, a list longer than the fixed
// rows, and the usual list.
constexpr double kShortRowHeight = 26.7;
constexpr double kLongRowHeight = 27.2;
constexpr double kRowHeight = 27.3;
constexpr int kShortList = 5;

} // namespace

QCoordComboBox::QCoordComboBox(QWidget* parent)
    : KtComboBox(parent)
    , m_more(new MoreCoordSys(this))
{
    m_epsg = -1;
    init();
}

QCoordComboBox::~QCoordComboBox() = default;

void QCoordComboBox::init()
{
    QStringList labels;
    for (const Row& row : kRows) {
        const QString label = QString::fromUtf8(row.label);
        labels << label;
        m_nameToValue.insert(label, row.value);
    }
    for (int i = 0; i < labels.size(); ++i)
        m_valueToIndex.insert(m_nameToValue.value(labels[i]), i);

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setReadOnly(true);
    m_nameEdit->installEventFilter(this);
    m_nameEdit->setFocusPolicy(Qt::NoFocus);
    if (G_N_QUARRY_SOFTWARE_TYPE != 3)
        m_nameEdit->setStyleSheet(QStringLiteral("border:0px;background:transparent;"));
    setLineEdit(m_nameEdit);

    for (const QString& label : labels)
        insertItem(count(), QIcon(), label, m_nameToValue.value(label));
    setPopupHeight();
    connect(this, SIGNAL(activated(int)), this, SLOT(slotCurrentIndexChanged(int)));
}

void QCoordComboBox::setPopupHeight()
{
    const int rows = count();
    const double factor = rows < kShortList ? kShortRowHeight
        : rows > m_nameToValue.size()       ? kLongRowHeight
                                            : kRowHeight;
    view()->setFixedHeight(static_cast<int>(rows * factor));
}

void QCoordComboBox::reSetItemHeight()
{
    setPopupHeight();
}

void QCoordComboBox::setCurCoordSys(E_COORDINATE_SYSTEM cs)
{
    const int row = m_valueToIndex.value(cs, 0);
    setCurrentIndex(row);
    slotCurrentIndexChanged(row);
}

E_COORDINATE_SYSTEM QCoordComboBox::getCurCoordSys()
{
    return static_cast<E_COORDINATE_SYSTEM>(currentData(Qt::UserRole).toInt());
}

int QCoordComboBox::getEpsg()
{
    return m_epsg;
}

void QCoordComboBox::setEpsg(int epsg)
{
    m_epsg = epsg;
}

QString QCoordComboBox::getCoordName()
{
    return m_nameEdit ? m_nameEdit->text() : QString();
}

void QCoordComboBox::setCoordName(QString name)
{
    if (m_nameEdit) m_nameEdit->setText(name);
}

bool QCoordComboBox::IsBaidu()
{
    const E_COORDINATE_SYSTEM cs = getCurCoordSys();
    return cs == COORD_BD09_LNGLAT || cs == COORD_BD09_WEB_MERCATOR;
}

bool QCoordComboBox::getIsWgS84OrWebMC(E_COORDINATE_SYSTEM cs)
{
    switch (cs) {
    case COORD_WGS84_LNGLAT:
    case COORD_WGS84_WEB_MERCATOR:
    case COORD_BD09_LNGLAT:
    case COORD_BD09_WEB_MERCATOR:
    case COORD_GCJ02_LNGLAT:
    case COORD_GCJ02_WEB_MERCATOR:
        return true;
    default:
        return false;
    }
}

void QCoordComboBox::setHideCoord(E_COORDINATE_SYSTEM cs)
{
    if (m_valueToIndex.contains(cs)) removeItem(m_valueToIndex.value(cs));
    m_valueToIndex.clear();
    for (int row = 0; row < count(); ++row)
        m_valueToIndex.insert(itemData(row, Qt::UserRole).toInt(), row);
    setPopupHeight();
}

void QCoordComboBox::setMoreCoordSys(
    int epsg, E_COORDINATE_SYSTEM datum, double meridian, bool threeDegree)
{
    if (!m_more || !m_nameEdit) return;
    if (epsg == -1) {
        m_nameEdit->setText(m_more->gaussZoneName(datum, meridian, threeDegree));
        return;
    }
    m_epsg = epsg;
    m_more->preselect(epsg);
    m_nameEdit->setText(m_more->nameOfEpsg(epsg));
}

int QCoordComboBox::getIndexCoordSys(E_COORDINATE_SYSTEM cs) const
{
    return m_valueToIndex.value(cs, -1);
}

void QCoordComboBox::slotCurrentIndexChanged(int nDex)
{
    if (!m_more) return;
    int value = itemData(currentIndex(), Qt::UserRole).toInt();
    if (value == COORD_WGS84_LNGLAT)
        m_epsg = 4326;
    else if (value == COORD_WGS84_WEB_MERCATOR)
        m_epsg = 3857;
    else if (value != COORD_BY_EPSG)
        m_epsg = -1;
    if (value == COORD_BY_EPSG) {
        m_more->preselect(m_epsg);
        m_more->exec();
        if (!m_more->isAccepted()) {
            // Making a row current shows its label; back on the catalogue row, its system's name.
            setCurrentIndex(m_lastIndex);
            if (itemData(m_lastIndex, Qt::UserRole).toInt() == COORD_BY_EPSG)
                m_nameEdit->setText(m_more->nameOfEpsg(m_epsg));
            return;
        }
        if (m_more->selectedName().isEmpty()) {
            value = COORD_WGS84_LNGLAT;
            setCurrentIndex(m_valueToIndex.value(COORD_WGS84_LNGLAT, 0));
            m_epsg = 4326;
        } else {
            m_nameEdit->setText(m_more->selectedName());
            m_epsg = m_more->selectedEpsg();
        }
    }
    m_lastIndex = nDex;
    emit signalCurrentIndexChanged(value);
}

bool QCoordComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_nameEdit && event->type() == QEvent::MouseButtonRelease && isEnabled()) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_popupShown = !m_popupShown;
            if (m_popupShown)
                showPopup();
            else
                hidePopup();
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}
