#include "OptionsPanel.h"

#include "OvCoordSystem/host/app/ConfigIni.h"
#include "OvCoordSystem/host/export/PropertySetObject.h"
#include "OvCoordSystem/widgets/coordsys/SpatialRefMakerWidget.h"
#include "OvCoordSystem/widgets/savers/DemSaverWidget.h"
#include "OvCoordSystem/widgets/savers/SaverWidget.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointF>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const QString kServiceSection = QStringLiteral("UserModule");
const QString kServiceKey = QStringLiteral("ServiceAddress");
} // namespace

COptionsPanel::COptionsPanel(QWidget* parent)
    : QWidget(parent)
    , m_tabs(new QTabWidget(this))
    , m_spatialRef(new CSpatialRefMakerWidget(this))
    , m_saver(new CSaverWidget(this))
    , m_demSaver(new CDemSaverWidget(this))
    , m_exportNote(new QLabel(this))
    , m_service(new QLineEdit(this))
    , m_export(new QPushButton(QStringLiteral("Export range…"), this))
{
    setObjectName(QStringLiteral("optionsPanel"));
    auto* coordinatePage = new QWidget(m_tabs);
    auto* coordinateLayout = new QVBoxLayout(coordinatePage);
    auto* coordinateLabel
        = new QLabel(QStringLiteral("Coordinate system of exported ranges:"), coordinatePage);
    coordinateLabel->setWordWrap(true);
    coordinateLayout->addWidget(coordinateLabel);
    coordinateLayout->addWidget(m_spatialRef);
    m_exportNote->setObjectName(QStringLiteral("exportNote"));
    m_exportNote->setWordWrap(true);
    m_exportNote->setText(QStringLiteral(
        "Exported ranges are written in WGS84 longitude/latitude whatever is chosen here: the "
        "locator's export takes no target system. Tile downloads use this choice."));
    coordinateLayout->addWidget(m_exportNote);
    coordinateLayout->addStretch();
    m_tabs->addTab(coordinatePage, QStringLiteral("Coordinates"));
    m_tabs->addTab(m_saver, QStringLiteral("Tiles"));
    // The elevation row keeps its height at the top of its page, as the other pages do.
    auto* elevationPage = new QWidget(m_tabs);
    auto* elevationLayout = new QVBoxLayout(elevationPage);
    elevationLayout->addWidget(m_demSaver);
    elevationLayout->addStretch();
    m_tabs->addTab(elevationPage, QStringLiteral("Elevation"));
    m_tabs->setToolTip(QStringLiteral("Options of exports and downloads"));

    m_service->setObjectName(QStringLiteral("serviceEdit"));
    m_service->setPlaceholderText(QStringLiteral("http://host:port"));
    const bool fromEnvironment = !qEnvironmentVariableIsEmpty("OV_SHARE_SERVICE");
    m_service->setText(fromEnvironment
            ? qEnvironmentVariable("OV_SHARE_SERVICE")
            : ConfigIni::getConfig(kServiceSection, kServiceKey).toString());
    m_service->setEnabled(!fromEnvironment);
    m_service->setToolTip(fromEnvironment
            ? QStringLiteral("Set by the environment variable OV_SHARE_SERVICE")
            : QStringLiteral("Base address of the range-sharing service"));
    m_export->setObjectName(QStringLiteral("exportButton"));
    m_export->setToolTip(QStringLiteral(
        "Save the current range as a vector file (Shapefile, KML, KMZ, DXF, MapInfo) (Ctrl+E)"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Share service:"), m_service);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(form);
    layout->addWidget(m_export);

    connect(m_service, &QLineEdit::editingFinished, this, &COptionsPanel::SlotServiceEdited);
    connect(m_export, &QPushButton::clicked, this, &COptionsPanel::SigExportRange);
    connect(m_spatialRef, &CSpatialRefMakerWidget::SigCurrentIndexChanged, this,
        &COptionsPanel::SlotCoordSysChanged);
    SlotCoordSysChanged();
}

void COptionsPanel::SlotCoordSysChanged()
{
    m_exportNote->setVisible(m_spatialRef->getCurCoordSys() != COORD_WGS84_LNGLAT);
}

void COptionsPanel::ShowPage(Page page)
{
    m_tabs->setCurrentIndex(int(page));
}

QString COptionsPanel::SavingSummary() const
{
    CPropertySetObject properties;
    const std::string tiles = m_saver->GetTileSaverReferenceName(properties);
    E_SAVE_IMAGE_TYPE format {};
    EXPORT_SPACE_TYPE spacing {};
    QPointF step;
    const std::string elevation = m_demSaver->GetSaverClassName(format, spacing, step);
    return QStringLiteral("tiles by %1, elevation by %2, in %3")
        .arg(QString::fromStdString(tiles), QString::fromStdString(elevation),
            m_spatialRef->GetCurrentText());
}

void COptionsPanel::SlotServiceEdited()
{
    ConfigIni::setConfig(kServiceSection, kServiceKey, m_service->text().trimmed());
}
