#include "MergeDialog.h"

#include "LocationBar.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CMergeDialog::CMergeDialog(ILocationDataSearchModule* search, QWidget* parent)
    : QDialog(parent)
    , m_search(search)
    , m_input(new QLineEdit(this))
    , m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("mergeDialog"));
    setWindowTitle(QStringLiteral("Merge divisions into one range"));
    m_input->setObjectName(QStringLiteral("mergeInput"));
    m_input->setPlaceholderText(QStringLiteral("division name or code"));
    m_list->setObjectName(QStringLiteral("mergeList"));
    auto* add = new QPushButton(QStringLiteral("Add"), this);
    add->setToolTip(QStringLiteral("Add the division to the list"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(QStringLiteral("Merge"));

    auto* row = new QHBoxLayout;
    row->addWidget(m_input);
    row->addWidget(add);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Checked divisions become one range:"), this));
    layout->addLayout(row);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(360, 300);

    connect(add, &QPushButton::clicked, this, &CMergeDialog::SlotAdd);
    connect(m_input, &QLineEdit::returnPressed, this, &CMergeDialog::SlotAdd);
    connect(m_list, &QListWidget::itemChanged, this, &CMergeDialog::SlotUpdateOk);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    SlotUpdateOk();
}

bool CMergeDialog::AddDivision(const QString& text)
{
    QString code;
    QString name;
    if (!CLocationBar::ResolveDivision(m_search, text, code, name)) return false;
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->data(Qt::UserRole).toString() == code) {
            m_list->item(i)->setCheckState(Qt::Checked);
            return true;
        }
    }
    auto* item = new QListWidgetItem(name + QStringLiteral("  ") + code);
    item->setData(Qt::UserRole, code);
    item->setData(Qt::UserRole + 1, name);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
    m_list->addItem(item);
    SlotUpdateOk();
    return true;
}

QList<QPair<QString, QString>> CMergeDialog::CheckedDivisions() const
{
    QList<QPair<QString, QString>> divisions;
    for (int i = 0; i < m_list->count(); ++i) {
        const QListWidgetItem* item = m_list->item(i);
        if (item->checkState() == Qt::Checked)
            divisions << qMakePair(
                item->data(Qt::UserRole).toString(), item->data(Qt::UserRole + 1).toString());
    }
    return divisions;
}

void CMergeDialog::SlotAdd()
{
    if (m_input->text().trimmed().isEmpty()) return;
    if (AddDivision(m_input->text()))
        m_input->clear();
    else
        m_input->selectAll();
}

void CMergeDialog::SlotUpdateOk()
{
    m_ok->setEnabled(!CheckedDivisions().isEmpty());
}
