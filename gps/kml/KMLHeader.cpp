#include "gps/kml/KMLHeader.h"

#include "gps/gpx/GPXText.h"

using namespace gps::gpx;

namespace {

// Position after the declaration at the start of text, 0 when there is none; -1 when it does
// not end or names another encoding than UTF-8.
qsizetype AfterDeclaration(QByteArrayView text)
{
    qsizetype at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    const qsizetype name = at + CKMLHeader::kDeclarationOpen.size();
    if (!text.sliced(at).startsWith(CKMLHeader::kDeclarationOpen) || name >= text.size()
        || (!IsBlank(text[name]) && text[name] != '?'))
        return 0;
    const qsizetype close = text.indexOf(CKMLHeader::kDeclarationClose, name);
    if (close < 0 || !DeclaresUtf8(text.sliced(name, close - name)))
        return -1;
    return close + CKMLHeader::kDeclarationClose.size();
}

} // namespace

bool CKMLHeader::Parse(QByteArrayView text, QByteArrayView* body)
{
    const qsizetype start = AfterDeclaration(text);
    if (start < 0)
        return false;
    const qsizetype root = text.indexOf(kRootOpen, start);
    if (root < 0)
        return false;
    const qsizetype rootEnd = TagEnd(text, root + kRootOpen.size());
    if (rootEnd < 0)
        return false;
    *body = text.sliced(rootEnd);
    return true;
}
