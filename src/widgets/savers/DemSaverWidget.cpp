#include "OvCoordSystem/widgets/savers/DemSaverWidget.h"

#include "ui_DemSaverWidget.h"

#include "OvCoordSystem/host/app/TextConvert.h"
#include "OvCoordSystem/widgets/coordsys/DlgSetSpaced.h"

namespace {
struct DemFormat
{
    const char* gb18030Text;
    E_SAVE_IMAGE_TYPE type;
};
const DemFormat kFormats[] = {
    { "GeoTIF(*.tif)", SAVE_IMAGE_GEOTIFF },
    { "\xc4\xcf\xb7\xbd"
      "CASS(*.dat)",
        SAVE_IMAGE_CASS_DAT }, // 南方CASS(*.dat)
    { "\xce\xc4\xb1\xbe\xce\xc4\xbc\xfe(*.csv)", SAVE_IMAGE_CSV }, // 文本文件(*.csv)
    { "XYZ\xce\xc4\xbc\xfe(*.xyz)", SAVE_IMAGE_XYZ }, // XYZ文件(*.xyz)
};

// Sample points may be thinned to a spacing; a raster keeps its grid.
bool isPointFormat(int type)
{
    return type == SAVE_IMAGE_CASS_DAT || type == SAVE_IMAGE_CSV || type == SAVE_IMAGE_XYZ;
}

constexpr double kDefaultSpacing_m = 1000.0;
} // namespace

CDemSaverWidget::CDemSaverWidget(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::CDemSaverWidget)
{
    m_ui->setupUi(this);
    resize(535, 57);
    for (const DemFormat& format : kFormats)
        m_ui->wgtFormatComboBox->addItem(
            QIcon(), ConvertCharArrayToQString(format.gb18030Text, "GB18030"), format.type);
    SlotWgtFormatComboBoxChanged(0);
    connect(m_ui->wgtFormatComboBox, SIGNAL(currentIndexChanged(int)), this,
        SLOT(SlotWgtFormatComboBoxChanged(int)));
    connect(m_ui->wgtBlockCheckBox, SIGNAL(clicked()), this, SLOT(SlotWgtBlockCheckBoxClicked()));
    connect(
        m_ui->wgtSetDividePushButton, SIGNAL(clicked()), this, SLOT(SlotWgtSetDividePushButton()));
    connect(
        m_ui->wgtBlockCheckBox, SIGNAL(clicked(bool)), this, SLOT(SlotBlockCheckeBoxChecked(bool)));
}

CDemSaverWidget::~CDemSaverWidget() = default;

std::string CDemSaverWidget::GetSaverClassName(
    E_SAVE_IMAGE_TYPE& format, EXPORT_SPACE_TYPE& spaceType, QPointF& spacing) const
{
    const int type = m_ui->wgtFormatComboBox->currentData().toInt();
    spaceType = m_spaceType;
    spacing = m_spacing;
    format = static_cast<E_SAVE_IMAGE_TYPE>(type);
    if (type == SAVE_IMAGE_GEOTIFF) return "CGDALHeightFieldDataSaver";
    if (isPointFormat(type)) return "CHeightFieldSmaplePointDataSaver";
    return std::string();
}

void CDemSaverWidget::SlotWgtFormatComboBoxChanged(int row)
{
    if (isPointFormat(m_ui->wgtFormatComboBox->itemData(row).toInt())) {
        m_ui->wgtBlockCheckBox->setEnabled(true);
        m_ui->wgtBlockCheckBox->setChecked(m_bSpacing);
        m_ui->wgtSetDividePushButton->setEnabled(m_bSpacing);
    } else {
        m_ui->wgtBlockCheckBox->setEnabled(false);
        m_ui->wgtBlockCheckBox->setChecked(false);
        m_ui->wgtSetDividePushButton->setEnabled(false);
    }
}

void CDemSaverWidget::SlotWgtBlockCheckBoxClicked()
{
    m_bSpacing = m_ui->wgtBlockCheckBox->isChecked();
}

void CDemSaverWidget::SlotBlockCheckeBoxChecked(bool bChecked)
{
    if (bChecked)
        spacingDialog()->Preset(CDlgSetSpaced::kMetres, kDefaultSpacing_m, kDefaultSpacing_m);
    else
        spacingDialog()->Preset(CDlgSetSpaced::kUnset, 0.0, 0.0);
    SlotWgtFormatComboBoxChanged(m_ui->wgtFormatComboBox->currentIndex());
}

void CDemSaverWidget::SlotWgtSetDividePushButton()
{
    CDlgSetSpaced* dialog = spacingDialog();
    dialog->exec();
    if (!dialog->IsAccepted()) return;
    m_spaceType = static_cast<EXPORT_SPACE_TYPE>(dialog->GetResultKind());
    m_spacing = QPointF(dialog->GetHorizontalSpacing(), dialog->GetVerticalSpacing());
}

CDlgSetSpaced* CDemSaverWidget::spacingDialog()
{
    if (!m_spacingDialog) m_spacingDialog = new CDlgSetSpaced(this);
    return m_spacingDialog;
}
