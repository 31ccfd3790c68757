#include "widgets/HelpGuide.h"

#include <optional>

#include <QApplication>
#include <QDesktopServices>
#include <QShortcut>
#include <QWidget>

namespace porkane::HelpGuide {

namespace {

struct Access {
    UserGuide guide;
    UrlOpener opener;
};

std::optional<Access> &replaced()
{
    static std::optional<Access> access;
    return access;
}

const UserGuide &programGuide()
{
    static const UserGuide found = UserGuide::find(QCoreApplication::applicationDirPath());
    return found;
}

} // namespace

UserGuide guide() { return replaced() ? replaced()->guide : programGuide(); }

bool open(GuideSection section)
{
    const QUrl url = guide().url(section);
    const bool opened = !url.isEmpty() && (replaced() && replaced()->opener ? replaced()->opener(url)
                                                                            : QDesktopServices::openUrl(url));
    if (!opened)
        QApplication::beep();
    return opened;
}

QShortcut *addKey(QWidget *window, GuideSection section)
{
    return addKey(window, [section] { return section; });
}

QShortcut *addKey(QWidget *window, std::function<GuideSection()> sectionNow)
{
    auto *key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, [sectionNow = std::move(sectionNow)] { open(sectionNow()); });
    return key;
}

void use(const UserGuide &guide, UrlOpener opener) { replaced() = Access{guide, std::move(opener)}; }

void reset() { replaced().reset(); }

} // namespace porkane::HelpGuide
