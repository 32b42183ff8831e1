#include "OvCoordSystem/host/widgets/ZuMessageBox.h"

#include "OvCoordSystem/host/app/TextConvert.h"

#include <QMessageBox>

#include <utility>

namespace {

ZuMessageBox::Responder& installedResponder()
{
    static ZuMessageBox::Responder responder;
    return responder;
}

} // namespace

int ZuMessageBox::information(QWidget* parent, const QString& text, int buttons)
{
    if (const Responder& responder = installedResponder()) return responder(text, buttons);
    QMessageBox box(QMessageBox::Information,
        ConvertCharArrayToQString("\xcc\xe1\xca\xbe", "GB18030"), text,
        QMessageBox::StandardButtons(buttons), parent);
    return box.exec();
}

ZuMessageBox::Responder ZuMessageBox::setResponder(Responder responder)
{
    return std::exchange(installedResponder(), std::move(responder));
}
