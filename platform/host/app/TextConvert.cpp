#include "OvCoordSystem/host/app/TextConvert.h"

#include <QTextCodec>

namespace {

QTextCodec* codecFor(const char* name)
{
    QTextCodec* codec = name ? QTextCodec::codecForName(name) : nullptr;
    return codec ? codec : QTextCodec::codecForName("UTF-8");
}

} // namespace

QByteArray ConvertQStringToQByteArray(const QString& text, const char* codec)
{
    return codecFor(codec)->fromUnicode(text);
}

QString ConvertQByteArrayToQString(const QByteArray& text, const char* codec)
{
    return codecFor(codec)->toUnicode(text);
}

std::string ConvertQStringToStdString(const QString& text, const char* codec)
{
    return ConvertQStringToQByteArray(text, codec).toStdString();
}

QString ConvertStdStringToQString(const std::string& text, const char* codec)
{
    return ConvertQByteArrayToQString(QByteArray::fromStdString(text), codec);
}

QString ConvertCharArrayToQString(const char* text, const char* codec)
{
    return text ? ConvertQByteArrayToQString(QByteArray(text), codec) : QString();
}
