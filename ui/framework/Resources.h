#pragma once
// The program's resources (dialog templates, the string table, icons) are compiled into the ui
// library; this makes sure they are registered before the first look-up.
#include <QIcon>
#include <QString>

void InitResources();

// A string of the string table; empty when there is none of that id.
QString LoadResourceString(int id);

// An icon of the resources by its id; a null icon when there is none.
QIcon LoadResourceIcon(int id);
