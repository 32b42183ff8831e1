#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>

class ILocationDataSearchModule;
class QLineEdit;
class QListWidget;
class QPushButton;

// Chooses the divisions to merge into one download range: each added by name or code, kept in a
// list with a check box. OK stays disabled until at least one is checked.
class CMergeDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CMergeDialog(ILocationDataSearchModule* search, QWidget* parent = nullptr);

    // Adds the division TEXT stands for (see CLocationBar::ResolveDivision), checked; false when
    // there is none. A division already listed is checked again, not added twice.
    bool AddDivision(const QString& text);
    // Code and name of every checked division, in list order.
    QList<QPair<QString, QString>> CheckedDivisions() const;

private slots:
    void SlotAdd();
    void SlotUpdateOk();

private:
    ILocationDataSearchModule* m_search;
    QLineEdit* m_input;
    QListWidget* m_list;
    QPushButton* m_ok;
};
