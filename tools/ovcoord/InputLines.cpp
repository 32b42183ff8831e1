#include "InputLines.h"

#include <iostream>
#include <string>

bool eachInputLine(const std::function<bool(const QString& line, long long number)>& take)
{
    std::ios::sync_with_stdio(false);
    bool allTaken = true;
    std::string line;
    for (long long number = 1; std::getline(std::cin, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const QString text = QString::fromLocal8Bit(line.data(), static_cast<int>(line.size()));
        allTaken = take(text, number) && allTaken;
    }
    return allTaken;
}

QString lineOrigin(long long line)
{
    return line > 0 ? QStringLiteral("line %1: ").arg(line) : QString();
}
