#pragma once
// The walk report templates: UTF-8 pages cut by marker comments into a page head with the
// navigation of every city and its regions, a body block repeated per region (with its row
// pattern) and a page tail.
#include <QString>
#include <QStringList>
#include <QStringView>

// text cut at the first startMarker and the first endMarker after it: head before, middle
// between, tail after. False (outputs untouched) when either marker is missing.
bool SplitRowTemplate(QStringView text, QStringView startMarker, QStringView endMarker,
                      QString* head, QString* middle, QString* tail);

// part with "%c" turned into letter and "%%" into "%"; every other "%" stays as written.
QString ApplyPageLetter(QStringView part, QChar letter);

// The letter of the page of city i of the region list: "a" for the first.
QChar PageLetter(int city);

// The parts of a walk report template.
struct RegionTemplate {
    QString headA;       // before the city part; "__City__" still unfilled
    QString navigation;  // every city heading, region item and city tail, filled
    QString headB;       // between the city part and the body block; "__City__" still unfilled
    QString body;        // the body block, to be cut at the row markers
    QString tail;        // after the body block, copied as it stands

    // Head A, the navigation and head B with "__City__" of A and B = city.
    QString PageHead(const QString& city) const;
};

// Reads the template (UTF-8; a leading byte-order mark dropped) and cuts it; the navigation is
// built from the cities and each city's member regions (numbered from 1 as "__Jump__", their
// display names as "__Region__"), the city heading and region item taking the city's page
// letter. False when the file cannot be read or a marker is missing.
bool SplitRegionTemplate(const QString& path, const QStringList& cities, RegionTemplate* parts);
