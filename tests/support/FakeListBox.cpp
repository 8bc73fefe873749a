#include "FakeListBox.h"

#include <algorithm>

void FakeListBox::DeleteAll()
{
    texts.clear();
    data.clear();
    selection = -1;
    calls << QStringLiteral("DeleteAll");
}

int FakeListBox::AddString(const QString& text)
{
    texts << text;
    data << 0;
    calls << QStringLiteral("AddString %1").arg(text);
    return int(texts.size()) - 1;
}

int FakeListBox::InsertString(int position, const QString& text)
{
    if (position < 0)
        return -1;
    position = std::min(position, int(texts.size()));
    texts.insert(position, text);
    data.insert(position, 0);
    if (selection >= position)
        ++selection;
    calls << QStringLiteral("InsertString %1 %2").arg(position).arg(text);
    return position;
}

bool FakeListBox::DeleteString(int position)
{
    if (!Has(position))
        return false;
    texts.removeAt(position);
    data.removeAt(position);
    if (selection == position)
        selection = -1;
    else if (selection > position)
        --selection;
    calls << QStringLiteral("DeleteString %1").arg(position);
    return true;
}

QString FakeListBox::Text(int position) const
{
    return Has(position) ? texts[position] : QString();
}

quint32 FakeListBox::ItemData(int position) const
{
    return Has(position) ? data[position] : 0;
}

bool FakeListBox::SetItemData(int position, quint32 value)
{
    if (!Has(position))
        return false;
    data[position] = value;
    return true;
}

bool FakeListBox::SetCurrentSelection(int position)
{
    if (position != -1 && !Has(position))
        return false;
    selection = position;
    calls << QStringLiteral("SetCurrentSelection %1").arg(position);
    return true;
}
