#pragma once

#include <QString>

#include <functional>

// Reads standard input one line at a time (a trailing carriage return dropped) and hands each
// line, decoded from the local 8-bit encoding, to TAKE with its number counted from 1. Empty lines
// and lines starting with "#" are skipped. Returns false when TAKE refused any line.
bool eachInputLine(const std::function<bool(const QString& line, long long number)>& take);

// Where a text came from, for messages: nothing for an argument (LINE 0), "line N: " for input
// line N.
QString lineOrigin(long long line);
