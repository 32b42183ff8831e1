#include "ScreenshotWalk.h"

#include "HostWindow.h"
#include "LocationBar.h"
#include "MapInput.h"
#include "OptionsPanel.h"

#include "OvCoordSystem/host/map/IOvMapModule.h"
#include "OvCoordSystem/host/search/ILocationDataSearchModule.h"
#include "OvCoordSystem/host/widgets/HostFileDialog.h"
#include "OvCoordSystem/host/widgets/MessageBox.h"
#include "OvCoordSystem/locate/Locate.h"
#include "OvCoordSystem/widgets/coordsys/SpatialRefMakerWidget.h"
#include "OvCoordSystem/widgets/coordsys/TbtnCoord.h"
#include "OvCoordSystem/widgets/savers/DemSaverWidget.h"
#include "OvCoordSystem/widgets/savers/SaverWidget.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTimer>

namespace {
constexpr int kPollMs = 20;
// A share request may keep its waiting box up for two exchanges of 10 s each.
constexpr int kMaxWaitingPolls = 25000 / kPollMs;

// Command to its argument count; -1 for one or more.
const QMap<QString, int>& commands()
{
    static const QMap<QString, int> table {
        { QStringLiteral("view"), 3 },
        { QStringLiteral("maptype"), 1 },
        { QStringLiteral("format"), 1 },
        { QStringLiteral("coordinate"), -1 },
        { QStringLiteral("division"), -1 },
        { QStringLiteral("sheet"), 1 },
        { QStringLiteral("rectangle"), 4 },
        { QStringLiteral("merge"), -1 },
        { QStringLiteral("download"), 0 },
        { QStringLiteral("share"), 0 },
        { QStringLiteral("close-range"), 0 },
        { QStringLiteral("export"), -1 },
        { QStringLiteral("options"), 1 },
        { QStringLiteral("coordsys"), 1 },
        { QStringLiteral("parameters"), 0 },
        { QStringLiteral("custom-tiles"), 0 },
        { QStringLiteral("dem-spacing"), 0 },
        { QStringLiteral("merge-dialog"), 0 },
    };
    return table;
}

void closeModal(QWidget* modal)
{
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        QAbstractButton* button = box->escapeButton();
        if (!button && !box->buttons().isEmpty()) button = box->buttons().first();
        if (button) {
            button->click();
            return;
        }
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}
} // namespace

QString CScreenshotWalk::DefaultSteps()
{
    return QStringLiteral(
        "# Beijing, a typed coordinate, a division of three parts, a rectangle, a merge, the\n"
        "# options and their dialogs, Hainan's islands and a share link.\n"
        "view 116.40 39.91 9\n"
        "coordinate 116.397128,39.916527\n"
        "format 2\n"
        "division 110105\n"
        "download\n"
        "rectangle 116.20 39.80 116.45 39.98\n"
        "sheet J50D001005\n"
        "merge 110105 110108 110102\n"
        "maptype 2\n"
        "options coordinates\n"
        "coordsys 2\n"
        "parameters\n"
        "options tiles\n"
        "custom-tiles\n"
        "options elevation\n"
        "dem-spacing\n"
        "merge-dialog\n"
        "division 460000\n"
        "maptype 5\n"
        "division 110105\n"
        "share\n"
        "maptype 0\n");
}

bool CScreenshotWalk::Parse(const QString& text, QList<Step>& steps, QString& error)
{
    QList<Step> parsed;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        Step step;
        step.line = i + 1;
        step.args = line.split(QRegularExpression(QStringLiteral("\\s+")));
        step.command = step.args.takeFirst();
        const auto found = commands().find(step.command);
        if (found == commands().end()) {
            error = QStringLiteral("line %1: unknown step \"%2\"").arg(step.line).arg(step.command);
            return false;
        }
        const int count = found.value();
        if ((count < 0 && step.args.isEmpty()) || (count >= 0 && step.args.size() != count)) {
            error = QStringLiteral("line %1: \"%2\" takes %3 argument(s)")
                        .arg(step.line)
                        .arg(step.command)
                        .arg(count < 0 ? QStringLiteral("one or more") : QString::number(count));
            return false;
        }
        parsed << step;
    }
    steps = parsed;
    return true;
}

CScreenshotWalk::CScreenshotWalk(CHostWindow* window, const QString& directory)
    : m_window(window)
    , m_directory(directory)
{ }

bool CScreenshotWalk::Run(const QList<Step>& steps, QStringList& written, QString& error)
{
    if (!QDir().mkpath(m_directory)) {
        error = QStringLiteral("cannot make the folder %1").arg(m_directory);
        return false;
    }
    m_window->show();
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, &CScreenshotWalk::SlotPollModal);
    for (int i = 0; i < steps.size(); ++i) {
        m_command = steps[i].command;
        m_dialogShot = QImage();
        m_waitedPolls = 0;
        poll.start(kPollMs);
        runStep(steps[i]);
        poll.stop();
        QCoreApplication::processEvents();
        const QImage image = m_dialogShot.isNull() ? m_window->grab().toImage() : m_dialogShot;
        const QString path = QDir(m_directory)
                                 .filePath(QStringLiteral("%1-%2.png")
                                               .arg(i + 1, 2, 10, QLatin1Char('0'))
                                               .arg(steps[i].command));
        if (!image.save(path)) {
            error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
        written << path;
    }
    return true;
}

void CScreenshotWalk::SlotPollModal()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    // A share request's waiting box (Cancel only) gives way to the link dialog, or turns into a
    // failure message with OK; picture either instead.
    auto* waiting = qobject_cast<CMessageBox*>(modal);
    if (m_command == QLatin1String("share") && waiting && !waiting->button(QMessageBox::Ok)
        && ++m_waitedPolls < kMaxWaitingPolls)
        return;
    // Nested dialogs (a parameter dialog over its owner) are pictured once, the innermost.
    if (m_dialogShot.isNull()) m_dialogShot = modal->grab().toImage();
    closeModal(modal);
}

void CScreenshotWalk::drag(double lng1, double lat1, double lng2, double lat2)
{
    IOvMapModule* map = m_window->locate()->GetMapModule();
    auto* view = qobject_cast<QAbstractScrollArea*>(map->GetMapWidget());
    if (!view) return;
    QPoint a;
    QPoint b;
    map->WorldToScreen(a.rx(), a.ry(), lng1, lat1);
    map->WorldToScreen(b.rx(), b.ry(), lng2, lat2);
    m_window->mapInput()->SetArmed(true);
    QMouseEvent press(QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, b, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(
        QEvent::MouseButtonRelease, b, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &press);
    QApplication::sendEvent(view->viewport(), &move);
    QApplication::sendEvent(view->viewport(), &release);
}

void CScreenshotWalk::runStep(const Step& step)
{
    const QString& c = step.command;
    const QStringList& a = step.args;
    CLocate* locate = m_window->locate();
    COptionsPanel* options = m_window->optionsPanel();
    if (c == QLatin1String("view")) {
        locate->GetMapModule()->SetView(a[0].toDouble(), a[1].toDouble(), a[2].toInt());
    } else if (c == QLatin1String("maptype")) {
        m_window->SetMapType(a[0].toInt());
    } else if (c == QLatin1String("format")) {
        m_window->locationBar()->formatButton()->positionFormat(E_DEGREE_FOARMAT(a[0].toInt()));
    } else if (c == QLatin1String("coordinate")) {
        m_window->locationBar()->coordinateEdit()->setText(a.join(QLatin1Char(' ')));
        m_window->LocateCoordinate(
            a.join(QLatin1Char(' ')), m_window->locationBar()->degreeFormat());
    } else if (c == QLatin1String("division")) {
        QLineEdit* edit = m_window->locationBar()->divisionEdit();
        edit->setText(a.join(QLatin1Char(' ')));
        emit edit->returnPressed();
    } else if (c == QLatin1String("sheet")) {
        m_window->locationBar()->sheetEdit()->setText(a[0]);
        m_window->ShowMapSheet(a[0]);
    } else if (c == QLatin1String("rectangle")) {
        drag(a[0].toDouble(), a[1].toDouble(), a[2].toDouble(), a[3].toDouble());
    } else if (c == QLatin1String("merge")) {
        QList<QPair<QString, QString>> divisions;
        for (const QString& code : a) {
            QString resolved;
            QString name;
            if (CLocationBar::ResolveDivision(
                    GetOrCreateLocationDataSearchModule(), code, resolved, name))
                divisions << qMakePair(resolved, name);
        }
        m_window->MergeDivisions(divisions);
    } else if (c == QLatin1String("download")) {
        locate->SlotDownRange();
    } else if (c == QLatin1String("share")) {
        m_window->ShareRange();
    } else if (c == QLatin1String("close-range")) {
        locate->ClearMapLocate();
    } else if (c == QLatin1String("export")) {
        const QString path = a.join(QLatin1Char(' '));
        const HostFileDialog::Responder previous = HostFileDialog::setResponder(
            [path](const QString&, const QString&, const QString&) { return path; });
        m_window->ExportRange();
        HostFileDialog::setResponder(previous);
    } else if (c == QLatin1String("options")) {
        const QStringList pages = { QStringLiteral("coordinates"), QStringLiteral("tiles"),
            QStringLiteral("elevation") };
        options->ShowPage(COptionsPanel::Page(qMax(0, pages.indexOf(a[0]))));
    } else if (c == QLatin1String("coordsys")) {
        options->spatialRefMaker()->SetSpatialRef(E_COORDINATE_SYSTEM(a[0].toInt()));
    } else if (c == QLatin1String("parameters")) {
        options->spatialRefMaker()->SlotPushButtonParamClicked();
    } else if (c == QLatin1String("custom-tiles")) {
        // The naming dialog belongs to the custom layout.
        if (auto* custom = options->saver()->findChild<QAbstractButton*>(
                QStringLiteral("wgtCustomTilesRadioButton")))
            custom->click();
        QMetaObject::invokeMethod(options->saver(), "SlotWgtCustomTitlesPushButtonClicked");
    } else if (c == QLatin1String("dem-spacing")) {
        QMetaObject::invokeMethod(options->demSaver(), "SlotWgtSetDividePushButton");
    } else if (c == QLatin1String("merge-dialog")) {
        m_window->ChooseDivisionsToMerge();
    }
}
