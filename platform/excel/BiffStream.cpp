#include "OvCoordSystem/excel/BiffStream_p.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

// Record layouts follow Microsoft's [MS-XLS] (BIFF8). Only what a plain table needs is written:
// no formulas, no styles beyond the mandatory default ones, no row or index records (readers
// and Excel rebuild those).

namespace biff {
namespace {

constexpr quint16 kBof = 0x0809;
constexpr quint16 kEof = 0x000A;
constexpr quint16 kCodePage = 0x0042;
constexpr quint16 kWindow1 = 0x003D;
constexpr quint16 kFont = 0x0031;
constexpr quint16 kXf = 0x00E0;
constexpr quint16 kStyle = 0x0293;
constexpr quint16 kBoundSheet = 0x0085;
constexpr quint16 kSst = 0x00FC;
constexpr quint16 kExtSst = 0x00FF;
constexpr quint16 kContinue = 0x003C;
constexpr quint16 kDimensions = 0x0200;
constexpr quint16 kWindow2 = 0x023E;
constexpr quint16 kLabelSst = 0x00FD;
constexpr quint16 kNumber = 0x0203;

constexpr int kMaxRecordData = 8224; // longer data continues in CONTINUE records
constexpr quint16 kUtf16CodePage = 1200;
constexpr quint16 kBofGlobals = 0x0005;
constexpr quint16 kBofWorksheet = 0x0010;
constexpr int kFontCount = 4; // XF records may refer to fonts 0 to 3; index 4 does not exist
constexpr int kStyleXfCount = 15; // Excel expects 15 style formats before the cell formats
constexpr quint16 kCellXf = kStyleXfCount; // the one cell format every cell uses
constexpr quint8 kStringHighByte = 0x01; // UTF-16 characters, not Latin-1 bytes

// Little-endian writer of one growing byte buffer.
class Bytes
{
public:
    void u8(quint8 v) { m_data.append(char(v)); }
    void u16(quint16 v) { appendLe(v); }
    void u32(quint32 v) { appendLe(v); }
    void f64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, sizeof bits);
        appendLe(bits);
    }
    void bytes(const QByteArray& b) { m_data.append(b); }
    void patch32(int at, quint32 v) { qToLittleEndian(v, m_data.data() + at); }
    void patch16(int at, quint16 v) { qToLittleEndian(v, m_data.data() + at); }
    int size() const { return m_data.size(); }
    const QByteArray& data() const { return m_data; }

private:
    template <class T> void appendLe(T v)
    {
        char raw[sizeof(T)];
        qToLittleEndian(v, raw);
        m_data.append(raw, int(sizeof(T)));
    }
    QByteArray m_data;
};

bool fitsLatin1(const QChar* chars, int count)
{
    return std::all_of(chars, chars + count, [](QChar c) { return c.unicode() < 0x100; });
}

// Characters as Latin-1 bytes (the "compressed" form) or UTF-16LE units.
QByteArray characterBytes(const QChar* chars, int count, bool latin1)
{
    QByteArray out;
    out.reserve(latin1 ? count : 2 * count);
    for (int i = 0; i < count; ++i) {
        const quint16 u = chars[i].unicode();
        out.append(char(u & 0xFF));
        if (!latin1) out.append(char(u >> 8));
    }
    return out;
}

void record(Bytes& out, quint16 id, const Bytes& body)
{
    out.u16(id);
    out.u16(quint16(body.size()));
    out.bytes(body.data());
}

void bof(Bytes& out, quint16 substreamType)
{
    Bytes b;
    b.u16(0x0600); // BIFF8
    b.u16(substreamType);
    b.u16(0x0DBB); // build
    b.u16(0x07CC); // year
    b.u32(0); // file history
    b.u32(0x06); // lowest BIFF version that may read the file
    record(out, kBof, b);
}

void eof(Bytes& out)
{
    record(out, kEof, Bytes());
}

void globalsHeader(Bytes& out)
{
    Bytes codePage;
    codePage.u16(kUtf16CodePage);
    record(out, kCodePage, codePage);

    Bytes window; // the workbook window: position, size in twips, tab bar, first sheet active
    for (quint16 v : { 0, 0, 0x4000, 0x2000, 0x0038, 0, 0, 1, 0x0258 })
        window.u16(v);
    record(out, kWindow1, window);

    for (int i = 0; i < kFontCount; ++i) {
        Bytes font; // Arial 10 pt, regular; Excel substitutes for Chinese glyphs
        font.u16(200); // height in twips
        font.u16(0); // no attributes
        font.u16(0x7FFF); // automatic colour
        font.u16(400); // normal weight
        font.u16(0); // no super/subscript
        font.u8(0); // no underline
        font.u8(0); // family
        font.u8(0); // character set
        font.u8(0);
        const QString name = QStringLiteral("Arial");
        font.u8(quint8(name.size()));
        font.u8(0); // Latin-1 characters
        font.bytes(characterBytes(name.constData(), name.size(), true));
        record(out, kFont, font);
    }

    // Style formats 0-14, then the cell format 15: font 0, general number format, bottom
    // aligned, automatic pattern colours (0x40 / 0x41).
    for (int i = 0; i <= kStyleXfCount; ++i) {
        const bool style = i < kStyleXfCount;
        Bytes xf;
        xf.u16(0); // font
        xf.u16(0); // number format "General"
        xf.u16(style ? 0xFFF5 : 0x0001); // locked; style formats have no parent (0xFFF)
        xf.u8(0x20); // vertical alignment bottom
        xf.u8(0);
        xf.u8(0);
        xf.u8(style && i > 0 ? 0xF4 : 0x00); // which attributes differ from the parent
        xf.u32(0); // borders
        xf.u32(0);
        xf.u16(0x20C0);
        record(out, kXf, xf);
    }

    Bytes normal; // the built-in "Normal" style on format 0
    normal.u16(0x8000);
    normal.u8(0);
    normal.u8(0xFF);
    record(out, kStyle, normal);
}

// BOUNDSHEET of one visible worksheet; answers where its stream offset goes, patched later.
int boundSheet(Bytes& out, const QString& name)
{
    const bool latin1 = fitsLatin1(name.constData(), name.size());
    Bytes b;
    b.u32(0); // offset of the sheet's BOF, patched once known
    b.u8(0); // visible
    b.u8(0); // worksheet
    b.u8(quint8(name.size()));
    b.u8(latin1 ? 0 : kStringHighByte);
    b.bytes(characterBytes(name.constData(), name.size(), latin1));
    const int offsetAt = out.size() + 4;
    record(out, kBoundSheet, b);
    return offsetAt;
}

// Records that a text of `bytes` character bytes spans when its 3-byte header starts with
// `firstRoom` bytes left in the current record.
int recordSpan(int firstRoom, int bytes, int charSize)
{
    const int first = std::max(0, (firstRoom - 3) / charSize * charSize);
    if (first >= bytes) return 1;
    const int perContinue = (kMaxRecordData - 1) / charSize * charSize;
    return 1 + (bytes - first + perContinue - 1) / perContinue;
}

// SST with its CONTINUE records, and EXTSST, the index Excel uses to find a string quickly.
// A string's header never splits; its characters split only between characters, and each
// continued part starts again with the option byte. libfreexl (GDAL's XLS reader) follows a
// string into one CONTINUE record only, so a string never starts where it would span more
// records than it needs from a fresh one. Longer strings (above 8221 UTF-16 characters or
// 16444 Latin-1 ones) are valid but stay unreadable to libfreexl, whatever the layout.
class SharedStringWriter
{
public:
    explicit SharedStringWriter(Bytes& out)
        : m_out(out)
    { }

    void write(const QVector<QString>& texts, quint32 cellCount)
    {
        const int count = texts.size();
        const int perBucket = std::max(8, (count + 127) / 128); // at most 128 buckets
        QVector<QPair<quint32, quint16>> buckets;

        beginRecord(kSst);
        m_out.u32(cellCount);
        m_out.u32(quint32(count));
        for (int i = 0; i < count; ++i) {
            const QString& text = texts.at(i);
            const bool latin1 = fitsLatin1(text.constData(), text.size());
            const int charSize = latin1 ? 1 : 2;
            const int bytes = text.size() * charSize;
            if (room() < 3 + charSize
                || recordSpan(room(), bytes, charSize)
                    > recordSpan(kMaxRecordData, bytes, charSize))
                beginRecord(kContinue);
            if (i % perBucket == 0)
                buckets.append({ quint32(m_out.size()), quint16(m_out.size() - m_recordStart) });
            const quint8 options = latin1 ? 0 : kStringHighByte;
            m_out.u16(quint16(text.size()));
            m_out.u8(options);
            int done = 0;
            while (done < text.size()) {
                if (room() < charSize) {
                    beginRecord(kContinue);
                    m_out.u8(options);
                }
                const int part = std::min(room() / charSize, text.size() - done);
                m_out.bytes(characterBytes(text.constData() + done, part, latin1));
                done += part;
            }
        }
        endRecord();

        Bytes ext;
        ext.u16(quint16(perBucket));
        for (const auto& bucket : buckets) {
            ext.u32(bucket.first);
            ext.u16(bucket.second);
            ext.u16(0);
        }
        record(m_out, kExtSst, ext);
    }

private:
    int room() const { return kMaxRecordData - (m_out.size() - m_recordStart - 4); }

    void beginRecord(quint16 id)
    {
        if (m_recordStart >= 0) endRecord();
        m_recordStart = m_out.size();
        m_out.u16(id);
        m_out.u16(0);
    }

    void endRecord()
    {
        m_out.patch16(m_recordStart + 2, quint16(m_out.size() - m_recordStart - 4));
    }

    Bytes& m_out;
    int m_recordStart = -1;
};

void worksheet(Bytes& out, const CellMap& cells, bool selected)
{
    bof(out, kBofWorksheet);

    Bytes dims; // first used row, last used row + 1, first used column, last used column + 1
    if (cells.empty()) {
        dims.u32(0);
        dims.u32(0);
        dims.u16(0);
        dims.u16(0);
    } else {
        quint32 firstColumn = 0xFF;
        quint32 lastColumn = 0;
        for (const auto& cell : cells) {
            firstColumn = std::min(firstColumn, cell.first & 0xFF);
            lastColumn = std::max(lastColumn, cell.first & 0xFF);
        }
        dims.u32(cells.begin()->first >> 8);
        dims.u32((cells.rbegin()->first >> 8) + 1);
        dims.u16(quint16(firstColumn));
        dims.u16(quint16(lastColumn + 1));
    }
    dims.u16(0);
    record(out, kDimensions, dims);

    for (const auto& cell : cells) {
        Bytes b;
        b.u16(quint16(cell.first >> 8));
        b.u16(quint16(cell.first & 0xFF));
        b.u16(kCellXf);
        if (cell.second.textIndex >= 0) {
            b.u32(quint32(cell.second.textIndex));
            record(out, kLabelSst, b);
        } else {
            b.f64(cell.second.number);
            record(out, kNumber, b);
        }
    }

    Bytes window; // sheet window: grid lines, headers, zeros shown; the first sheet selected
    window.u16(selected ? 0x06B6 : 0x00B6);
    window.u16(0); // top row
    window.u16(0); // left column
    window.u32(0x40); // automatic grid colour
    window.u16(0); // zoom in page-break preview: default
    window.u16(0); // zoom: default
    window.u32(0);
    record(out, kWindow2, window);

    eof(out);
}

} // namespace

QByteArray workbookStream(const QVector<SheetContent>& sheets, const QVector<QString>& texts)
{
    Bytes out;
    bof(out, kBofGlobals);
    globalsHeader(out);

    QVector<int> offsetFields;
    for (const SheetContent& sheet : sheets)
        offsetFields.append(boundSheet(out, sheet.name));

    quint32 textCells = 0;
    for (const SheetContent& sheet : sheets)
        for (const auto& cell : *sheet.cells)
            textCells += cell.second.textIndex >= 0 ? 1 : 0;
    if (!texts.isEmpty()) SharedStringWriter(out).write(texts, textCells);
    eof(out);

    for (int i = 0; i < sheets.size(); ++i) {
        out.patch32(offsetFields.at(i), quint32(out.size()));
        worksheet(out, *sheets.at(i).cells, i == 0);
    }
    return out.data();
}

} // namespace biff
