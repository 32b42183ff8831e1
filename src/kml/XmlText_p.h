#pragma once

// Text pieces shared by the serialiser, which hands them to TinyXML, and the streaming printer,
// which writes what TinyXML would print.

#include <string>

namespace xmltext {

// VALUE in fixed notation with DECIMALS decimals, as "%.*f" in the C locale prints it (exact,
// ties to even) whatever locale is set.
void appendFixed(std::string& text, double value, int decimals);
std::string formatFixed(double value, int decimals);
// A number as the KML documents hold it: an int in full, a float with 6 decimals, a double
// with 9.
std::string formatNumber(int value);
std::string formatNumber(float value);
std::string formatNumber(double value);

// Whether TEXT is well-formed UTF-8: no stray continuation bytes, overlong forms, surrogates or
// code points above U+10FFFF.
bool isUtf8(const std::string& text);

// Appends VALUE to TEXT escaped as TinyXML prints text and attribute values: the five markup
// characters as entities and control characters below 32 as "&#xNN;"; other bytes unchanged.
void appendEscaped(std::string& text, const char* value, size_t size);

} // namespace xmltext
