#include "OvCoordSystem/widgets/savers/ExportTileCustom.h"
#include "OvCoordSystem/host/DownloadTask.h"
#include "OvCoordSystem/host/export/Adaptive.h"
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

template <class T> T* child(QWidget* dialog, const char* name)
{
    return dialog->findChild<T*>(QLatin1String(name));
}

// The preview as lines: two spaces per depth, folders (folder icon with an on state, expanded)
// end in "/", images (image icon without one) in nothing.
void flatten(const QTreeWidgetItem* item, int depth, QStringList& lines)
{
    const bool folder = item->childCount() > 0;
    const bool folderIcon = !item->icon(0).availableSizes(QIcon::Normal, QIcon::On).isEmpty();
    EXPECT_EQ(folderIcon, folder);
    EXPECT_FALSE(item->icon(0).availableSizes(QIcon::Normal, QIcon::Off).isEmpty());
    EXPECT_TRUE(item->isExpanded() || !folder);
    lines << QString(2 * depth, ' ') + item->text(0) + (folder ? "/" : "");
    for (int i = 0; i < item->childCount(); ++i)
        flatten(item->child(i), depth + 1, lines);
}

QStringList tree(QWidget* dialog)
{
    QStringList lines;
    const QTreeWidget* tree = child<QTreeWidget>(dialog, "treeWidget");
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        flatten(tree->topLevelItem(i), 0, lines);
    return lines;
}

// The expected tree of levels 1 to 4 (n tiles per axis), written out: LEVEL names a level's
// folder and ENTRIES the lines of tile (a, b) below it, a in the outer loop; a folder line is
// taken once, with b = 1. Counts start at 1.
using Entries = std::function<QStringList(int a, int b)>;
QStringList expected(std::function<QString(int)> level, Entries entries)
{
    QStringList lines;
    for (int z = 1, n = 1; z <= 4; ++z, n *= 2) {
        lines << level(z) + "/";
        for (int a = 1; a <= n; ++a)
            for (int b = 1; b <= n; ++b)
                for (const QString& line : entries(a, b))
                    if (b == 1 || !line.endsWith('/')) lines << line;
    }
    return lines;
}

QString num(int v)
{
    return QString::number(v);
}

TEST(ExportTileCustom, PresetsPreviewTheirTrees)
{
    DownloadTask task;
    ExportTileCustom dialog(&task);
    // An empty task opens with the first preset in decimal.
    EXPECT_EQ(child<QLineEdit>(&dialog, "customForm")->text(), "{z-1}\\{x-1}_{y-1}");
    EXPECT_FALSE(child<QCheckBox>(&dialog, "isDxCheckBox")->isEnabled());
    const auto zMinus1 = [](int z) { return num(z - 1); };
    const QStringList preset1 = expected(zMinus1,
        [](int y, int x) { return QStringList("  " + num(x - 1) + "_" + num(y - 1) + ".jpg"); });
    EXPECT_EQ(tree(&dialog).mid(0, 2), QStringList({ "0/", "  0_0.jpg" }));
    EXPECT_EQ(tree(&dialog), preset1);
    const struct
    {
        const char* button;
        QStringList tree;
    } presets[] = {
        { "radioButton_2",
            expected(zMinus1,
                [](int x, int y) {
                    return QStringList({ "  " + num(x - 1) + "/", "    " + num(y - 1) + ".jpg" });
                }) },
        { "radioButton_3",
            expected([](int z) { return "L" + num(z - 1); },
                [](int y, int x) {
                    return QStringList({ "  R" + num(y - 1) + "/", "    C" + num(x - 1) + ".jpg" });
                }) },
        { "radioButton_5",
            expected([](int z) { return num(z); },
                [](int y, int x) { return QStringList("  " + num(x) + "-" + num(y) + ".jpg"); }) },
        { "radioButton_1", preset1 },
    };
    for (const auto& preset : presets) {
        child<QRadioButton>(&dialog, preset.button)->click();
        EXPECT_EQ(child<QLineEdit>(&dialog, "customForm")->text(),
            child<QRadioButton>(&dialog, preset.button)->text());
        EXPECT_EQ(tree(&dialog), preset.tree) << preset.button;
    }
}

TEST(ExportTileCustom, HexadecimalAndOddPatterns)
{
    DownloadTask task;
    task.namingPattern = "{z}\\{x+3}\\{y}";
    ExportTileCustom dialog(&task);
    QCheckBox* upper = child<QCheckBox>(&dialog, "isDxCheckBox");
    child<QRadioButton>(&dialog, "rbHexadecimal")->click();
    upper->click();
    const auto hex = [](bool upperCase) {
        return expected([](int z) { return num(z); },
            [upperCase](int x, int y) {
                const QString column = QString("%1").arg(x + 3, 6, 16, QChar('0'));
                return QStringList({ "  " + (upperCase ? column.toUpper() : column) + "/",
                    "    " + QString("%1.jpg").arg(y, 6, 16, QChar('0')) });
            });
    };
    EXPECT_EQ(tree(&dialog), hex(true));
    EXPECT_TRUE(tree(&dialog).contains("  00000B/"));
    upper->click();
    EXPECT_EQ(tree(&dialog), hex(false));
    upper->click();
    child<QRadioButton>(&dialog, "rbDecimal")->click(); // clears the case box
    EXPECT_FALSE(upper->isChecked());
    EXPECT_TRUE(tree(&dialog).contains("  11/"));

    QLineEdit* form = child<QLineEdit>(&dialog, "customForm");
    const struct
    {
        QString pattern;
        int lines;
        QString first;
    } cases[] = {
        { "no braces", 0, "" },
        { "{z--1}/{x+99999999999999999999}_{y+abc}", 4 + 85, "2/|  1_1.jpg|3/" },
        { "{z}_{x}{y}", 85, "1_11.jpg|2_11.jpg|2_21.jpg" },
        { "{z}\\{x}", 4 + 15, "1/|  1.jpg|2/|  1.jpg|  2.jpg|3/" }, // rows name the same files
        { QString(form->maxLength(), '{'), 0, "" },
        { "{z}\\" + QString(20000, 'a') + "{x}", 4 + 15, "1/" },
    };
    for (const auto& c : cases) {
        form->setText(c.pattern);
        const QStringList lines = tree(&dialog);
        EXPECT_EQ(lines.size(), c.lines) << c.pattern.left(40).toStdString();
        const QStringList first = c.first.isEmpty() ? QStringList() : c.first.split('|');
        EXPECT_EQ(lines.mid(0, first.size()), first);
    }
}

TEST(ExportTileCustom, OkReportsMissingVariablesAndWritesTheTask)
{
    QStringList messages;
    const auto previous = ZuMessageBox::setResponder([&](const QString& text, int buttons) {
        messages << text + (buttons == 1024 ? "" : " (not OK only)");
        return 1024;
    });
    DownloadTask task;
    task.namingPattern = "L{z-1}\\R{y-1}\\C{x-1}";
    task.hexadecimal = task.upperCase = task.zeroFill = true;
    ExportTileCustom dialog(&task);
    EXPECT_TRUE(child<QRadioButton>(&dialog, "radioButton_3")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(&dialog, "isDxCheckBox")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(&dialog, "CheckBox0")->isChecked());
    EXPECT_EQ(tree(&dialog).mid(0, 3), QStringList({ "L0/", "  R000000/", "    C000000.jpg" }));
    bool openAfterOk = false;
    saverstest::onModal([&](QWidget* modal) {
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
    EXPECT_TRUE(openAfterOk);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(messages,
        QString::fromUtf8("自定义导出格式缺少“y”！|自定义导出格式缺少“x”！|"
                          "自定义导出格式缺少“y”！|自定义导出格式缺少“z”！")
            .split('|'));
    EXPECT_EQ(task.namingPattern, "{z}\\{x}-{y}");
    EXPECT_FALSE(task.hexadecimal || task.upperCase);
    EXPECT_TRUE(task.zeroFill);
}

TEST(ExportTileCustom, CancelScrollBarsAndHostSettings)
{
    DownloadTask task;
    task.namingPattern = "{z}/{x}/{y}";
    CAdaptive::m_fontScale = 1.5;
    Whole::m_bIsHaveHelp = false;
    ExportTileCustom dialog(&task);
    CAdaptive::m_fontScale = 1.0;
    Whole::m_bIsHaveHelp = true;
    EXPECT_EQ(dialog.size(), QSize(781, 555));
    saverstest::onModal([](QWidget* modal) {
        EXPECT_FALSE(child<QLabel>(modal, "helpLabel")->isVisible());
        child<QLineEdit>(modal, "customForm")->setText("{z}");
        child<QRadioButton>(modal, "rbHexadecimal")->click();
        child<QPushButton>(modal, "cancelButton")->click();
    });
    dialog.exec();
    EXPECT_EQ(task.namingPattern, "{z}/{x}/{y}");
    EXPECT_FALSE(task.hexadecimal);
    QTreeWidget* preview = child<QTreeWidget>(&dialog, "treeWidget");
    for (const auto type : { QEvent::Enter, QEvent::Leave }) {
        QEvent event(type);
        QCoreApplication::sendEvent(preview, &event);
        const auto policy = type == QEvent::Enter ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
        EXPECT_EQ(preview->verticalScrollBarPolicy(), policy);
        EXPECT_EQ(preview->horizontalScrollBarPolicy(), policy);
    }
    dialog.resize(521, 370);
    child<QRadioButton>(&dialog, "radioButton_3")->click();
    saverstest::screenshot(dialog, "ExportTileCustom", QSize(500, 350));
}

} // namespace
