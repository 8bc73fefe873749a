#pragma once
// The prologue and root of a GPX file: the XML declaration, the gpx root with its creator, and
// the time and bounds of the metadata element.
#include <QByteArray>
#include <QByteArrayView>

class CGPXHeader {
public:
    // Accepts an optional XML declaration whose encoding, when named, is UTF-8 (any case),
    // then comments, processing instructions or a document type, then the root element gpx.
    // On success *body views what follows the root's start tag (or the metadata element that
    // opens it); empty for a self-closing root.
    bool Parse(QByteArrayView text, QByteArrayView* body);

    QByteArray creator;
    QByteArray time;
    double maxlat = 0;
    double maxlon = 0;
    double minlat = 0;
    double minlon = 0;

private:
    // Position of the root's '<' after the declaration and the other prologue items; -1 when
    // the prologue is not acceptable.
    static qsizetype RootStart(QByteArrayView text);
    // Reads the metadata element when it is the root's first child; returns where the body
    // begins. False for a damaged metadata element.
    bool ParseMetadata(QByteArrayView text, qsizetype* bodyStart);
};
