#include "OvCoordSystem/locate/NetworkDownDlg.h"

#include "ui_NetworkDownDlg.h"

#include <QApplication>
#include <QClipboard>

CNetworkDownDlg::CNetworkDownDlg(QWidget* parent)
    : CustomWidget(parent)
    , ui(new Ui::CNetworkDownDlg)
{
    ui->setupUi(contentWidget());
    setTitle(QStringLiteral("百度网盘下载链接"));
    resize(388, 144 + 32); // the form plus the title bar
    ui->OKPushButton->hide();
    connect(ui->OKPushButton, SIGNAL(clicked()), this, SLOT(SlotOKPushButtonClicked()));
    connect(ui->closePushButton, SIGNAL(clicked()), this, SLOT(SlotClosePushButtonClicked()));
    connect(ui->copyPushButton, SIGNAL(clicked()), this, SLOT(SlotCopyPushButtonClicked()));
}

CNetworkDownDlg::~CNetworkDownDlg()
{
    delete ui;
}

void CNetworkDownDlg::SetShareInfo(QString url, QString code)
{
    ui->urlLabel->setText(
        QStringLiteral("<a style='color: rgb(52,133,255); text-decoration: none' href = ") + url
        + QStringLiteral(">") + url);
    ui->pwdLabel->setText(
        QStringLiteral("<a style='color: rgb(0,0,0);text-decoration: none' href = ") + code
        + QStringLiteral(">") + code);
}

void CNetworkDownDlg::SlotOKPushButtonClicked()
{
    close();
}

void CNetworkDownDlg::SlotClosePushButtonClicked()
{
    close();
}

void CNetworkDownDlg::SlotCopyPushButtonClicked()
{
    QApplication::clipboard()->setText(ui->pwdLabel->text().right(4));
}
