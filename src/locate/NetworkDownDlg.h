#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/host/widgets/CustomWidget.h"

namespace Ui {
class CNetworkDownDlg;
}

// Shows a range's share link and its extraction code, with a button that copies the code.
class OVCOORD_EXPORT CNetworkDownDlg : public CustomWidget
{
    Q_OBJECT
public:
    explicit CNetworkDownDlg(QWidget* parent = nullptr);
    ~CNetworkDownDlg() override;

    // url opens in the system browser when clicked; code is the four-character extraction code.
    void SetShareInfo(QString url, QString code);

private slots:
    void SlotOKPushButtonClicked();
    void SlotClosePushButtonClicked();
    // Puts the extraction code (the last four characters of the code label) on the clipboard.
    void SlotCopyPushButtonClicked();

private:
    Ui::CNetworkDownDlg* ui;
};
