#pragma once
// Whether a stone number belongs to the class of a word, and the number that follows the word.
#include <QStringView>

// True when text begins with word and what follows is empty or begins with a decimal digit (the
// number read from it, saturating at INT_MAX; 0 when empty), or, for a text beginning with one
// of the provincial and county prefixes (省府, 台北縣, 高速圖根點, 航測, 二等衛星控制點), when what
// follows is one or two letters and then a digit (number 0). False otherwise; number untouched.
bool MatchStonePrefix(QStringView text, QStringView word, int* number);
