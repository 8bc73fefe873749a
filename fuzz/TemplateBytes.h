#pragma once
// A template's bytes as the writers read them (up to the first zero byte, a UTF-8 byte-order
// mark dropped), cut at marker pairs by plain byte search, so that the writers' cuts can be
// checked without their code.
#include "FuzzTarget.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace fuzz {

// The parts around the first start marker and the first end marker after it.
struct ByteCut {
    QByteArray head, middle, tail;
};

// bytes up to the first zero byte, without a leading UTF-8 byte-order mark.
QByteArray TemplateContent(Bytes bytes);
// None when a marker is missing.
std::optional<ByteCut> CutBytes(QByteArrayView text, QByteArrayView start, QByteArrayView end);
// Whether the bytes are UTF-8 that decodes and encodes back unchanged.
bool IsCleanUtf8(QByteArrayView bytes);

} // namespace fuzz
