#include "OvCoordSystem/widgets/savers/ExportTileCustom.h"
#include "OvCoordSystem/host/DownloadTask.h"
#include "OvCoordSystem/host/export/Adaptive.h"
#include "OvCoordSystem/host/export/Whole.h"
#include "OvCoordSystem/host/widgets/ZuMessageBox.h"

#include "WidgetShot.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

template <class T> T* child(QWidget& dialog, const char* name)
{
    T* found = dialog.findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// A folder's icon has pictures for the on state (expanded), an image's only for the off state.
bool isFolderIcon(const QIcon& icon)
{
    return !icon.availableSizes(QIcon::Normal, QIcon::On).isEmpty()
        && !icon.availableSizes(QIcon::Normal, QIcon::Off).isEmpty();
}

bool isImageIcon(const QIcon& icon)
{
    return icon.availableSizes(QIcon::Normal, QIcon::On).isEmpty()
        && !icon.availableSizes(QIcon::Normal, QIcon::Off).isEmpty();
}

// The tree as lines: two spaces per depth, folders end in "/" (folder icon, expanded), images in
// neither (image icon, no children).
void flatten(const QTreeWidgetItem* item, int depth, QStringList& lines)
{
    const bool folder = item->childCount() > 0;
    EXPECT_TRUE(folder ? isFolderIcon(item->icon(0)) : isImageIcon(item->icon(0)))
        << item->text(0).toStdString();
    if (folder) {
        EXPECT_TRUE(item->isExpanded()) << item->text(0).toStdString();
    }
    lines << QString(2 * depth, QLatin1Char(' ')) + item->text(0) + (folder ? "/" : "");
    for (int i = 0; i < item->childCount(); ++i)
        flatten(item->child(i), depth + 1, lines);
}

QStringList treeLines(ExportTileCustom& dialog)
{
    QStringList lines;
    QTreeWidget* tree = child<QTreeWidget>(dialog, "treeWidget");
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        flatten(tree->topLevelItem(i), 0, lines);
    return lines;
}

// Expected trees, written out level by level: z, x and y count from 1, n tiles per axis.
using Namer = std::function<void(QStringList&, int z, int n)>;
QStringList expectedTree(const Namer& level)
{
    QStringList lines;
    for (int z = 1, n = 1; z <= 4; ++z, n *= 2)
        level(lines, z, n);
    return lines;
}

const Namer kPreset1 = [](QStringList& lines, int z, int n) { // {z-1}\{x-1}_{y-1}
    lines << QString("%1/").arg(z - 1);
    for (int y = 1; y <= n; ++y)
        for (int x = 1; x <= n; ++x)
            lines << QString("  %1_%2.jpg").arg(x - 1).arg(y - 1);
};
const Namer kPreset2 = [](QStringList& lines, int z, int n) { // {z-1}\{x-1}\{y-1}
    lines << QString("%1/").arg(z - 1);
    for (int x = 1; x <= n; ++x) {
        lines << QString("  %1/").arg(x - 1);
        for (int y = 1; y <= n; ++y)
            lines << QString("    %1.jpg").arg(y - 1);
    }
};
const Namer kPreset3 = [](QStringList& lines, int z, int n) { // L{z-1}\R{y-1}\C{x-1}
    lines << QString("L%1/").arg(z - 1);
    for (int y = 1; y <= n; ++y) {
        lines << QString("  R%1/").arg(y - 1);
        for (int x = 1; x <= n; ++x)
            lines << QString("    C%1.jpg").arg(x - 1);
    }
};
const Namer kPreset5 = [](QStringList& lines, int z, int n) { // {z}\{x}-{y}
    lines << QString("%1/").arg(z);
    for (int y = 1; y <= n; ++y)
        for (int x = 1; x <= n; ++x)
            lines << QString("  %1-%2.jpg").arg(x).arg(y);
};

TEST(ExportTileCustom, EmptyTaskOpensWithTheFirstPresetInDecimal)
{
    DownloadTask task;
    ExportTileCustom dialog(&task);
    EXPECT_EQ(child<QLineEdit>(dialog, "customForm")->text(), "{z-1}\\{x-1}_{y-1}");
    EXPECT_TRUE(child<QRadioButton>(dialog, "radioButton_1")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(dialog, "rbDecimal")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(dialog, "isDxCheckBox")->isEnabled());
    const QStringList lines = treeLines(dialog);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], "0/");
    EXPECT_EQ(lines[1], "  0_0.jpg");
    EXPECT_EQ(lines, expectedTree(kPreset1));
    EXPECT_TRUE(task.namingPattern.isEmpty());
}

TEST(ExportTileCustom, PresetsPreviewTheirTrees)
{
    DownloadTask task;
    ExportTileCustom dialog(&task);
    const struct
    {
        const char* button;
        const char* pattern;
        Namer level;
    } presets[] = {
        { "radioButton_2", "{z-1}\\{x-1}\\{y-1}", kPreset2 },
        { "radioButton_3", "L{z-1}\\R{y-1}\\C{x-1}", kPreset3 },
        { "radioButton_5", "{z}\\{x}-{y}", kPreset5 },
        { "radioButton_1", "{z-1}\\{x-1}_{y-1}", kPreset1 },
    };
    for (const auto& preset : presets) {
        SCOPED_TRACE(preset.pattern);
        child<QRadioButton>(dialog, preset.button)->click();
        EXPECT_EQ(child<QLineEdit>(dialog, "customForm")->text(), preset.pattern);
        EXPECT_EQ(treeLines(dialog), expectedTree(preset.level));
    }
    const QStringList preset5 = expectedTree(kPreset5);
    EXPECT_EQ(preset5.mid(2, 5),
        QStringList({ "2/", "  1-1.jpg", "  2-1.jpg", "  1-2.jpg", "  2-2.jpg" }));
}

TEST(ExportTileCustom, HexadecimalColumnsFollowTheCaseBox)
{
    DownloadTask task;
    task.namingPattern = QStringLiteral("{z}\\{x+3}\\{y}");
    ExportTileCustom dialog(&task);
    QCheckBox* upper = child<QCheckBox>(dialog, "isDxCheckBox");
    child<QRadioButton>(dialog, "rbHexadecimal")->click();
    EXPECT_TRUE(upper->isEnabled());
    upper->click();
    const auto expected = [](bool upperCase) {
        return expectedTree([upperCase](QStringList& lines, int z, int n) {
            lines << QString("%1/").arg(z);
            for (int x = 1; x <= n; ++x) {
                const QString column = QString("%1").arg(x + 3, 6, 16, QChar('0'));
                lines << "  " + (upperCase ? column.toUpper() : column) + "/";
                for (int y = 1; y <= n; ++y)
                    lines << QString("    %1.jpg").arg(y, 6, 16, QChar('0'));
            }
        });
    };
    const QStringList upperLines = treeLines(dialog);
    EXPECT_EQ(upperLines, expected(true));
    EXPECT_TRUE(upperLines.contains("  00000B/"));
    upper->click();
    EXPECT_TRUE(treeLines(dialog).contains("  00000b/"));
    EXPECT_EQ(treeLines(dialog), expected(false));
    // Back to decimal: the case box is cleared and the numbers plain.
    upper->click();
    child<QRadioButton>(dialog, "rbDecimal")->click();
    EXPECT_FALSE(upper->isChecked());
    EXPECT_TRUE(treeLines(dialog).contains("  11/"));
}

TEST(ExportTileCustom, PreviewShowsWhatOddPatternsGive)
{
    DownloadTask task;
    ExportTileCustom dialog(&task);
    QLineEdit* form = child<QLineEdit>(dialog, "customForm");
    const struct
    {
        const char* pattern;
        QStringList firstLines;
        int lines;
    } cases[] = {
        { "no braces", {}, 0 },
        { "{x}\\{y}", {}, 0 },
        { "{z}", {}, 0 },
        { "{z", {}, 0 },
        { "{a{z}}\\{x}", {}, 0 },
        // Offsets beyond 64 bits are no numbers; {z--1} adds one.
        { "{z--1}/{x+99999999999999999999}_{y+abc}", { "2/", "  1_1.jpg", "3/" },
            4 + 1 + 4 + 16 + 64 },
        { "{z}_{x}{y}", { "1_11.jpg", "2_11.jpg", "2_21.jpg" }, 85 },
        // Every row of a level names the same files, once each.
        { "{z}\\{x}", { "1/", "  1.jpg", "2/", "  1.jpg", "  2.jpg" }, 4 + 1 + 2 + 4 + 8 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        form->setText(QString::fromUtf8(c.pattern));
        const QStringList lines = treeLines(dialog);
        EXPECT_EQ(lines.size(), c.lines);
        EXPECT_EQ(lines.mid(0, c.firstLines.size()), c.firstLines);
    }
    form->setText(QString(form->maxLength(), QLatin1Char('{')));
    EXPECT_EQ(treeLines(dialog).size(), 0);
    form->setText(
        QStringLiteral("{z}\\") + QString(20000, QLatin1Char('a')) + QStringLiteral("{x}"));
    EXPECT_EQ(treeLines(dialog).size(), 4 + 1 + 2 + 4 + 8);
}

TEST(ExportTileCustom, LoadsTheTaskIntoTheForm)
{
    DownloadTask task;
    task.namingPattern = QStringLiteral("L{z-1}\\R{y-1}\\C{x-1}");
    task.hexadecimal = true;
    task.upperCase = true;
    task.zeroFill = true;
    ExportTileCustom dialog(&task);
    EXPECT_TRUE(child<QRadioButton>(dialog, "radioButton_3")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(dialog, "rbHexadecimal")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "isDxCheckBox")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "isDxCheckBox")->isEnabled());
    EXPECT_TRUE(child<QCheckBox>(dialog, "CheckBox0")->isChecked());
    EXPECT_EQ(treeLines(dialog).mid(0, 3), QStringList({ "L0/", "  R000000/", "    C000000.jpg" }));
}

class ExportTileCustomOk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = ZuMessageBox::setResponder([this](const QString& text, int buttons) {
            m_messages << text;
            EXPECT_EQ(buttons, 1024);
            return 1024;
        });
    }
    void TearDown() override { ZuMessageBox::setResponder(m_previous); }

    QStringList m_messages;
    ZuMessageBox::Responder m_previous;
};

TEST_F(ExportTileCustomOk, IncompletePatternIsReportedKeptOpenAndStored)
{
    DownloadTask task;
    ExportTileCustom dialog(&task);
    bool openAfterOk = false;
    widgetshot::onNextModal([&](QWidget* modal) {
        child<QLineEdit>(*modal, "customForm")->setText(QStringLiteral("{z}_{x}"));
        child<QCheckBox>(*modal, "CheckBox0")->setChecked(true);
        child<QPushButton>(*modal, "okButton")->click();
        openAfterOk = modal->isVisible();
        child<QPushButton>(*modal, "cancelButton")->click();
    });
    dialog.exec();
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(m_messages, QStringList({ QString::fromUtf8("自定义导出格式缺少“y”！") }));
    EXPECT_EQ(task.namingPattern, "{z}_{x}");
    EXPECT_TRUE(task.zeroFill);

    m_messages.clear();
    child<QLineEdit>(dialog, "customForm")->setText(QStringLiteral("abc"));
    child<QPushButton>(dialog, "okButton")->click();
    EXPECT_EQ(m_messages,
        QStringList({ QString::fromUtf8("自定义导出格式缺少“x”！"),
            QString::fromUtf8("自定义导出格式缺少“y”！"),
            QString::fromUtf8("自定义导出格式缺少“z”！") }));
}

TEST_F(ExportTileCustomOk, CompletePatternClosesAndWritesTheTask)
{
    DownloadTask task;
    ExportTileCustom dialog(&task);
    widgetshot::onNextModal([&](QWidget* modal) {
        child<QRadioButton>(*modal, "radioButton_5")->click();
        child<QRadioButton>(*modal, "rbHexadecimal")->click();
        child<QCheckBox>(*modal, "isDxCheckBox")->click();
        child<QPushButton>(*modal, "okButton")->click();
    });
    dialog.exec();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_EQ(task.namingPattern, "{z}\\{x}-{y}");
    EXPECT_TRUE(task.hexadecimal);
    EXPECT_TRUE(task.upperCase);
    EXPECT_FALSE(task.zeroFill);
}

TEST(ExportTileCustom, CancelLeavesTheTask)
{
    DownloadTask task;
    task.namingPattern = QStringLiteral("{z}/{x}/{y}");
    ExportTileCustom dialog(&task);
    widgetshot::onNextModal([&](QWidget* modal) {
        child<QLineEdit>(*modal, "customForm")->setText(QStringLiteral("{z}"));
        child<QRadioButton>(*modal, "rbHexadecimal")->click();
        child<QPushButton>(*modal, "cancelButton")->click();
    });
    dialog.exec();
    EXPECT_EQ(task.namingPattern, "{z}/{x}/{y}");
    EXPECT_FALSE(task.hexadecimal);
}

TEST(ExportTileCustom, ScrollBarsShowWhileTheMouseIsOverThePreview)
{
    DownloadTask task;
    ExportTileCustom dialog(&task);
    QTreeWidget* tree = child<QTreeWidget>(dialog, "treeWidget");
    EXPECT_EQ(tree->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(tree, &enter);
    EXPECT_EQ(tree->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(tree->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(tree, &leave);
    EXPECT_EQ(tree->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(tree->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST(ExportTileCustom, HostSettingsSizeTheDialogAndHideHelp)
{
    DownloadTask task;
    const double scale = CAdaptive::m_fontScale;
    const bool help = Whole::m_bIsHaveHelp;
    CAdaptive::m_fontScale = 1.5;
    Whole::m_bIsHaveHelp = false;
    ExportTileCustom dialog(&task);
    CAdaptive::m_fontScale = scale;
    Whole::m_bIsHaveHelp = help;
    EXPECT_EQ(dialog.size(), QSize(781, 555));
    dialog.show();
    EXPECT_FALSE(child<QLabel>(dialog, "helpLabel")->isVisible());
}

TEST(ExportTileCustom, Screenshot)
{
    DownloadTask task;
    task.namingPattern = QStringLiteral("L{z-1}\\R{y-1}\\C{x-1}");
    ExportTileCustom dialog(&task);
    widgetshot::save(dialog, QStringLiteral("ExportTileCustom"), QSize(500, 350));
}

} // namespace
