#pragma once

#include "OvCoordSystem/geodesy/EkDegree.h"

#include <QToolBar>

class ILocationDataSearchModule;
class QLineEdit;
class QStringListModel;
class QToolButton;
class TbtnCoord;

// The bar above the map: a typed coordinate with its degree format and a "go" button, a
// division search (name or code, completed from the division data) and a map-sheet number.
// It only reads what the user typed; the window does the locating.
class CLocationBar : public QToolBar
{
    Q_OBJECT
public:
    CLocationBar(ILocationDataSearchModule* search, QWidget* parent = nullptr);

    QLineEdit* coordinateEdit() const { return m_coordinate; }
    QLineEdit* divisionEdit() const { return m_division; }
    QLineEdit* sheetEdit() const { return m_sheet; }
    TbtnCoord* formatButton() const { return m_format; }
    E_DEGREE_FOARMAT degreeFormat() const;

    // The division TEXT stands for: an entry of the completion list ("name  code"), a six-digit
    // code or a name (the best match). False when the data has no such division.
    static bool ResolveDivision(
        ILocationDataSearchModule* search, const QString& text, QString& code, QString& name);

signals:
    void SigLocateCoordinate(QString text, E_DEGREE_FOARMAT format);
    void SigLocateDivision(QString code, QString name);
    // No division matches the text.
    void SigDivisionNotFound(QString text);
    void SigMapSheet(QString number);

private slots:
    void SlotCoordinateGo();
    void SlotDivisionGo();
    void SlotDivisionEdited(const QString& text);
    void SlotSheetGo();

private:
    ILocationDataSearchModule* m_search;
    QLineEdit* m_coordinate;
    TbtnCoord* m_format;
    QLineEdit* m_division;
    QStringListModel* m_completions;
    QLineEdit* m_sheet;
};
