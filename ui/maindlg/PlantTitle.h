#pragma once
// The plant that the title of a blog entry names: "name(family)", where the name may follow
// other bracketed text, as in "(12)台灣百合(百合科)".
#include <QString>

struct PlantTitle {
    // Characters a family needs between its brackets.
    static constexpr int kMinFamilyLength = 2;

    QString family;  // between the last "(" and the last ")" after it, trailing blanks removed
    QString name;    // the text before that "(", from after its last ")" when it holds one past
                     // its first character
};

// False when the title holds no family in brackets (none, too short, or blanks only).
bool ParsePlantTitle(const QString& title, PlantTitle* plant);
