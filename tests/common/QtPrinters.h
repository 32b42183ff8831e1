#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Readable failure messages: gtest prints Qt text as its UTF-8 bytes, not as 2-byte objects.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << "{ \"" << list.join(QStringLiteral("\", \"")).toStdString() << "\" }";
}
