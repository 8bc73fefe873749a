#include "ui/dialogs/pickers/SearchTermsFixed.h"

namespace {

bool IsSeparator(QChar c)
{
    for (const char16_t separator : kFixedTermSeparators)
        if (separator != 0 && c == QChar(separator))
            return true;
    return false;
}

} // namespace

int SplitSearchTermsFixed(const QString& text, QStringList* terms)
{
    if (!terms)
        return 0;
    terms->clear();
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size() && terms->size() < kMaxFixedTerms; ++i) {
        if (i < text.size() && !IsSeparator(text[i]))
            continue;
        if (i > start)
            terms->append(text.mid(start, i - start));
        start = i + 1;
    }
    return int(terms->size());
}
