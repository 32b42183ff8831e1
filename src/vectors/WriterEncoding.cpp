#include "OvCoordSystem/vectors/WriterEncoding_p.h"

#include <QTextCodec>

namespace vectors {
namespace {

QTextCodec* commonCodec(int code)
{
    switch (code) {
    case Utf8Encoding:
        return QTextCodec::codecForName("UTF-8");
    case Latin1Encoding:
        return QTextCodec::codecForName("ISO-8859-1");
    case SystemEncoding:
        return QTextCodec::codecForName("System");
    default:
        return nullptr;
    }
}

} // namespace

QTextCodec* gdalTextCodec(int code)
{
    QTextCodec* codec = commonCodec(code);
    return codec ? codec : QTextCodec::codecForName("GB18030");
}

QTextCodec* fileTextCodec(int code)
{
    QTextCodec* codec = commonCodec(code);
    return codec ? codec : QTextCodec::codecForLocale();
}

} // namespace vectors
