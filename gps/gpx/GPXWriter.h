#pragma once
// Builds the XML text that the GPX writer saves: one element or tag per line, indented by two
// spaces per level, every line ended by CR LF.
#include <QByteArray>
#include <QByteArrayView>

class GPXWriter {
public:
    static constexpr QByteArrayView kLineEnd = "\r\n";
    static constexpr int kIndent = 2;
    // The namespace of Garmin's GPX extensions (version 3).
    static constexpr QByteArrayView kGarminNamespace = "http://www.garmin.com/xmlschemas/GpxExtensions/v3";

    // "<name lat="..." lon="...">" with the coordinates as "%lf".
    void StartTag(int level, QByteArrayView name, double latitude, double longitude);
    void StartTag(int level, QByteArrayView name);
    void EndTag(int level, QByteArrayView name);
    // An element whose text is written as it is (numbers, times this program made).
    void Element(int level, QByteArrayView name, QByteArrayView text);
    // An element holding UTF-8 text, escaped.
    void TextElement(int level, QByteArrayView name, QByteArrayView text);
    // <extensions>, a Garmin extension element with its namespace, and one child holding text.
    void GarminExtension(int level, QByteArrayView extension, QByteArrayView child, QByteArrayView text);
    void EmptyLine();

    const QByteArray& text() const { return text_; }

private:
    void Line(int level, QByteArrayView text);

    QByteArray text_;
};
