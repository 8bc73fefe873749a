#include "catalog/text/WalkGpsNotice.h"

#include "catalog/window/IMessageBox.h"

namespace {

// One flag for the whole program: set by the first notice, cleared only by Reset.
bool noticeShown = false;

} // namespace

bool WalkGpsNotice::Show(IMessageBox* box, const QString& text)
{
    if (noticeShown || !box)
        return false;
    noticeShown = true;
    box->Show(text, MessageIcon::Exclamation);
    return true;
}

bool WalkGpsNotice::Shown()
{
    return noticeShown;
}

void WalkGpsNotice::Reset()
{
    noticeShown = false;
}
