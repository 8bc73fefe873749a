#include "TemplateBytes.h"

#include <QString>

namespace fuzz {

namespace {

const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

} // namespace

QByteArray TemplateContent(Bytes bytes)
{
    QByteArray text(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    const qsizetype zero = text.indexOf('\0');
    if (zero >= 0)
        text.truncate(zero);
    if (text.startsWith(kUtf8Bom))
        text.remove(0, kUtf8Bom.size());
    return text;
}

std::optional<ByteCut> CutBytes(QByteArrayView text, QByteArrayView start, QByteArrayView end)
{
    const qsizetype at = text.indexOf(start);
    if (at < 0)
        return std::nullopt;
    const qsizetype begin = at + start.size();
    const qsizetype close = text.indexOf(end, begin);
    if (close < 0)
        return std::nullopt;
    return ByteCut{text.first(at).toByteArray(), text.sliced(begin, close - begin).toByteArray(),
                   text.sliced(close + end.size()).toByteArray()};
}

bool IsCleanUtf8(QByteArrayView bytes)
{
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

} // namespace fuzz
