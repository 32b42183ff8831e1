#pragma once

// Allocation-free pieces of coordinate text reading: views of UTF-16 text, a short working copy
// kept on the stack, and numbers read exactly as QString::toDouble and QString::toInt read them.

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

namespace coordtext {

using Text = std::u16string_view;

constexpr char16_t kDegreeSign = u'\u00B0'; // °
constexpr char16_t kMinuteSign = u'\u2032'; // ′
constexpr char16_t kSecondSign = u'\u2033'; // ″
constexpr char16_t kFullWidthComma = u'\uFF0C'; // ，
constexpr char16_t kFullWidthColon = u'\uFF1A'; // ：

inline Text view(const QString& text)
{
    return Text(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
}

inline QString toQString(Text text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<int>(text.size()));
}

inline bool contains(Text text, char16_t c)
{
    return text.find(c) != Text::npos;
}

size_t count(Text text, char16_t c);

// The text before the first C (all of it without one) and after it (empty without one).
Text before(Text text, char16_t c);
Text after(Text text, char16_t c);

// A working copy of a text: on the stack while it is short, on the heap beyond.
class ShortText
{
public:
    ShortText() = default;
    ShortText(const ShortText&) = delete;
    ShortText& operator=(const ShortText&) = delete;

    void push(char16_t c)
    {
        if (m_size == m_capacity) grow();
        m_data[m_size++] = c;
    }
    Text view() const { return Text(m_data, m_size); }

private:
    static constexpr size_t kInline = 96;

    void grow();

    char16_t m_inline[kInline];
    std::u16string m_spill;
    char16_t* m_data = m_inline;
    size_t m_size = 0;
    size_t m_capacity = kInline;
};

// An optional "-", ASCII digits, and optionally "." and more digits: the number pattern of
// coordinate text.
bool isNumber(Text text);

// QString::toDouble of TEXT: the value (0 when it is no number, infinite when it overflows) and
// whether it read.
struct Reading
{
    double value = 0.0;
    bool ok = false;
};
Reading toDouble(Text text);

// QString::toDouble(&ok) with 0 for a text that does not read.
inline double valueOrZero(Text text)
{
    const Reading r = toDouble(text);
    return r.ok ? r.value : 0.0;
}

// QString::toInt with 0 for a text that does not read; TEXT holds at most two characters.
int shortIntOrZero(Text text);

} // namespace coordtext
