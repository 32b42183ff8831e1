#include "OvCoordSystem/widgets/coordsys/TbtnCoord.h"

#include "OvCoordSystem/host/app/TextConvert.h"
#include "OvCoordSystem/host/widgets/KtMenu.h"

#include <QAction>

namespace {
// Menu texts, GB18030 bytes.
const char kDecimalText[]
    = "\xca\xae\xbd\xf8\xd6\xc6\xd0\xa1\xca\xfd\xb6\xc8(D)"; // 十进制小数度(D)
const char kPackedText[] = "\xb6\xc8.\xb7\xd6\xc3\xeb(DDD.MMSS)"; // 度.分秒(DDD.MMSS)
const char kColonsText[] = "\xb6\xc8:\xb7\xd6:\xc3\xeb(DDD:MM:SS)"; // 度:分:秒(DDD:MM:SS)
// 度°分ˊ秒〞(DDD°MMˊSS〞)
const char kSymbolsText[]
    = "\xb6\xc8\xa1\xe3\xb7\xd6\xa8@\xc3\xeb\xa8\x95(DDD\xa1\xe3MM\xa8@SS\xa8\x95)";
const char kMetreText[] = "\xc3\xd7"; // 米
const char kKilometreText[] = "\xb9\xab\xc0\xef"; // 公里
const char kZhangText[] = "\xd5\xc9"; // 丈
} // namespace

TbtnCoord::TbtnCoord(QWidget* parent)
    : QToolButton(parent)
{
    setPopupMode(QToolButton::InstantPopup);
    setCursor(Qt::PointingHandCursor);
    m_positionMenu = new KtMenu(this);
    const char* slot = SLOT(slotPositionFormat());
    m_decimalAction = addChoice(m_positionMenu, kDecimalText, DEGREE_DECIMAL, slot);
    m_packedAction = addChoice(m_positionMenu, kPackedText, DEGREE_PACKED, slot);
    m_colonsAction = addChoice(m_positionMenu, kColonsText, DEGREE_COLONS, slot);
    m_symbolsAction = addChoice(m_positionMenu, kSymbolsText, DEGREE_SYMBOLS, slot);
    m_decimalAction->setChecked(true);
    setMenu(m_positionMenu);
}

QAction* TbtnCoord::addChoice(KtMenu* menu, const char* gb18030Text, int value, const char* slot)
{
    QAction* action = menu->addAction(ConvertCharArrayToQString(gb18030Text, "GB18030"));
    action->setCheckable(true);
    action->setData(value);
    connect(action, SIGNAL(triggered()), this, slot);
    return action;
}

void TbtnCoord::positionFormat(E_DEGREE_FOARMAT dmsType)
{
    if (!m_decimalAction || !m_packedAction || !m_colonsAction || !m_symbolsAction) return;
    QString text;
    for (QAction* action : { m_decimalAction, m_packedAction, m_colonsAction, m_symbolsAction }) {
        const bool chosen = action->data().toInt() == dmsType;
        action->setChecked(chosen);
        if (chosen) text = action->text();
    }
    m_dmsType = dmsType;
    emit signalPositionFormat(dmsType);
    emit signalSetCoordText(text);
}

void TbtnCoord::slotPositionFormat()
{
    if (const QAction* action = qobject_cast<QAction*>(sender()))
        positionFormat(static_cast<E_DEGREE_FOARMAT>(action->data().toInt()));
}

void TbtnCoord::setDistanceFormat()
{
    m_lengthUnit = LENGTH_METRE;
    KtMenu* menu = new KtMenu(this);
    const char* slot = SLOT(slotDistanceFormat());
    m_metreAction = addChoice(menu, kMetreText, LENGTH_METRE, slot);
    m_kilometreAction = addChoice(menu, kKilometreText, LENGTH_KILOMETRE, slot);
    m_zhangAction = addChoice(menu, kZhangText, LENGTH_ZHANG, slot);
    m_metreAction->setChecked(true);
    setMenu(menu);
}

void TbtnCoord::slotDistanceFormat()
{
    if (const QAction* triggered = qobject_cast<QAction*>(sender()))
        chooseUnit(triggered->data().toInt());
}

void TbtnCoord::distanceFormat()
{
    chooseUnit(LENGTH_METRE);
}

void TbtnCoord::chooseUnit(int unit)
{
    if (!m_metreAction || !m_kilometreAction || !m_zhangAction) return;
    for (QAction* action : { m_metreAction, m_kilometreAction, m_zhangAction }) {
        const bool chosen = action->data().toInt() == unit;
        action->setChecked(chosen);
        if (chosen) emit signalSetDistanceText(action->text());
    }
    m_lengthUnit = static_cast<E_LENGTH_UNIT>(unit);
    emit signalDistanceFormat(m_lengthUnit);
}

void TbtnCoord::SetEnabled(bool enabled)
{
    setEnabled(enabled);
    setStyleSheet(enabled ? QStringLiteral("color: rgb(0, 0, 0);")
                          : QStringLiteral("color: rgb(0, 0, 0, 100);"));
}

E_DEGREE_FOARMAT TbtnCoord::getCurrDmsType() const
{
    return m_dmsType;
}
