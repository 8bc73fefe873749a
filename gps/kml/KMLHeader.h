#pragma once
// The prologue of a KML file: an optional XML declaration, then the kml root.
#include <QByteArrayView>

class CKMLHeader {
public:
    static constexpr QByteArrayView kDeclarationOpen = "<?xml";
    static constexpr QByteArrayView kDeclarationClose = "?>";
    static constexpr QByteArrayView kRootOpen = "<kml";

    // Accepts text that starts (after blanks) with an XML declaration whose encoding, when
    // named, is UTF-8 (any case, either quote), or with no declaration; then the first "<kml"
    // and the '>' that ends its start tag. On success *body views what follows that '>'.
    static bool Parse(QByteArrayView text, QByteArrayView* body);
};
