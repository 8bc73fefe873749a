#pragma once
// Input dialogs that record what they were offered and answer from a script: each run takes the
// next answer (the texts typed and 新增 or 取消); a run past the script's end is cancelled.
#include "ui/dialogs/input/IInputDialogs.h"

#include <QList>

class FakeInputDialogs : public IInputDialogs {
public:
    struct Answer {
        bool ok = false;
        AddPlantInput typed;  // for AddGuide only title and address count
    };
    struct Offered {
        QString kind;  // "AddPlant" or "AddGuide"
        AddPlantInput shown;
    };

    bool AddPlant(QWidget*, AddPlantInput* input) override
    {
        offered.append(Offered{QStringLiteral("AddPlant"), *input});
        const Answer answer = Next();
        if (answer.ok)
            *input = answer.typed;
        return answer.ok;
    }

    bool AddGuide(QWidget*, QString* title, QString* address) override
    {
        offered.append(Offered{QStringLiteral("AddGuide"), {QString(), *title, *address}});
        const Answer answer = Next();
        if (answer.ok) {
            *title = answer.typed.title;
            *address = answer.typed.address;
        }
        return answer.ok;
    }

    void Type(const QString& site, const QString& title, const QString& address)
    {
        answers.append(Answer{true, {site, title, address}});
    }
    void Cancel() { answers.append(Answer{}); }

    QList<Answer> answers;
    QList<Offered> offered;

private:
    Answer Next() { return answers.isEmpty() ? Answer{} : answers.takeFirst(); }
};
