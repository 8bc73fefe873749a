#pragma once
// The paths of the owner's outside pages, named in section [Template] of "Local.txt".
#include <QString>

// A [Template] path of "Local.txt": a relative value lies under the program folder, as the
// other machine-local paths do; empty when the key is missing or empty.
QString LocalTemplatePath(const QString& key);
// [Template] WalkIndexFile; empty when not set.
QString WalkIndexFile();
// [Template] WalkIndexFile, or the data folder's "walk2.htm" when not set.
QString WalkIndexFileOrDefault();
// [Template] BlueSkyFile, or the data folder's "guide2.htm" when not set.
QString BlueSkyFile();
// The 岫禾圖集 index: the data folder's "山友\岫禾圖集.txt".
QString QuillAtlasFile();
