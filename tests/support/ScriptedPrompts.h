#pragma once

// Prompts for window tests: each question or dialog is recorded and
// answered from a script the test sets up beforehand. A prompt the script
// does not expect fails the test and gets the cautious answer (No, or a
// cancelled dialog).

#include <deque>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "session/Prompts.h"

namespace porkane::test {

struct AskedPrompt {
    enum Kind { Tell, Ask, AskAboutList, OpenFile, SaveFile, Colour, Printer };
    Kind kind = Tell;
    QString text; // message text, or the filter of a file dialog
    PromptIcon icon = PromptIcon::Information;
    Preselect preselect = Preselect::Yes;
    QString proposedName; // save dialogs
    QStringList items;    // questions about a list
};

class ScriptedPrompts : public Prompts {
public:
    // Answers, used in the order given.
    ScriptedPrompts &answerYes();
    ScriptedPrompts &answerNo();
    ScriptedPrompts &chooseFile(const QString &path);
    ScriptedPrompts &cancelDialog();
    ScriptedPrompts &pickColour(qint32 colour);
    ScriptedPrompts &acceptPrinter();

    const std::vector<AskedPrompt> &asked() const { return asked_; }
    // The texts of the messages and questions, in order.
    QStringList messages() const;
    const AskedPrompt &last() const;
    bool allAnswersUsed() const { return answers_.empty(); }
    void clear();

    void tell(const QString &text, PromptIcon icon) override;
    bool ask(const QString &text, PromptIcon icon, Preselect preselect) override;
    bool askAboutList(const QString &text, const QStringList &items, PromptIcon icon, Preselect preselect) override;
    std::optional<QString> openFileName(const QString &filter) override;
    std::optional<QString> saveFileName(const QString &filter, const QString &proposedName) override;
    std::optional<qint32> chooseColour(qint32 initial) override;
    bool choosePrinter(QPrinter &printer) override;

private:
    struct Answer {
        enum Kind { Yes, No, File, Cancel, Colour, Printer };
        Kind kind;
        QString path;
        qint32 colour = 0;
    };
    std::optional<Answer> nextAnswer(const AskedPrompt &prompt);

    std::deque<Answer> answers_;
    std::vector<AskedPrompt> asked_;
};

} // namespace porkane::test
