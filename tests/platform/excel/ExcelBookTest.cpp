#include "XlsReaders.h"

#include "OvCoordSystem/excel/Book.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

// Every file is checked with two independent readers (libfreexl in C, xlrd in Python), which
// must both see exactly the sheets that were written; libfreexl gives up on texts beyond two
// records, so withFreexl false leaves such a file to xlrd alone.
void expectReadersSee(
    const QString& path, const QVector<XlsSheet>& expected, bool withFreexl = true)
{
    const QVector<XlsSheet> freexl = withFreexl ? readWithFreexl(path) : expected;
    const QVector<XlsSheet> xlrd = readWithXlrd(path);
    ASSERT_EQ(freexl.size(), expected.size()) << "libfreexl";
    ASSERT_EQ(xlrd.size(), expected.size()) << "xlrd";
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(freexl.at(i), expected.at(i)) << "libfreexl, sheet " << i;
        EXPECT_EQ(xlrd.at(i), expected.at(i)) << "xlrd, sheet " << i;
    }
}

} // namespace

class ExcelBook : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(ExcelBook, SeveralSheetsReadBackIdentically)
{
    // A layer table as the Excel stream writes it: a header, then one row per vertex with a
    // unique Chinese name, so that the shared-string table runs over many CONTINUE records.
    XlsSheet layer { QStringLiteral("图层一") };
    const QStringList header = { QStringLiteral("名称"), QStringLiteral("备注"),
        QStringLiteral("经度"), QStringLiteral("纬度"), QStringLiteral("海拔") };
    for (int c = 0; c < header.size(); ++c)
        layer.set(0, c, header.at(c));
    for (int r = 1; r < 3000; ++r) {
        layer.set(r, 0, QStringLiteral("北京市海淀区第%1号测量点").arg(r));
        layer.set(r, 1, r % 3 ? QStringLiteral("remark %1").arg(r) : QStringLiteral("备注"));
        layer.set(r, 2, 116.0 + r * 1e-6);
        layer.set(r, 3, 39.9 - r * 1e-6);
        layer.set(r, 4, double(r % 50));
    }

    XlsSheet texts { QStringLiteral("Texts") };
    texts.set(0, 0, QStringLiteral("Latin-1 only: café, naïve")); // stored one byte a character
    texts.set(1, 0, QStringLiteral("𠀀 outside the BMP, 测试")); // a surrogate pair
    // The longest texts libfreexl reads: each spans two records, the second one only if it
    // starts afresh after the first.
    texts.set(2, 0, QString(8221, QChar(0x4E2D)));
    texts.set(3, 0, QString(8221, QChar(0x6587)));
    texts.set(4, 0, QString(16444, QLatin1Char('x')));
    texts.set(5, 0, QStringLiteral("北京市海淀区第7号测量点")); // shared with the first sheet

    XlsSheet numbers { QStringLiteral("数值 (2)") };
    const double values[] = { 0.0, -1.5, 1e-300, -1e300, 4.9e-324, 123456789012345.0,
        std::numeric_limits<double>::max(), 0.1 };
    for (int i = 0; i < int(std::size(values)); ++i)
        numbers.set(5 + i, 3, values[i]); // the used area starts at D6

    XlsSheet empty { QStringLiteral("空表") };

    const QVector<XlsSheet> sheets = { layer, texts, numbers, empty };
    const QString file = path(QStringLiteral("导出.xls"));
    ASSERT_EQ(writeWorkbook(file, sheets), QString());
    expectReadersSee(file, sheets);
}

TEST_F(ExcelBook, RefusesWhatAnXlsSheetCannotHold)
{
    libxl::Book* book = xlCreateBookW();
    libxl::Sheet* sheet = book->addSheet(L"Sheet1");
    ASSERT_NE(sheet, nullptr);

    for (const auto& [row, col] : { std::pair { -1, 0 }, { 65536, 0 }, { 0, -1 }, { 0, 256 } }) {
        EXPECT_FALSE(sheet->writeNum(row, col, 1.0)) << row << "," << col;
        EXPECT_FALSE(sheet->writeStr(row, col, L"t")) << row << "," << col;
    }
    EXPECT_TRUE(sheet->writeNum(65535, 255, 1.0) && sheet->writeStr(65535, 255, L"t"));
    EXPECT_FALSE(sheet->writeNum(1, 0, std::numeric_limits<double>::quiet_NaN())
        || sheet->writeNum(1, 0, std::numeric_limits<double>::infinity())
        || sheet->writeStr(1, 0, nullptr)
        || sheet->writeStr(1, 0, std::wstring(32768, L'x').c_str()));
    EXPECT_STRNE(book->errorMessage(), "ok");
    EXPECT_TRUE(sheet->writeStr(1, 0, L"x") && std::string(book->errorMessage()) == "ok");

    for (const wchar_t* name : { static_cast<const wchar_t*>(nullptr), L"", L"sheet1", L"a/b",
             L"a:b", L"a[1]", L"why?", L"'quoted'", L"123456789012345678901234567890AB" })
        EXPECT_EQ(book->addSheet(name), nullptr)
            << (name ? QString::fromWCharArray(name) : "null").toStdString();
    EXPECT_NE(book->addSheet(L"三十一个字符以内的名称 it's fine"), nullptr);
    EXPECT_TRUE(book->sheetCount() == 2 && book->getSheet(0) == sheet && !book->getSheet(2)
        && !book->getSheet(-1));

    const QString file = path(QStringLiteral("limits.xls"));
    EXPECT_TRUE(book->save(file.toStdWString().c_str()));
    book->release();

    XlsSheet first { QStringLiteral("Sheet1") };
    first.set(65535, 255, QStringLiteral("t"));
    first.set(1, 0, QStringLiteral("x"));
    XlsSheet second { QStringLiteral("三十一个字符以内的名称 it's fine") };
    expectReadersSee(file, { first, second });
}

TEST_F(ExcelBook, FailedSaveLeavesNothingAndTheLastWriteWins)
{
    libxl::Book* book = xlCreateBookW();
    const QString noSheets = path(QStringLiteral("no-sheets.xls"));
    EXPECT_FALSE(book->save(noSheets.toStdWString().c_str()) || QFile::exists(noSheets));

    libxl::Sheet* sheet = book->addSheet(L"Sheet1");
    // An empty text empties the cell.
    EXPECT_TRUE(sheet->writeStr(0, 0, L"first") && sheet->writeNum(0, 0, 2.5)
        && sheet->writeNum(1, 1, 7.0) && sheet->writeStr(1, 1, L"last")
        && sheet->writeNum(2, 2, 1.0) && sheet->writeStr(2, 2, L"") && sheet->writeStr(0, 3, L""));
    for (const QString& bad : { QString(), path(QStringLiteral("missing/out.xls")), m_dir.path() })
        EXPECT_FALSE(book->save(bad.isNull() ? nullptr : bad.toStdWString().c_str()))
            << bad.toStdString();
    EXPECT_FALSE(book->save(L""));
    EXPECT_STRNE(book->errorMessage(), "ok");

    // Saving twice replaces the file with the book's current content.
    const QString file = path(QStringLiteral("twice.xls"));
    EXPECT_TRUE(book->save(file.toStdWString().c_str()) && sheet->writeNum(0, 1, 3.0)
        && book->save(file.toStdWString().c_str()));
    book->release();

    XlsSheet expected { QStringLiteral("Sheet1") };
    expected.set(0, 0, 2.5);
    expected.set(0, 1, 3.0);
    expected.set(1, 1, QStringLiteral("last"));
    expectReadersSee(file, { expected });
}

// 1800 texts of 4500 characters make an 8 MB workbook stream: more FAT sectors than the
// compound-file header can list, so the file needs a DIFAT chain.
TEST_F(ExcelBook, LargeWorkbookNeedsTheDifatChainLongestTextManyRecords)
{
    XlsSheet sheet { QStringLiteral("大表") };
    for (int r = 0; r < 1800; ++r) {
        sheet.set(r, 0, QStringLiteral("%1 ").arg(r) + QString(4500, QChar('a' + r % 26)));
        sheet.set(r, 1, double(r));
    }
    const QString file = path(QStringLiteral("large.xls"));
    ASSERT_EQ(writeWorkbook(file, { sheet }), QString());
    expectReadersSee(file, { sheet });
    int fatSectors = 0;
    readWithFreexl(file, &fatSectors);
    EXPECT_GT(fatSectors, 109);

    // The longest cell text Excel allows spans nine records: too long for libfreexl.
    XlsSheet longest { QStringLiteral("Sheet1") };
    longest.set(0, 0, QStringLiteral("名称"));
    longest.set(1, 0, QString(32767, QChar(0x4E2D)));
    longest.set(2, 0, QString(32767, QLatin1Char('y')));
    const QString longestFile = path(QStringLiteral("longest.xls"));
    ASSERT_EQ(writeWorkbook(longestFile, { longest }), QString());
    expectReadersSee(longestFile, { longest }, false);
}
