#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace porkane::test {

ScriptedPrompts &ScriptedPrompts::answerYes()
{
    answers_.push_back({Answer::Yes, {}});
    return *this;
}

ScriptedPrompts &ScriptedPrompts::answerNo()
{
    answers_.push_back({Answer::No, {}});
    return *this;
}

ScriptedPrompts &ScriptedPrompts::chooseFile(const QString &path)
{
    answers_.push_back({Answer::File, path});
    return *this;
}

ScriptedPrompts &ScriptedPrompts::cancelDialog()
{
    answers_.push_back({Answer::Cancel, {}});
    return *this;
}

ScriptedPrompts &ScriptedPrompts::pickColour(qint32 colour)
{
    answers_.push_back({Answer::Colour, {}, colour});
    return *this;
}

ScriptedPrompts &ScriptedPrompts::acceptPrinter()
{
    answers_.push_back({Answer::Printer, {}});
    return *this;
}

QStringList ScriptedPrompts::messages() const
{
    QStringList texts;
    for (const AskedPrompt &prompt : asked_) {
        if (prompt.kind == AskedPrompt::Tell || prompt.kind == AskedPrompt::Ask || prompt.kind == AskedPrompt::AskAboutList)
            texts.append(prompt.text);
    }
    return texts;
}

const AskedPrompt &ScriptedPrompts::last() const
{
    static const AskedPrompt none;
    if (asked_.empty()) {
        ADD_FAILURE() << "nothing was asked";
        return none;
    }
    return asked_.back();
}

void ScriptedPrompts::clear()
{
    answers_.clear();
    asked_.clear();
}

std::optional<ScriptedPrompts::Answer> ScriptedPrompts::nextAnswer(const AskedPrompt &prompt)
{
    asked_.push_back(prompt);
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected prompt: " << prompt.text.toStdString();
        return std::nullopt;
    }
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void ScriptedPrompts::tell(const QString &text, PromptIcon icon)
{
    // A message only needs OK: it takes no answer from the script.
    asked_.push_back({AskedPrompt::Tell, text, icon, Preselect::Yes, {}, {}});
}

bool ScriptedPrompts::ask(const QString &text, PromptIcon icon, Preselect preselect)
{
    const std::optional<Answer> answer = nextAnswer({AskedPrompt::Ask, text, icon, preselect, {}, {}});
    if (!answer)
        return false;
    if (answer->kind != Answer::Yes && answer->kind != Answer::No)
        ADD_FAILURE() << "a question was asked, the script holds a dialog answer: " << text.toStdString();
    return answer->kind == Answer::Yes;
}

bool ScriptedPrompts::askAboutList(const QString &text, const QStringList &items, PromptIcon icon,
                                   Preselect preselect)
{
    const AskedPrompt prompt{AskedPrompt::AskAboutList, text, icon, preselect, {}, items};
    const std::optional<Answer> answer = nextAnswer(prompt);
    if (!answer)
        return false;
    if (answer->kind != Answer::Yes && answer->kind != Answer::No)
        ADD_FAILURE() << "a question was asked, the script holds a dialog answer: " << text.toStdString();
    return answer->kind == Answer::Yes;
}

std::optional<QString> ScriptedPrompts::openFileName(const QString &filter)
{
    const std::optional<Answer> answer = nextAnswer({AskedPrompt::OpenFile, filter, {}, {}, {}, {}});
    if (!answer || answer->kind == Answer::Cancel)
        return std::nullopt;
    if (answer->kind != Answer::File) {
        ADD_FAILURE() << "an open dialog was shown, the script holds another answer";
        return std::nullopt;
    }
    return answer->path;
}

std::optional<QString> ScriptedPrompts::saveFileName(const QString &filter, const QString &proposedName)
{
    const std::optional<Answer> answer = nextAnswer({AskedPrompt::SaveFile, filter, {}, {}, proposedName, {}});
    if (!answer || answer->kind == Answer::Cancel)
        return std::nullopt;
    if (answer->kind != Answer::File) {
        ADD_FAILURE() << "a save dialog was shown, the script holds another answer";
        return std::nullopt;
    }
    return answer->path;
}

std::optional<qint32> ScriptedPrompts::chooseColour(qint32 initial)
{
    const std::optional<Answer> answer =
        nextAnswer({AskedPrompt::Colour, QString::number(initial), {}, {}, {}, {}});
    if (!answer || answer->kind != Answer::Colour)
        return std::nullopt;
    return answer->colour;
}

bool ScriptedPrompts::choosePrinter(QPrinter &)
{
    const std::optional<Answer> answer = nextAnswer({AskedPrompt::Printer, {}, {}, {}, {}, {}});
    return answer && answer->kind == Answer::Printer;
}

} // namespace porkane::test
