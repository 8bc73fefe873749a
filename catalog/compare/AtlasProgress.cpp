#include "catalog/compare/AtlasProgress.h"

#include "catalog/window/IStatusText.h"
#include "platform/Tick.h"

#include <QThread>

namespace {

QString ProgressText(int number)
{
    return QString::number(number) + QStringLiteral("...");
}

} // namespace

AtlasProgress::AtlasProgress(IStatusText* status, TickSource tick)
    : status_(status), tick_(tick ? std::move(tick) : TickSource(platform::TickCount)),
      lastTick_(tick_())
{
}

void AtlasProgress::Step(int number)
{
    lastNumber_ = number;
    const quint32 now = tick_();
    // Unsigned difference: right across the tick count's wrap.
    if (now - lastTick_ <= kIntervalMs)
        return;
    lastTick_ = now;
    Show(ProgressText(number));
    QThread::yieldCurrentThread();
}

void AtlasProgress::ShowLast()
{
    Show(ProgressText(lastNumber_));
}

void AtlasProgress::Show(const QString& text)
{
    if (status_)
        status_->SetText(text);
}
