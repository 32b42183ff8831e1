#include "OvCoordSystem/widgets/coordsys/DlgSetSpaced.h"

#include "ui_DlgSetSpaced.h"

#include "OvCoordSystem/host/app/SoftwareType.h"
#include "OvCoordSystem/host/app/TextConvert.h"

namespace {
const char kTitle[] = "\xbc\xe4\xbe\xe0\xc9\xe8\xd6\xc3"; // 间距设置
const QString kDefaultDistance = QStringLiteral("1000");
// The host edition whose own style sheet already styles these buttons.
constexpr int kPlainStyledSoftware = 3;
constexpr int kSignificantDigits = 6;
constexpr int kDegreeDecimals = 6;

double toMetres(double value, TbtnCoord::E_LENGTH_UNIT unit)
{
    if (unit == TbtnCoord::LENGTH_KILOMETRE) return value * 1000.0;
    if (unit == TbtnCoord::LENGTH_ZHANG) return value * 10.0 / 3.0;
    return value;
}

double fromMetres(double metres, TbtnCoord::E_LENGTH_UNIT unit)
{
    if (unit == TbtnCoord::LENGTH_KILOMETRE) return metres / 1000.0;
    if (unit == TbtnCoord::LENGTH_ZHANG) return metres / 10.0 * 3.0;
    return metres;
}

// TEXT read as degrees in FORMAT; a text that does not read is 0 degrees.
CEkDegree readDegrees(const QString& text, E_DEGREE_FOARMAT format)
{
    CEkDegree degree;
    degree.FromFormat(format, text.toLocal8Bit().toStdString());
    return degree;
}

QString degreeText(const CEkDegree& degree, E_DEGREE_FOARMAT format)
{
    return QString::fromLocal8Bit(degree.ToString(format).c_str());
}

// Drops trailing zeros after the point while more than two decimals remain, so that a fixed
// formatter's 1.000000 reads 1.00 and 0.008330 reads 0.00833.
QString withoutTrailingZeros(QString text)
{
    for (;;) {
        const QStringList parts = text.split(QLatin1Char('.'));
        if (parts.size() != 2 || parts.at(1).size() < 3 || !parts.at(1).endsWith(QLatin1Char('0')))
            return text;
        text.chop(1);
    }
}
} // namespace

CDlgSetSpaced::CDlgSetSpaced(QWidget* parent)
    : CustomWidget(parent)
    , m_ui(new Ui::CDlgSetSpacedClass)
{
    m_ui->setupUi(contentWidget());
    setTitle(ConvertCharArrayToQString(kTitle, "GB18030"));
    resize(350, 150);
    if (G_N_QUARRY_SOFTWARE_TYPE != kPlainStyledSoftware) {
        const QString common
            = QStringLiteral("QToolButton::menu-indicator { subcontrol-position: right center; }"
                             "QToolButton:hover { background-color: rgba(158, 160, 164, 20); }");
        m_ui->toolButton->setStyleSheet(QStringLiteral("QToolButton { border: none; "
                                                       "image: url(:/Resource/Scrollbar/"
                                                       "mark-downarrow-black.png); }")
            + common);
        m_ui->toolButton_2->setStyleSheet(
            QStringLiteral("QToolButton { border: none; text-align: left; }") + common);
    }

    m_ui->lineEdit->clear();
    m_ui->rbtnDistance->setChecked(true);
    m_eInputUnit = TbtnCoord::LENGTH_METRE;
    m_eInputFormat = DEGREE_DECIMAL;
    m_ui->toolButton->setDistanceFormat();
    m_ui->toolButton_2->setEnabled(false);
    connect(m_ui->toolButton_2, SIGNAL(signalPositionFormat(E_DEGREE_FOARMAT)), this,
        SLOT(slotPositionFormat(E_DEGREE_FOARMAT)));
    connect(m_ui->toolButton_2, SIGNAL(signalSetCoordText(QString)), this,
        SLOT(slotSetCoordText(QString)));
    connect(m_ui->toolButton, SIGNAL(signalDistanceFormat(TbtnCoord::E_LENGTH_UNIT)), this,
        SLOT(slotDistanceFormat(TbtnCoord::E_LENGTH_UNIT)));
    connect(m_ui->toolButton, SIGNAL(signalSetDistanceText(QString)), this,
        SLOT(slotSetDistanceText(QString)));
    connect(m_ui->rbtnDistance, SIGNAL(toggled(bool)), this, SLOT(slotDistanceChecked(bool)));
    connect(m_ui->rbtnLB, SIGNAL(toggled(bool)), this, SLOT(slotLBChecked(bool)));
    m_ui->lineEdit->setText(kDefaultDistance);
    m_ui->lineEdit_2->setText(kDefaultDistance);

    connect(m_ui->rbtnDistance, SIGNAL(clicked(bool)), this, SLOT(slotRbtnDistance(bool)));
    connect(m_ui->rbtnLB, SIGNAL(clicked(bool)), this, SLOT(slotRbtnLB(bool)));
    connect(m_ui->btnEnter, SIGNAL(clicked()), this, SLOT(slotBtnEnter()));
    connect(m_ui->cancel, SIGNAL(clicked()), this, SLOT(slotCance()));
}

CDlgSetSpaced::~CDlgSetSpaced() = default;

void CDlgSetSpaced::Preset(int kind, double horizontal, double vertical)
{
    if (kind == kDegrees) {
        m_ui->rbtnLB->setChecked(true);
        m_ui->lineEdit->setText(QString::number(horizontal, 'f', kDegreeDecimals));
        m_ui->lineEdit_2->setText(QString::number(vertical, 'f', kDegreeDecimals));
    } else if (kind == kMetres) {
        m_ui->rbtnDistance->setChecked(true);
        m_ui->lineEdit->setText(QString::number(horizontal, 'g', kSignificantDigits));
        m_ui->lineEdit_2->setText(QString::number(vertical, 'g', kSignificantDigits));
    } else {
        m_ui->rbtnDistance->setChecked(true);
        m_ui->lineEdit->setText(kDefaultDistance);
        m_ui->lineEdit_2->setText(kDefaultDistance);
    }
    m_nResultKind = kind;
    m_dHorizontal = horizontal;
    m_dVertical = vertical;
}

// A click on either kind puts the cursor in the horizontal spacing, ready for a new value.
void CDlgSetSpaced::slotRbtnDistance(bool checked)
{
    if (checked) m_ui->lineEdit->setFocus(Qt::OtherFocusReason);
}

void CDlgSetSpaced::slotRbtnLB(bool checked)
{
    if (checked) m_ui->lineEdit->setFocus(Qt::OtherFocusReason);
}

// The unit is chosen with the distance button; no unit list is connected any more.
void CDlgSetSpaced::slotCmbUnit(int) { }

void CDlgSetSpaced::slotBtnEnter()
{
    m_bAccepted = true;
    m_nResultKind = kDegrees;
    if (m_ui->rbtnDistance->isChecked()) {
        const QPair<double, double> metres = editsInMetres();
        m_dHorizontal = metres.first;
        m_dVertical = metres.second;
        m_nResultKind = kMetres;
    } else if (m_ui->rbtnLB->isChecked()) {
        const QPair<double, double> degrees = editsInDegrees();
        m_dHorizontal = degrees.first;
        m_dVertical = degrees.second;
    }
    close();
}

QPair<double, double> CDlgSetSpaced::editsInMetres() const
{
    return qMakePair(toMetres(m_ui->lineEdit->text().toDouble(), m_eInputUnit),
        toMetres(m_ui->lineEdit_2->text().toDouble(), m_eInputUnit));
}

QPair<double, double> CDlgSetSpaced::editsInDegrees() const
{
    const auto decimal = [this](const QString& text) {
        return degreeText(readDegrees(text, m_eInputFormat), DEGREE_DECIMAL).toDouble();
    };
    return qMakePair(decimal(m_ui->lineEdit->text()), decimal(m_ui->lineEdit_2->text()));
}

void CDlgSetSpaced::slotPositionFormat(E_DEGREE_FOARMAT eDmsType)
{
    for (QLineEdit* edit : { m_ui->lineEdit, m_ui->lineEdit_2 })
        edit->setText(
            withoutTrailingZeros(degreeText(readDegrees(edit->text(), m_eInputFormat), eDmsType)));
    m_eInputFormat = eDmsType;
}

void CDlgSetSpaced::slotDistanceFormat(TbtnCoord::E_LENGTH_UNIT unit)
{
    for (QLineEdit* edit : { m_ui->lineEdit, m_ui->lineEdit_2 })
        edit->setText(
            QString::number(fromMetres(toMetres(edit->text().toDouble(), m_eInputUnit), unit), 'g',
                kSignificantDigits));
    m_eInputUnit = unit;
}

void CDlgSetSpaced::slotSetCoordText(QString text)
{
    m_ui->label_5->setText(text);
}

void CDlgSetSpaced::slotSetDistanceText(QString text)
{
    m_ui->label_4->setText(text);
}

void CDlgSetSpaced::slotDistanceChecked(bool)
{
    if (!m_ui->rbtnDistance->isChecked()) return;
    m_ui->lineEdit->setText(kDefaultDistance);
    m_ui->lineEdit_2->setText(kDefaultDistance);
    m_eInputUnit = TbtnCoord::LENGTH_METRE;
    m_ui->toolButton->distanceFormat();
    m_ui->toolButton->setEnabled(true);
    m_ui->toolButton_2->setEnabled(false);
}

void CDlgSetSpaced::slotLBChecked(bool)
{
    if (!m_ui->rbtnLB->isChecked()) return;
    const QString one
        = degreeText(readDegrees(QStringLiteral("1"), m_eInputFormat), DEGREE_DECIMAL);
    m_ui->lineEdit_2->setText(one);
    m_ui->lineEdit->setText(one);
    m_eInputFormat = DEGREE_DECIMAL;
    m_ui->toolButton_2->positionFormat(DEGREE_DECIMAL);
    m_ui->toolButton->setEnabled(false);
    m_ui->toolButton_2->setEnabled(true);
}

void CDlgSetSpaced::slotCance()
{
    close();
}
