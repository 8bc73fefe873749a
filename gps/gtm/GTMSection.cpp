#include "gps/gtm/GTMSection.h"

#include "gps/GPSText.h"

#include <algorithm>
#include <vector>

namespace gps::gtm {

void WriteString(ByteWriter& out, QByteArrayView text)
{
    if (text.size() <= kMaxStringLength) {
        out.WriteLengthString(text);
        return;
    }
    std::vector<char> field(size_t(kMaxStringLength) + 1);
    gps::CopyAnsiToField(field.data(), qsizetype(field.size()), text);
    out.WriteLengthString(gps::FieldText(field.data(), qsizetype(field.size())));
}

QByteArrayView NameText(const NameField& field)
{
    QByteArrayView name = gps::FieldText(field.data(), qsizetype(field.size()));
    while (!name.isEmpty() && name.back() == ' ')
        name.chop(1);
    return name;
}

NameField MakeName(QByteArrayView text)
{
    char cut[kNameSize + 1];
    gps::CopyAnsiToField(cut, qsizetype(sizeof cut), text);
    NameField field;
    field.fill(' ');
    const QByteArrayView name = gps::FieldText(cut, qsizetype(sizeof cut));
    std::copy(name.begin(), name.end(), field.begin());
    return field;
}

} // namespace gps::gtm
