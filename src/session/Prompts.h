#pragma once

// Every message box and common dialog of the windows goes through Prompts:
// the program shows Qt dialogs (app/ui/QtPrompts), tests answer from a
// script. Only Qt Core types appear here, so any layer can hold one.

#include <optional>

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "session/TranslatedText.h"

class QPrinter;

namespace porkane {

// The title of every message box.
inline constexpr TranslatedText PromptTitle{"Prompts", QT_TRANSLATE_NOOP("Prompts", "ぽるかね")};

// File-dialog filters, in Qt's "description (patterns)" form.
inline constexpr TranslatedText LabelFileFilter{"Prompts", QT_TRANSLATE_NOOP("Prompts", "ぽるかね ファイル (*.fhl)")};
inline constexpr TranslatedText TemplateFileFilter{"Prompts",
                                                   QT_TRANSLATE_NOOP("Prompts", "ぽるかね フォームファイル (*.fom)")};

enum class PromptIcon { Information, Question, Exclamation, Critical };

// Which answer Enter gives; destructive questions preselect No.
enum class Preselect { Yes, No };

class Prompts {
public:
    virtual ~Prompts() = default;

    // A message with an OK button. A CR in `text` starts a new line.
    virtual void tell(const QString &text, PromptIcon icon) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask(const QString &text, PromptIcon icon, Preselect preselect) = 0;
    // A Yes/No question about a list of items (one line each, however
    // many), shown whole so that nothing in it goes unseen; true for Yes.
    // Unless a Prompts shows lists its own way, the items follow the text
    // in one message.
    virtual bool askAboutList(const QString &text, const QStringList &items, PromptIcon icon, Preselect preselect)
    {
        return ask(text + QLatin1Char('\r') + items.join(QLatin1Char('\r')), icon, preselect);
    }

    // The chosen file, nothing when the dialog was cancelled. The save
    // dialog does not ask about overwriting: the caller does.
    virtual std::optional<QString> openFileName(const QString &filter) = 0;
    virtual std::optional<QString> saveFileName(const QString &filter, const QString &proposedName) = 0;

    // A colour as 0x00BBGGRR (the files' order); nothing when cancelled.
    virtual std::optional<qint32> chooseColour(qint32 initial) = 0;

    // The printer-setup dialog on `printer`; false when cancelled.
    virtual bool choosePrinter(QPrinter &printer) = 0;
};

} // namespace porkane
