#include "ui/views/FontTextMetrics.h"

QSize FontTextMetrics::TextSize(QStringView text) const
{
    return QSize(metrics_.horizontalAdvance(text.toString()), metrics_.height());
}
