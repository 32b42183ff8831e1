#include "OvCoordSystem/vectors/TextWriter.h"

#include "OvCoordSystem/vectors/WriterEncoding_p.h"
#include "OvCoordSystem/vectors/WriterErrors_p.h"

#include <QFileInfo>

namespace vectors {
namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QString delimiterOf(int code)
{
    switch (code) {
    case 1:
        return QStringLiteral("\t");
    case 2:
        return QStringLiteral(" ");
    case 3:
        return QStringLiteral(":");
    case 4:
        return QStringLiteral(";");
    default:
        return QStringLiteral(",");
    }
}

// Coordinates in the shortest text that reads back to the same double.
QString numberText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

// A value that holds the delimiter, a quote or a line break is quoted, quotes doubled, so that
// the columns still read back.
QString cellText(const QVariant& value, const QString& delimiter)
{
    QString text
        = value.type() == QVariant::Double ? numberText(value.toDouble()) : value.toString();
    const bool quote = text.contains(delimiter) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (!quote) return text;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString joined(const QVariantList& values, const QString& delimiter)
{
    QStringList cells;
    for (const QVariant& value : values)
        cells << cellText(value, delimiter);
    return cells.join(delimiter);
}

} // namespace

TextWriter::TextWriter() = default;

TextWriter::~TextWriter()
{
    close();
}

bool TextWriter::isDat() const
{
    return pathSuffix() == QLatin1String("DAT");
}

bool TextWriter::separatorOnEveryRecord() const
{
    // DAT parts a feature from the next with its separator line; TXT and CSV use the configured
    // delimiter on every line.
    return !isDat();
}

bool TextWriter::open()
{
    close();
    m_headerWritten = false;
    if (m_parameters.path.isEmpty()) {
        m_errorText = writererrors::kCreateFileFailed;
        return false;
    }
    m_file.setFileName(m_parameters.path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_errorText = writererrors::kCreateFileFailed;
        return false;
    }
    m_stream.setDevice(&m_file);
    m_stream.setCodec(fileTextCodec(m_encoding));
    return true;
}

void TextWriter::close()
{
    if (!m_file.isOpen()) return;
    m_stream.flush();
    if (m_stream.status() != QTextStream::Ok || m_file.error() != QFileDevice::NoError)
        m_errorText = writererrors::kWriteFailed;
    m_stream.setDevice(nullptr);
    m_file.close();
}

void TextWriter::writeHeader()
{
    m_stream << headerColumns(m_fields).join(QLatin1Char(',')) << kLineEnd;
    m_stream.flush();
    m_headerWritten = true;
}

bool TextWriter::writeRecord(const TextRecord& record)
{
    if (!m_file.isOpen()) {
        m_errorText = writererrors::kCreateFileFailed;
        return false;
    }
    const int* options = m_parameters.textOptions;
    if (isDat()) {
        const QString comma = QStringLiteral(",");
        m_stream << record.name << comma << record.remark << comma
                 << QString::number(record.x, 'f', 6) << comma << QString::number(record.y, 'f', 6)
                 << comma << QString::number(record.z, 'f', 6) << kLineEnd;
        if (record.separator)
            m_stream << (options[VectorWriteOptions::TextDatSeparator] == 0 ? QStringLiteral(" ")
                                                                            : QString())
                     << kLineEnd;
    } else {
        if (!m_headerWritten) writeHeader();
        const QString delimiter = record.separator
            ? delimiterOf(options[VectorWriteOptions::TextDelimiter])
            : QStringLiteral(",");
        m_stream << joined(recordValues(record, m_fields), delimiter) << kLineEnd;
    }
    if (m_stream.status() == QTextStream::Ok) return true;
    m_errorText = writererrors::kWriteFailed;
    return false;
}

} // namespace vectors
