#pragma once

#include <QString>

#include "session/Prompts.h"

namespace porkane {

// The program's prompts: Qt message boxes titled "ぽるかね" with Japanese
// buttons, Qt's file and colour dialogs, and the program's printer-setup
// dialog. File dialogs open in the folder used last, at first the user's
// home.
class QtPrompts : public Prompts {
public:
    QtPrompts();

    void tell(const QString &text, PromptIcon icon) override;
    bool ask(const QString &text, PromptIcon icon, Preselect preselect) override;
    bool askAboutList(const QString &text, const QStringList &items, PromptIcon icon, Preselect preselect) override;
    std::optional<QString> openFileName(const QString &filter) override;
    std::optional<QString> saveFileName(const QString &filter, const QString &proposedName) override;
    std::optional<qint32> chooseColour(qint32 initial) override;
    bool choosePrinter(QPrinter &printer) override;

    QString lastFolder() const { return lastFolder_; }

private:
    QString lastFolder_;
};

// The text as a message box shows it: a CR (or CR LF) is a line break.
QString shownMessageText(const QString &text);
// The file extension a filter's first pattern names ("fhl" for "(*.fhl)").
QString filterExtension(const QString &filter);

} // namespace porkane
