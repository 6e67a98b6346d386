#pragma once
// The texts of menus as lists, and the action of a command among them.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

// The texts of the visible actions: separators as "-", submenus as "title>"
// followed by their items and "<".
inline void Describe(const QList<QAction*>& actions, QStringList& out)
{
    for (QAction* a : actions) {
        if (!a->isVisible())
            continue;
        if (a->isSeparator())
            out << "-";
        else if (a->menu()) {
            out << a->text() + ">";
            Describe(a->menu()->actions(), out);
            out << "<";
        } else
            out << a->text();
    }
}

inline QStringList MenuTexts(const QMenu* menu)
{
    QStringList texts;
    Describe(menu->actions(), texts);
    return texts;
}

// A menu bar's texts, each popup as "[title]" followed by its items.
inline QStringList MenuBarTexts(QMenuBar* bar)
{
    QStringList out;
    for (QAction* popup : bar->actions()) {
        out << "[" + popup->text() + "]";
        Describe(popup->menu()->actions(), out);
    }
    return out;
}

// The action of command id among actions and their submenus, or nullptr.
inline QAction* FindIn(const QList<QAction*>& actions, int id)
{
    for (QAction* a : actions) {
        if (a->menu()) {
            if (QAction* found = FindIn(a->menu()->actions(), id))
                return found;
        } else if (!a->isSeparator() && a->data().toInt() == id) {
            return a;
        }
    }
    return nullptr;
}
