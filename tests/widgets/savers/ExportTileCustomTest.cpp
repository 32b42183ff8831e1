#include "OvCoordSystem/widgets/savers/ExportTileCustom.h"
#include "OvCoordSystem/host/DownloadTask.h"
#include "OvCoordSystem/host/export/Whole.h"
#include "OvCoordSystem/host/widgets/ZuMessageBox.h"

#include "SaversTestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

using saverstest::child;

// The preview as lines: two spaces per depth, folders (folder icon with an on state, expanded)
// end in "/", images (image icon without one) in nothing.
void flatten(const QTreeWidgetItem* item, int depth, QStringList& lines)
{
    const bool folder = item->childCount() > 0;
    const QIcon icon = item->icon(0);
    EXPECT_EQ(!icon.availableSizes(QIcon::Normal, QIcon::On).isEmpty(), folder);
    EXPECT_TRUE(!icon.availableSizes(QIcon::Normal, QIcon::Off).isEmpty()
        && (item->isExpanded() || !folder));
    lines << QString(2 * depth, ' ') + item->text(0) + (folder ? "/" : "");
    for (int i = 0; i < item->childCount(); ++i)
        flatten(item->child(i), depth + 1, lines);
}

// The preview of levels 1 to 4 as "first|lines … last line #count", with as many first lines
// as EXPECTED has: the whole of levels 1 and 2 pins the order, the last line and count the rest.
QString outline(QWidget* dialog, const QString& expected)
{
    QStringList lines;
    const QTreeWidget* tree = child<QTreeWidget>(dialog, "treeWidget");
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        flatten(tree->topLevelItem(i), 0, lines);
    const QString cut = QString::fromUtf8(" … ");
    return lines.mid(0, expected.section(cut, 0, 0).count('|') + 1).join('|') + cut
        + lines.value(lines.size() - 1) + " #" + QString::number(lines.size());
}

TEST(ExportTileCustom, PresetsNumberFormatsAndOddPatternsPreviewTheirTrees)
{
    DownloadTask task; // empty: the first preset in decimal
    ExportTileCustom dialog(&task);
    QLineEdit* form = child<QLineEdit>(&dialog, "customForm");
    QCheckBox* upper = child<QCheckBox>(&dialog, "isDxCheckBox");
    EXPECT_FALSE(upper->isEnabled());
    // A preset button, or else the pattern typed, in hexadecimal after "hex " (upper case: "HEX ").
    const char* cases[][2] = {
        { "radioButton_2", "0/|  0/|    0.jpg|1/|  0/|    0.jpg|    1.jpg|  1/ …     7.jpg #104" },
        { "radioButton_3",
            "L0/|  R0/|    C0.jpg|L1/|  R0/|    C0.jpg|    C1.jpg|  R1/ …     C7.jpg #104" },
        { "radioButton_5",
            "1/|  1-1.jpg|2/|  1-1.jpg|  2-1.jpg|  1-2.jpg|  2-2.jpg …   8-8.jpg #89" },
        { "radioButton_1",
            "0/|  0_0.jpg|1/|  0_0.jpg|  1_0.jpg|  0_1.jpg|  1_1.jpg …   7_7.jpg #89" },
        { "HEX {z}\\{x+9}\\{y}", "1/|  00000A/|    000001.jpg …     000008.jpg #104" },
        { "hex {z}\\{x+9}\\{y}", "1/|  00000a/ …     000008.jpg #104" },
        { "{z}\\{x+9}\\{y}", "1/|  10/ …     8.jpg #104" }, { "no braces", " …  #0" },
        { "{z}\\{x}", "1/|  1.jpg|2/|  1.jpg|  2.jpg|3/ …   8.jpg #19" }, // rows: the same files
    };
    EXPECT_EQ(outline(&dialog, cases[3][1]), cases[3][1]);
    for (const auto& c : cases) {
        const QString name = QString::fromUtf8(c[0]);
        const bool hex = name.startsWith("hex ", Qt::CaseInsensitive);
        child<QRadioButton>(&dialog, hex ? "rbHexadecimal" : "rbDecimal")->setChecked(true);
        if (hex) upper->setChecked(name.startsWith("HEX"));
        if (QRadioButton* preset = child<QRadioButton>(&dialog, c[0]))
            preset->click();
        else
            form->setText(hex ? name.mid(4) : name);
        EXPECT_EQ(outline(&dialog, c[1]), c[1]) << c[0];
    }
    EXPECT_FALSE(upper->isChecked()); // decimal clears the case
    form->setText(QString(form->maxLength(), '{'));
    EXPECT_EQ(outline(&dialog, ""), QString::fromUtf8(" …  #0"));
    form->setText("{z}\\" + QString(20000, 'a') + "{x}");
    EXPECT_TRUE(outline(&dialog, "").endsWith("8.jpg #19"));
}

TEST(ExportTileCustom, OkReportsMissingVariablesCancelKeepsTheTaskAndHostSettingsApply)
{
    QStringList messages;
    const auto previous = ZuMessageBox::setResponder([&](const QString& text, int buttons) {
        messages << text + (buttons == 1024 ? "" : " (not OK only)");
        return 1024;
    });
    DownloadTask task;
    task.namingPattern = "L{z-1}\\R{y-1}\\C{x-1}";
    task.hexadecimal = task.upperCase = task.zeroFill = true;
    Whole::m_bIsHaveHelp = false;
    ExportTileCustom dialog(&task);
    Whole::m_bIsHaveHelp = true;
    for (const char* name : { "radioButton_3", "rbHexadecimal", "isDxCheckBox", "CheckBox0" })
        EXPECT_TRUE(child<QAbstractButton>(&dialog, name)->isChecked()) << name;
    bool openAfterOk = false;
    saverstest::onModal([&](QWidget* modal) {
        EXPECT_FALSE(child<QLabel>(modal, "helpLabel")->isVisible());
        child<QLineEdit>(modal, "customForm")->setText("{z}_{x}");
        child<QRadioButton>(modal, "rbDecimal")->click();
        child<QPushButton>(modal, "okButton")->click();
        openAfterOk = modal->isVisible();
        child<QLineEdit>(modal, "customForm")->setText("abc");
        child<QPushButton>(modal, "okButton")->click();
        child<QRadioButton>(modal, "radioButton_5")->click();
        child<QPushButton>(modal, "okButton")->click();
    });
    dialog.exec();
    ZuMessageBox::setResponder(previous);
    EXPECT_TRUE(openAfterOk && !dialog.isVisible());
    EXPECT_EQ(messages.join('|'),
        QString::fromUtf8("自定义导出格式缺少“y”！|自定义导出格式缺少“x”！|"
                          "自定义导出格式缺少“y”！|自定义导出格式缺少“z”！"));
    EXPECT_TRUE(task.namingPattern == "{z}\\{x}-{y}" && !task.hexadecimal && !task.upperCase
        && task.zeroFill);
    saverstest::onModal([](QWidget* modal) {
        child<QLineEdit>(modal, "customForm")->setText("{z}");
        child<QRadioButton>(modal, "rbHexadecimal")->click();
        child<QPushButton>(modal, "cancelButton")->click();
    });
    dialog.exec();
    EXPECT_TRUE(task.namingPattern == "{z}\\{x}-{y}" && !task.hexadecimal);
    // Scroll bars show only while the pointer is over the preview.
    QTreeWidget* preview = child<QTreeWidget>(&dialog, "treeWidget");
    for (const bool over : { true, false }) {
        QEvent event(over ? QEvent::Enter : QEvent::Leave);
        QCoreApplication::sendEvent(preview, &event);
        EXPECT_EQ(preview->verticalScrollBarPolicy() + preview->horizontalScrollBarPolicy(),
            2 * (over ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff));
    }
}

} // namespace
