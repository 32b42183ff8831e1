#include "OvCoordSystem/widgets/savers/SaverWidget.h"

#include "ui_SaverWidget.h"

#include "OvCoordSystem/host/app/TextConvert.h"
#include "OvCoordSystem/host/export/ExportTypeReference.h"
#include "OvCoordSystem/widgets/savers/ExportTileCustom.h"

namespace {
const char kStyleSheet[] = "QWidget#content { background-color: rgb(237, 238, 238); }"
                           "* { outline: none; }"
                           "QPushButton { border: 1px solid #9EA0A4; background-color: white; "
                           "border-radius: 3px; }"
                           "QPushButton:hover:!focus { border: 1px solid #8DB0F8; "
                           "background-color: #DDEBFF; }"
                           "QPushButton:pressed, QPushButton:checked { border: 1px solid #5388f3; "
                           "background-color: #F1F2F4; padding-left: 2px; padding-right: 2px; }"
                           "QPushButton:focus:!hover { border: 1px solid #5388f3; "
                           "background-color: white; }"
                           "QPushButton:hover:focus { border: 1px solid #5388f3; "
                           "background-color: #B0D0FF; }";

struct ImageFormat
{
    const char* gb18030Text;
    E_SAVE_IMAGE_TYPE type;
};
const ImageFormat kImageFormats[] = {
    { "JPG(*.jpg)", SAVE_IMAGE_JPG }, { "PNG(*.png)", SAVE_IMAGE_PNG },
    { "\xbb\xec\xba\xcf\xc4\xa3\xca\xbd", SAVE_IMAGE_MIXED }, // 混合模式
};
} // namespace

CSaverWidget::CSaverWidget(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::CSaverWidget)
{
    m_ui->setupUi(this);
    InitDlg();
    m_ui->wgtCesTilesRadioButton->hide();
}

CSaverWidget::~CSaverWidget() = default;

void CSaverWidget::InitDlg()
{
    setStyleSheet(QString::fromLatin1(kStyleSheet));
    m_ui->wgtCustomTitlesPushButton->setEnabled(m_ui->wgtCustomTilesRadioButton->isChecked());
    InitSaveType();
    InitSlots();
}

void CSaverWidget::InitSaveType()
{
    for (const ImageFormat& format : kImageFormats)
        m_ui->wgtFormatComboBox->addItem(
            QIcon(), ConvertCharArrayToQString(format.gb18030Text, "GB18030"), format.type);
}

void CSaverWidget::InitSlots()
{
    connect(m_ui->wgtFormatComboBox, SIGNAL(currentIndexChanged(int)), this,
        SLOT(SlotWgtFormatComboBoxChanged(int)));
    connect(m_ui->wgtCustomTitlesPushButton, SIGNAL(clicked()), this,
        SLOT(SlotWgtCustomTitlesPushButtonClicked()));
    connect(m_ui->wgtOriginalTilesRadioButton, SIGNAL(toggled(bool)), this,
        SLOT(SlotWgtOriginalTilesRadioButtonStateChanged(bool)));
    connect(m_ui->wgtWordWindTilesRadioButton, SIGNAL(toggled(bool)), this,
        SLOT(SlotWgtWordWindTilesRadioButtonStateChanged(bool)));
    connect(m_ui->wgtCesTilesRadioButton, SIGNAL(toggled(bool)), this,
        SLOT(SlotWgtCesTilesRadioButtonStateChanged(bool)));
    connect(m_ui->wgtStanderTMSTilesRadioButton, SIGNAL(toggled(bool)), this,
        SLOT(SlotWgtStanderTMSTilesRadioButtonStateChanged(bool)));
    connect(m_ui->wgtArcGISTilesRadioButton, SIGNAL(toggled(bool)), this,
        SLOT(SlotWgtArcGISTilesRadioButtonStateChanged(bool)));
    connect(m_ui->wgtQuarryTilesRadioButton, SIGNAL(toggled(bool)), this,
        SLOT(SlotWgtQuarryTilesRadioButtonStateChanged(bool)));
    connect(m_ui->wgtCustomTilesRadioButton, SIGNAL(toggled(bool)), this,
        SLOT(SlotWgtCustomTilesRadioButtonStateChanged(bool)));
}

void CSaverWidget::UpdateExportType()
{
    m_exportType = GetExportType();
}

EXPORTTYPE CSaverWidget::GetExportType()
{
    const struct
    {
        const QRadioButton* button;
        EXPORTTYPE type;
    } byPriority[] = {
        { m_ui->wgtOriginalTilesRadioButton, EXPORT_ORIGINAL_TILES },
        { m_ui->wgtStanderTMSTilesRadioButton, EXPORT_STANDARD_TMS_TILES },
        { m_ui->wgtArcGISTilesRadioButton, EXPORT_ARCGIS_TILES },
        { m_ui->wgtCustomTilesRadioButton, EXPORT_CUSTOM_TILES },
        { m_ui->wgtWordWindTilesRadioButton, EXPORT_WORLDWIND_TILES },
        { m_ui->wgtCesTilesRadioButton, EXPORT_CES_TILES },
        { m_ui->wgtQuarryTilesRadioButton, EXPORT_QUARRY_TILES },
    };
    for (const auto& layout : byPriority)
        if (layout.button->isChecked()) return layout.type;
    return EXPORT_ORIGINAL_TILES;
}

E_SAVE_IMAGE_TYPE CSaverWidget::GetTileSaverImageType()
{
    return static_cast<E_SAVE_IMAGE_TYPE>(m_ui->wgtFormatComboBox->currentData().toInt());
}

std::string CSaverWidget::GetTileSaverReferenceName(CPropertySetObject& properties)
{
    properties.Clear();
    const EXPORTTYPE type = GetExportType();
    const std::string name = GetExportTypeReference(type);
    if (type == EXPORT_CUSTOM_TILES) {
        properties.SetProperty("XYZStyle", m_task.namingPattern);
        properties.SetProperty("XYZDecimal", m_task.hexadecimal);
        properties.SetProperty("XYZUpper", m_task.upperCase);
        properties.SetProperty("XYZFillZero", m_task.zeroFill);
    }
    return name;
}

// The image format is read when the host asks for it.
void CSaverWidget::SlotWgtFormatComboBoxChanged(int) { }

void CSaverWidget::SlotWgtCustomTitlesPushButtonClicked()
{
    if (!m_ui->wgtCustomTilesRadioButton->isChecked()) return;
    ExportTileCustom dialog(&m_task, this);
    dialog.exec();
}

void CSaverWidget::layoutToggled(bool checked)
{
    if (checked) m_exportType = GetExportType();
}

void CSaverWidget::SlotWgtOriginalTilesRadioButtonStateChanged(bool checked)
{
    layoutToggled(checked);
}

void CSaverWidget::SlotWgtWordWindTilesRadioButtonStateChanged(bool checked)
{
    layoutToggled(checked);
}

void CSaverWidget::SlotWgtCesTilesRadioButtonStateChanged(bool checked)
{
    layoutToggled(checked);
}

void CSaverWidget::SlotWgtStanderTMSTilesRadioButtonStateChanged(bool checked)
{
    layoutToggled(checked);
}

void CSaverWidget::SlotWgtArcGISTilesRadioButtonStateChanged(bool checked)
{
    layoutToggled(checked);
}

void CSaverWidget::SlotWgtQuarryTilesRadioButtonStateChanged(bool checked)
{
    layoutToggled(checked);
}

void CSaverWidget::SlotWgtCustomTilesRadioButtonStateChanged(bool checked)
{
    m_ui->wgtCustomTitlesPushButton->setEnabled(checked);
    layoutToggled(checked);
}
