#pragma once
// The family list of the plant group: [PlantClass] ClassList of the main settings file, split by
// the list-splitting rule and sorted in Taiwanese stroke order, whatever the process locale.
#include <QString>
#include <QStringList>

// The most families the list holds.
constexpr int kMaxPlantClasses = 300;

// The sorted family list into *families (at most kMaxPlantClasses); the count.
int ReadPlantClassList(QStringList* families);
// The order of two families: -1, 0 or 1 by zh-TW collation.
int ComparePlantClass(const QString& a, const QString& b);
