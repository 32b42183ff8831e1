#include "OvCoordSystem/widgets/savers/ExportTileCustom.h"

#include "OvCoordSystem/host/DownloadTask.h"
#include "OvCoordSystem/host/export/Whole.h"
#include "OvCoordSystem/host/widgets/ZuMessageBox.h"
#include "OvCoordSystem/widgets/savers/TileNamePattern.h"

#include "WidgetTestSupport.h"

#include <QTreeWidget>

namespace {

using namespace widgettest;

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
// as EXPECTED has. (The tree's order: the ovcoord tiles tests.)
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
    // (Presets 3 and 5: the tests of the task's preset and of the saver widget.)
    const char* cases[][2] = {
        { "radioButton_2", "0/|  0/|    0.jpg …     7.jpg #104" },
        { "radioButton_1", "0/|  0_0.jpg|1/|  0_0.jpg|  1_0.jpg …   7_7.jpg #89" },
        { "HEX {z}\\{x+9}\\{y}", "1/|  00000A/|    000001.jpg …     000008.jpg #104" },
        { "hex {z}\\{x+9}\\{y}", "1/|  00000a/ …     000008.jpg #104" },
        { "{z}\\{x}", "1/|  1.jpg|2/|  1.jpg|  2.jpg|3/ …   8.jpg #19" }, // rows: the same files
    };
    EXPECT_EQ(outline(&dialog, cases[1][1]), cases[1][1]);
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
    onModal([&](QWidget* modal) {
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
    onModal([](QWidget* modal) {
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

// Each tile is level 3, column 4, row 2 (counted from 1); "hex"/"HEX" ask for hexadecimal.
TEST(TileNamePattern, NamesOneTile)
{
    const char* cases[][3] = {
        { "{z-1}\\{x-1}_{y-1}", "", "2/3_1.jpg" },
        { "L{z-1}\\R{y-1}\\C{x-1}.png", "",
            "L2/R1/C3.jpg" }, // text after the last element: dropped
        { "t/{z}/a/{x}//{Y}", "", "t/3/a4/2.jpg" }, // the level folder keeps its prefix
        { "t/{z}_{x}_{y}", "", "t3_4_2.jpg" }, // no folder: separators dropped
        { "{z+15}\\{x+7}\\{y-5}", "HEX", "18/00000B/-000003.jpg" },
        { "{z}\\{x+7}_{y}", "hex", "3/00000b_000002.jpg" },
        { "{z}\\{x+99999999999999999999}_{y+abc}", "", "3/4_2.jpg" }, // offsets: 0
        { "{z}\\{x+9223372036854775807}", "", "3/9223372036854775811.jpg" },
        { "{x+1-2}\\{z--3}\\{y}", "", "/6/2.jpg" }, // "-" first, split at the first sign
        { "{z}\\{a}\\{b}", "", "3//.jpg" }, // unknown names show no number
        { "{z}\\{x}{a{y}}", "", "3/4.jpg" }, // nested: the body ends at the first "}"
        { "{z}\\{x}_{y-1", "", "3/4_1.jpg" }, // unclosed: the body runs to the end
        { "{z}_{q}", "", "" }, // neither column nor row
        { "{x}\\{y}", "", "" }, // no level
        { "no braces", "", "" },
    };
    for (const auto& c : cases) {
        const TileNumberFormat format { QByteArray(c[1]).toLower() == "hex",
            QByteArray(c[1]) == "HEX" };
        EXPECT_EQ(CTileNamePattern(QString::fromUtf8(c[0])).TilePath(3, 4, 2, format).join('/'),
            QString::fromUtf8(c[2]))
            << c[0];
    }
}

} // namespace
