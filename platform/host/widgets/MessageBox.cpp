#include "OvCoordSystem/host/widgets/MessageBox.h"

#include "OvCoordSystem/host/app/TextConvert.h"

CMessageBox::CMessageBox(QWidget* parent)
    : QMessageBox(parent)
{
    setWindowTitle(ConvertCharArrayToQString("\xcc\xe1\xca\xbe", "GB18030"));
}

void CMessageBox::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event); // rejects: exec() returns QDialog::Rejected
}
