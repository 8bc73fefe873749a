#include "ui/maindlg/MainDialogs.h"

void CMainDialogs::CompareList(QWidget*, CGroupBase*, CSubsetBase*) {}
void CMainDialogs::CompareWalks(QWidget*, CGroupBase*) {}
void CMainDialogs::CompareGuide(QWidget*, CGroupBase*, int) {}
void CMainDialogs::CompareHiking(QWidget*, CGroupBase*, int) {}
void CMainDialogs::RegionStatistics(QWidget*, CGroupBase*) {}
bool CMainDialogs::AddPlant(QWidget*, AddPlantInput*) { return false; }
bool CMainDialogs::FindPlant(QWidget*, CGroupBase*, const QString&, QString*, QString*) { return false; }
