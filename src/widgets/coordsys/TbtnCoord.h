#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/geodesy/EkDegree.h"

#include <QToolButton>

class KtMenu;
class QAction;

// A drop-down button for the text form of coordinates: one of the four degree formats or, once
// switched to distance mode, a length unit. Each choice is reported by a signal with its value
// and one with the entry's text, for a label beside the button.
class OVCOORD_EXPORT TbtnCoord : public QToolButton
{
    Q_OBJECT
public:
    enum E_LENGTH_UNIT
    {
        LENGTH_METRE = 0,
        LENGTH_KILOMETRE = 1,
        LENGTH_ZHANG = 2 // 10/3 metres
    };
    Q_ENUM(E_LENGTH_UNIT)

    explicit TbtnCoord(QWidget* parent = nullptr);

    // Checks the entry of DMSTYPE (none for a value outside 0..3), makes it current and emits
    // signalPositionFormat, then signalSetCoordText with the entry's text (empty for none).
    void positionFormat(E_DEGREE_FOARMAT dmsType);
    // Replaces the menu by the three length units, metres checked.
    void setDistanceFormat();
    // Back to metres: checks "米" only, emits signalSetDistanceText and signalDistanceFormat.
    void distanceFormat();
    // Enables or disables the button; a disabled button draws its text at alpha 100.
    void SetEnabled(bool enabled);
    E_DEGREE_FOARMAT getCurrDmsType() const;

signals:
    void signalPositionFormat(E_DEGREE_FOARMAT dmsType);
    void signalDistanceFormat(TbtnCoord::E_LENGTH_UNIT unit);
    void signalSetCoordText(QString text);
    void signalSetDistanceText(QString text);

private slots:
    void slotPositionFormat();
    void slotDistanceFormat();

private:
    QAction* addChoice(KtMenu* menu, const char* gb18030Text, int value, const char* slot);
    // Checks the entry of UNIT only, emits its text, makes it current and emits it.
    void chooseUnit(int unit);

    E_DEGREE_FOARMAT m_dmsType = DEGREE_DECIMAL;
    KtMenu* m_positionMenu = nullptr;
    QAction* m_decimalAction = nullptr;
    QAction* m_packedAction = nullptr;
    QAction* m_colonsAction = nullptr;
    QAction* m_symbolsAction = nullptr;
    E_LENGTH_UNIT m_lengthUnit = LENGTH_METRE;
    QAction* m_metreAction = nullptr;
    QAction* m_kilometreAction = nullptr;
    QAction* m_zhangAction = nullptr;
};
