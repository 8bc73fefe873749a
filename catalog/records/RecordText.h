#pragma once
// Text in the fixed-width char16_t fields of item records: a field of width N holds at most
// N - 1 code units and always ends with a 0 inside the field.
#include <QString>
#include <QStringView>

#include <cstddef>

// Copies text into field (width code units), cut to width - 1 units without splitting a
// surrogate pair; the rest of the field is filled with 0. A width below 1 writes nothing.
inline void SetFieldText(char16_t* field, qsizetype width, QStringView text)
{
    if (width < 1)
        return;
    qsizetype n = qMin(text.size(), width - 1);
    if (n > 0 && n < text.size() && text[n - 1].isHighSurrogate())
        --n;
    for (qsizetype i = 0; i < n; ++i)
        field[i] = text[i].unicode();
    for (qsizetype i = n; i < width; ++i)
        field[i] = 0;
}

template <std::size_t N>
void SetFieldText(char16_t (&field)[N], QStringView text)
{
    SetFieldText(field, qsizetype(N), text);
}

// The text of a field: up to its first 0, never past its width (a field without a 0, as an
// untrusted file may hold, reads as its whole width).
inline QString FieldText(const char16_t* field, qsizetype width)
{
    qsizetype n = 0;
    while (n < width && field[n] != 0)
        ++n;
    return QString(reinterpret_cast<const QChar*>(field), n);
}

template <std::size_t N>
QString FieldText(const char16_t (&field)[N])
{
    return FieldText(field, qsizetype(N));
}

// Forces the terminating 0 into the last unit of a field read from an untrusted source; a
// high surrogate left without its partner by that is cleared too.
template <std::size_t N>
void TerminateField(char16_t (&field)[N])
{
    static_assert(N > 0);
    field[N - 1] = 0;
    if constexpr (N > 1) {
        if (QChar::isHighSurrogate(field[N - 2]))
            field[N - 2] = 0;
    }
}
