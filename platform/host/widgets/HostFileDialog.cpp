#include "OvCoordSystem/host/widgets/HostFileDialog.h"

#include <QFileDialog>

#include <utility>

namespace {

HostFileDialog::Responder& installedResponder()
{
    static HostFileDialog::Responder responder;
    return responder;
}

} // namespace

QString HostFileDialog::getSaveFileName(QWidget* parent, const QString& caption,
    const QString& startPath, const QString& filter, QString* selectedFilter)
{
    if (const Responder& responder = installedResponder())
        return responder(caption, startPath, filter);
    return QFileDialog::getSaveFileName(parent, caption, startPath, filter, selectedFilter);
}

HostFileDialog::Responder HostFileDialog::setResponder(Responder responder)
{
    return std::exchange(installedResponder(), std::move(responder));
}
