#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/geodesy/EkDegree.h"
#include "OvCoordSystem/host/widgets/CustomWidget.h"
#include "OvCoordSystem/widgets/coordsys/TbtnCoord.h"

#include <memory>

namespace Ui {
class CDlgSetSpacedClass;
}

// The spacing dialog: a horizontal and a vertical spacing entered as a distance (metres,
// kilometres or zhang) or in degrees (any of the four degree formats). Run it modally after
// Preset; when IsAccepted(), the result kind says how to read the two spacings.
class OVCOORD_EXPORT CDlgSetSpaced : public CustomWidget
{
    Q_OBJECT
public:
    // Result kinds.
    enum
    {
        kUnset = 0,
        kDegrees = 1, // spacings in decimal degrees
        kMetres = 2 // spacings in metres
    };

    explicit CDlgSetSpaced(QWidget* parent = nullptr);
    ~CDlgSetSpaced() override;

    // Fills the form before it is shown. KIND 1 shows HORIZONTAL and VERTICAL as degrees
    // (6 decimals), 2 as distances (6 significant digits); any other kind shows 1000 metres.
    // The result kind and spacings become KIND, HORIZONTAL and VERTICAL.
    void Preset(int kind, double horizontal, double vertical);

    // Set for good once "确定" has been pressed.
    bool IsAccepted() const { return m_bAccepted; }
    int GetResultKind() const { return m_nResultKind; }
    double GetHorizontalSpacing() const { return m_dHorizontal; }
    double GetVerticalSpacing() const { return m_dVertical; }

private slots:
    void slotRbtnDistance(bool checked);
    void slotRbtnLB(bool checked);
    void slotCmbUnit(int index);
    void slotBtnEnter();
    void slotPositionFormat(E_DEGREE_FOARMAT eDmsType);
    void slotDistanceFormat(TbtnCoord::E_LENGTH_UNIT unit);
    void slotSetCoordText(QString text);
    void slotSetDistanceText(QString text);
    void slotDistanceChecked(bool checked);
    void slotLBChecked(bool checked);
    void slotCance();

private:
    // Both edits read in the input unit and converted to metres.
    QPair<double, double> editsInMetres() const;
    // Both edits read as degrees in the input degree format, in decimal degrees.
    QPair<double, double> editsInDegrees() const;

    std::unique_ptr<Ui::CDlgSetSpacedClass> m_ui;
    bool m_bAccepted = false;
    double m_dHorizontal = 0.0;
    double m_dVertical = 0.0;
    int m_nResultKind = kUnset;
    E_DEGREE_FOARMAT m_eInputFormat = DEGREE_DECIMAL;
    TbtnCoord::E_LENGTH_UNIT m_eInputUnit = TbtnCoord::LENGTH_METRE;
};
