#include "OvCoordSystem/widgets/savers/ExportTileCustom.h"

#include "ui_ExportTileCustom.h"

#include "OvCoordSystem/host/DownloadTask.h"
#include "OvCoordSystem/host/app/TextConvert.h"
#include "OvCoordSystem/host/export/Adaptive.h"
#include "OvCoordSystem/host/export/Whole.h"
#include "OvCoordSystem/host/widgets/ZuMessageBox.h"
#include "OvCoordSystem/widgets/savers/TilePreview.h"

#include <QEvent>
#include <QToolTip>
#include <QTreeWidgetItem>

#include <functional>

namespace {
const char kTitle[] = "\xcd\xdf\xc6\xac\xd7\xd4\xb6\xa8\xd2\xe5"; // 瓦片自定义
// 自定义导出格式缺少“x”！ and the same for y and z.
const char kMissingX[] = "\xd7\xd4\xb6\xa8\xd2\xe5\xb5\xbc\xb3\xf6\xb8\xf1\xca\xbd\xc8\xb1\xc9\xd9"
                         "\xa1\xb0x\xa1\xb1\xa3\xa1";
const char kMissingY[] = "\xd7\xd4\xb6\xa8\xd2\xe5\xb5\xbc\xb3\xf6\xb8\xf1\xca\xbd\xc8\xb1\xc9\xd9"
                         "\xa1\xb0y\xa1\xb1\xa3\xa1";
const char kMissingZ[] = "\xd7\xd4\xb6\xa8\xd2\xe5\xb5\xbc\xb3\xf6\xb8\xf1\xca\xbd\xc8\xb1\xc9\xd9"
                         "\xa1\xb0z\xa1\xb1\xa3\xa1";
const QString kDefaultPattern = QStringLiteral("{z-1}\\{x-1}_{y-1}");
constexpr int kWidth = 521;
constexpr int kHeight = 370;
constexpr int kPreviewLevels = 4;
} // namespace

ExportTileCustom::ExportTileCustom(DownloadTask* task, QWidget* parent)
    : CustomWidget(parent)
    , m_ui(new Ui::ExportTileCustomClass)
    , m_task(task)
{
    for (const QIcon::Mode mode : { QIcon::Normal, QIcon::Selected }) {
        m_folderIcon.addFile(
            QStringLiteral(":/Resource/Tree/folder_on.png"), QSize(), mode, QIcon::On);
        m_folderIcon.addFile(
            QStringLiteral(":/Resource/Tree/folder_off.png"), QSize(), mode, QIcon::Off);
        m_imageIcon.addFile(
            QStringLiteral(":/Resource/Tree/tupian.png"), QSize(), mode, QIcon::Off);
    }

    m_ui->setupUi(contentWidget());
    setTitle(ConvertCharArrayToQString(kTitle, "GB18030"));
    loadTask();
    if (!Whole::m_bIsHaveHelp) m_ui->helpLabel->hide();
    m_ui->treeWidget->installEventFilter(this);
    m_ui->treeWidget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ui->treeWidget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    resize(static_cast<int>(kWidth * CAdaptive::m_fontScale),
        static_cast<int>(kHeight * CAdaptive::m_fontScale));

    connect(m_ui->radioButton_1, SIGNAL(clicked(bool)), this, SLOT(slotRadioButton_1(bool)));
    connect(m_ui->radioButton_2, SIGNAL(clicked(bool)), this, SLOT(slotRadioButton_2(bool)));
    connect(m_ui->radioButton_3, SIGNAL(clicked(bool)), this, SLOT(slotRadioButton_3(bool)));
    connect(m_ui->radioButton_5, SIGNAL(clicked(bool)), this, SLOT(slotRadioButton_5(bool)));
    connect(m_ui->rbHexadecimal, SIGNAL(toggled(bool)), this, SLOT(slotRbHexadecimal(bool)));
    connect(m_ui->rbDecimal, SIGNAL(toggled(bool)), this, SLOT(slotRbDecimal(bool)));
    connect(m_ui->isDxCheckBox, SIGNAL(toggled(bool)), this, SLOT(slotDxCheckBox(bool)));
    connect(m_ui->okButton, SIGNAL(clicked()), this, SLOT(slotOk()));
    connect(m_ui->cancelButton, SIGNAL(clicked()), this, SLOT(slotCancel()));
    connect(
        m_ui->customForm, SIGNAL(textChanged(QString)), this, SLOT(slotCustomFormChanged(QString)));
    // The help link shows the pattern grammar kept in the label's tool tip.
    connect(m_ui->helpLabel, &QLabel::linkActivated, this, [this] {
        QToolTip::showText(QCursor::pos(), m_ui->helpLabel->toolTip(), m_ui->helpLabel);
    });
}

ExportTileCustom::~ExportTileCustom() = default;

void ExportTileCustom::loadTask()
{
    if (m_task->hexadecimal) {
        m_ui->rbHexadecimal->setChecked(true);
        if (m_task->upperCase) m_ui->isDxCheckBox->setChecked(true);
    } else {
        m_ui->rbDecimal->setChecked(true);
    }
    for (QRadioButton* preset :
        { m_ui->radioButton_1, m_ui->radioButton_2, m_ui->radioButton_3, m_ui->radioButton_5 })
        if (m_task->namingPattern == preset->text()) preset->setChecked(true);
    m_ui->isDxCheckBox->setEnabled(!m_ui->rbDecimal->isChecked());
    QString pattern = m_task->namingPattern;
    if (pattern.isEmpty()) {
        pattern = kDefaultPattern;
        m_ui->radioButton_1->setChecked(true);
    }
    m_ui->customForm->setText(pattern);
    refreshPreview();
    m_ui->CheckBox0->setChecked(m_task->zeroFill);
}

bool ExportTileCustom::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->treeWidget
        && (event->type() == QEvent::Enter || event->type() == QEvent::Leave)) {
        const Qt::ScrollBarPolicy policy
            = event->type() == QEvent::Enter ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
        m_ui->treeWidget->setHorizontalScrollBarPolicy(policy);
        m_ui->treeWidget->setVerticalScrollBarPolicy(policy);
    }
    return CustomWidget::eventFilter(watched, event);
}

void ExportTileCustom::usePreset(const QRadioButton* preset, bool checked)
{
    if (checked) m_ui->customForm->setText(preset->text());
}

void ExportTileCustom::slotRadioButton_1(bool checked)
{
    usePreset(m_ui->radioButton_1, checked);
}

void ExportTileCustom::slotRadioButton_2(bool checked)
{
    usePreset(m_ui->radioButton_2, checked);
}

void ExportTileCustom::slotRadioButton_3(bool checked)
{
    usePreset(m_ui->radioButton_3, checked);
}

void ExportTileCustom::slotRadioButton_5(bool checked)
{
    usePreset(m_ui->radioButton_5, checked);
}

void ExportTileCustom::slotRbHexadecimal(bool checked)
{
    if (checked) m_ui->isDxCheckBox->setEnabled(true);
    refreshPreview();
}

void ExportTileCustom::slotRbDecimal(bool checked)
{
    if (checked) m_ui->isDxCheckBox->setChecked(false);
    refreshPreview();
}

void ExportTileCustom::slotDxCheckBox(bool)
{
    refreshPreview();
}

void ExportTileCustom::slotOk()
{
    m_pattern.Parse(m_ui->customForm->text());
    const bool complete = m_pattern.HasColumn() && m_pattern.HasRow() && m_pattern.HasLevel();
    if (!complete) {
        if (!m_pattern.HasColumn())
            ZuMessageBox::information(this, ConvertCharArrayToQString(kMissingX, "GB18030"));
        if (!m_pattern.HasRow())
            ZuMessageBox::information(this, ConvertCharArrayToQString(kMissingY, "GB18030"));
        if (!m_pattern.HasLevel())
            ZuMessageBox::information(this, ConvertCharArrayToQString(kMissingZ, "GB18030"));
    }
    m_task->hexadecimal = m_ui->rbHexadecimal->isChecked();
    m_task->upperCase = m_ui->isDxCheckBox->isChecked();
    m_task->namingPattern = m_ui->customForm->text();
    m_task->zeroFill = m_ui->CheckBox0->isChecked();
    if (complete) close();
}

void ExportTileCustom::slotCancel()
{
    close();
}

void ExportTileCustom::slotCustomFormChanged(QString text)
{
    m_pattern.Parse(text);
    m_ui->treeWidget->clear();
    TileNumberFormat format;
    format.hexadecimal = m_ui->rbHexadecimal->isChecked();
    format.upperCase = m_ui->isDxCheckBox->isChecked();
    const std::function<void(const std::vector<TilePreviewNode>&, QTreeWidgetItem*)> add
        = [&](const std::vector<TilePreviewNode>& nodes, QTreeWidgetItem* parent) {
              for (const TilePreviewNode& node : nodes) {
                  QTreeWidgetItem* item = parent ? new QTreeWidgetItem(parent)
                                                 : new QTreeWidgetItem(m_ui->treeWidget);
                  item->setText(0, node.text);
                  item->setIcon(0, node.folder ? m_folderIcon : m_imageIcon);
                  add(node.children, item);
              }
          };
    add(BuildTilePreview(m_pattern, format, kPreviewLevels), nullptr);
    m_ui->treeWidget->expandAll();
}

void ExportTileCustom::refreshPreview()
{
    slotCustomFormChanged(m_ui->customForm->text());
}
