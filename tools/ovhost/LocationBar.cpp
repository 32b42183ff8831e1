#include "LocationBar.h"

#include "OvCoordSystem/host/app/TextConvert.h"
#include "OvCoordSystem/host/search/ILocationDataSearchModule.h"
#include "OvCoordSystem/widgets/coordsys/TbtnCoord.h"

#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringListModel>
#include <QToolButton>

namespace {
constexpr int kMaxCompletions = 20;

QString completionText(const tagDivisionInfo& info)
{
    return ConvertStdStringToQString(info.name, "GB18030") + QStringLiteral("  ")
        + QString::fromStdString(info.code);
}

QToolButton* goButton(const QString& tip, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(QStringLiteral("Go"));
    button->setToolTip(tip);
    return button;
}
} // namespace

CLocationBar::CLocationBar(ILocationDataSearchModule* search, QWidget* parent)
    : QToolBar(QStringLiteral("Location"), parent)
    , m_search(search)
    , m_coordinate(new QLineEdit(this))
    , m_format(new TbtnCoord(this))
    , m_division(new QLineEdit(this))
    , m_completions(new QStringListModel(this))
    , m_sheet(new QLineEdit(this))
{
    setObjectName(QStringLiteral("locationBar"));
    setMovable(false);

    m_coordinate->setObjectName(QStringLiteral("coordinateEdit"));
    m_coordinate->setPlaceholderText(QStringLiteral("116.397128,39.916527"));
    m_coordinate->setToolTip(
        QStringLiteral("Longitude and latitude, in the degree format chosen beside (Ctrl+L)"));
    m_coordinate->setMinimumWidth(190);
    m_format->setToolTip(QStringLiteral("Degree format of typed and shown coordinates"));
    auto* formatName = new QLabel(this);
    formatName->setToolTip(m_format->toolTip());
    connect(m_format, &TbtnCoord::signalSetCoordText, formatName, &QLabel::setText);
    m_format->positionFormat(DEGREE_DECIMAL);
    QToolButton* coordinateGo = goButton(QStringLiteral("Locate the coordinate"), this);
    addWidget(new QLabel(QStringLiteral(" Coordinate "), this));
    addWidget(m_coordinate);
    addWidget(formatName);
    addWidget(m_format);
    addWidget(coordinateGo);
    addSeparator();

    m_division->setObjectName(QStringLiteral("divisionEdit"));
    m_division->setPlaceholderText(QStringLiteral("division name or code"));
    m_division->setToolTip(QStringLiteral(
        "An administrative division by name or six-digit code; pick from the list (Ctrl+F)"));
    m_division->setMinimumWidth(170);
    m_division->setClearButtonEnabled(true);
    auto* completer = new QCompleter(m_completions, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    m_division->setCompleter(completer);
    QToolButton* divisionGo = goButton(QStringLiteral("Show the division as the range"), this);
    addWidget(new QLabel(QStringLiteral(" Division "), this));
    addWidget(m_division);
    addWidget(divisionGo);
    addSeparator();

    m_sheet->setObjectName(QStringLiteral("sheetEdit"));
    m_sheet->setPlaceholderText(QStringLiteral("J50D001002"));
    m_sheet->setToolTip(
        QStringLiteral("A map-sheet number (GB/T 13989); a valid one becomes the range"));
    m_sheet->setMaximumWidth(120);
    QToolButton* sheetGo = goButton(QStringLiteral("Check the sheet and show its extent"), this);
    addWidget(new QLabel(QStringLiteral(" Sheet "), this));
    addWidget(m_sheet);
    addWidget(sheetGo);

    connect(m_coordinate, &QLineEdit::returnPressed, this, &CLocationBar::SlotCoordinateGo);
    connect(coordinateGo, &QToolButton::clicked, this, &CLocationBar::SlotCoordinateGo);
    connect(m_division, &QLineEdit::textEdited, this, &CLocationBar::SlotDivisionEdited);
    connect(m_division, &QLineEdit::returnPressed, this, &CLocationBar::SlotDivisionGo);
    connect(completer, QOverload<const QString&>::of(&QCompleter::activated), this,
        [this](const QString& text) {
            m_division->setText(text);
            SlotDivisionGo();
        });
    connect(divisionGo, &QToolButton::clicked, this, &CLocationBar::SlotDivisionGo);
    connect(m_sheet, &QLineEdit::returnPressed, this, &CLocationBar::SlotSheetGo);
    connect(sheetGo, &QToolButton::clicked, this, &CLocationBar::SlotSheetGo);
}

E_DEGREE_FOARMAT CLocationBar::degreeFormat() const
{
    return m_format->getCurrDmsType();
}

bool CLocationBar::ResolveDivision(
    ILocationDataSearchModule* search, const QString& text, QString& code, QString& name)
{
    if (!search) return false;
    const QString typed = text.trimmed();
    static const QRegularExpression trailingCode(QStringLiteral("(^|\\s)(\\d{6})$"));
    const QRegularExpressionMatch match = trailingCode.match(typed);
    tagDivisionInfo info;
    if (match.hasMatch()) {
        if (!search->FindDivision(match.captured(2).toStdString(), info)) return false;
    } else {
        const std::vector<tagDivisionInfo> found
            = search->FindDivisionsByName(ConvertQStringToStdString(typed, "GB18030"), 1);
        if (found.empty()) return false;
        info = found.front();
    }
    code = QString::fromStdString(info.code);
    name = ConvertStdStringToQString(info.name, "GB18030");
    return true;
}

void CLocationBar::SlotCoordinateGo()
{
    if (!m_coordinate->text().trimmed().isEmpty())
        emit SigLocateCoordinate(m_coordinate->text().trimmed(), degreeFormat());
}

void CLocationBar::SlotDivisionGo()
{
    const QString text = m_division->text();
    if (text.trimmed().isEmpty()) return;
    QString code;
    QString name;
    if (ResolveDivision(m_search, text, code, name))
        emit SigLocateDivision(code, name);
    else
        emit SigDivisionNotFound(text.trimmed());
}

void CLocationBar::SlotDivisionEdited(const QString& text)
{
    QStringList entries;
    if (m_search && !text.trimmed().isEmpty()) {
        for (const tagDivisionInfo& info : m_search->FindDivisionsByName(
                 ConvertQStringToStdString(text.trimmed(), "GB18030"), kMaxCompletions))
            entries << completionText(info);
        tagDivisionInfo info;
        if (entries.isEmpty() && m_search->FindDivision(text.trimmed().toStdString(), info))
            entries << completionText(info);
    }
    m_completions->setStringList(entries);
}

void CLocationBar::SlotSheetGo()
{
    if (!m_sheet->text().trimmed().isEmpty()) emit SigMapSheet(m_sheet->text().trimmed());
}
