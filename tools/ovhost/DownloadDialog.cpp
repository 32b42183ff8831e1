#include "DownloadDialog.h"

#include "HostGeometry.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr double kSquareMetresPerKm2 = 1e6;
constexpr int kDefaultLevel = 12;

QString km2(double squareMetres)
{
    return QLocale::c().toString(squareMetres / kSquareMetresPerKm2, 'f', 2)
        + QStringLiteral(" km²");
}
} // namespace

CDownloadDialog::CDownloadDialog(QWidget* parent)
    : QDialog(parent)
    , m_name(new QLabel(this))
    , m_parts(new QTableWidget(0, 3, this))
    , m_area(new QLabel(this))
    , m_level(new QSpinBox(this))
    , m_tiles(new QLabel(this))
    , m_saving(new QLabel(this))
{
    setObjectName(QStringLiteral("downloadDialog"));
    setWindowTitle(QStringLiteral("Download range"));
    m_parts->setObjectName(QStringLiteral("partsTable"));
    m_parts->setHorizontalHeaderLabels(
        { QStringLiteral("Part"), QStringLiteral("Points"), QStringLiteral("Area") });
    m_parts->horizontalHeader()->setStretchLastSection(true);
    m_parts->verticalHeader()->hide();
    m_parts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_area->setObjectName(QStringLiteral("areaLabel"));
    m_level->setObjectName(QStringLiteral("levelSpinBox"));
    m_level->setRange(0, 22);
    m_level->setToolTip(QStringLiteral("Tile level of the download (0 to 22)"));
    m_tiles->setObjectName(QStringLiteral("tilesLabel"));
    m_saving->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Range:"), m_name);
    form->addRow(QStringLiteral("Area:"), m_area);
    form->addRow(QStringLiteral("Level:"), m_level);
    form->addRow(QStringLiteral("Tiles:"), m_tiles);
    form->addRow(QStringLiteral("Saved as:"), m_saving);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_parts, 1);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(440, 460);

    connect(m_level, QOverload<int>::of(&QSpinBox::valueChanged), this,
        &CDownloadDialog::SlotLevelChanged);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_level->setValue(kDefaultLevel);
}

void CDownloadDialog::SetRange(const QString& name, const QList<QPolygonF>& parts,
    const QList<double>& partAreas, const QString& saving)
{
    m_polygons = parts;
    double totalArea = 0.0;
    m_name->setText(name.isEmpty() ? QStringLiteral("(unnamed)") : name);
    m_parts->setRowCount(parts.size());
    for (int i = 0; i < parts.size(); ++i) {
        m_parts->setItem(i, 0, new QTableWidgetItem(QString::number(i + 1)));
        m_parts->setItem(i, 1, new QTableWidgetItem(QString::number(parts[i].size())));
        m_parts->setItem(i, 2, new QTableWidgetItem(km2(partAreas.value(i))));
        totalArea += partAreas.value(i);
    }
    m_area->setText(km2(totalArea));
    m_saving->setText(saving);
    SlotLevelChanged(m_level->value());
}

void CDownloadDialog::SetLevel(int level)
{
    m_level->setValue(level);
}

int CDownloadDialog::Level() const
{
    return m_level->value();
}

void CDownloadDialog::SlotLevelChanged(int level)
{
    m_tileCount = hostgeometry::TileCount(m_polygons, level);
    m_tiles->setText(
        QLocale::c().toString(m_tileCount) + QStringLiteral(" tiles of 256 × 256 pixels"));
}
