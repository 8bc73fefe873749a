#include "gps/gpx/GPXWriter.h"

#include "gps/gpx/GPXText.h"

using namespace gps::gpx;

void GPXWriter::Line(int level, QByteArrayView text)
{
    text_.append(qsizetype(level) * kIndent, ' ');
    text_ += text;
    text_ += kLineEnd;
}

void GPXWriter::StartTag(int level, QByteArrayView name, double latitude, double longitude)
{
    Line(level, '<' + name.toByteArray() + " lat=\"" + FormatNumber(latitude) + "\" lon=\"" + FormatNumber(longitude)
             + "\">");
}

void GPXWriter::StartTag(int level, QByteArrayView name) { Line(level, '<' + name.toByteArray() + '>'); }
void GPXWriter::EndTag(int level, QByteArrayView name) { Line(level, "</" + name.toByteArray() + '>'); }

void GPXWriter::Element(int level, QByteArrayView name, QByteArrayView text)
{
    const QByteArray tag = name.toByteArray();
    Line(level, '<' + tag + '>' + text.toByteArray() + "</" + tag + '>');
}

void GPXWriter::TextElement(int level, QByteArrayView name, QByteArrayView text)
{
    Element(level, name, Escape(text));
}

void GPXWriter::GarminExtension(int level, QByteArrayView extension, QByteArrayView child, QByteArrayView text)
{
    StartTag(level, "extensions");
    Line(level + 1, '<' + extension.toByteArray() + " xmlns:gpxx=\"" + kGarminNamespace.toByteArray() + "\">");
    TextElement(level + 2, child, text);
    EndTag(level + 1, extension);
    EndTag(level, "extensions");
}

void GPXWriter::EmptyLine() { text_ += kLineEnd; }
