#include "framework/Menu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStringList>
#include <QTextEdit>

#include "framework/Internals.h"
#include "framework/Runtime.h"

namespace {

enum class EditCommand { None, Undo, Cut, Copy, Paste, Clear, SelectAll };

// The Edit entries are known by their names, as the framework's standard entries are.
EditCommand CommandOf(const MenuItem& item) {
    static const std::pair<const char*, EditCommand> names[] = {
        {"EditUndo", EditCommand::Undo},   {"EditCut", EditCommand::Cut},
        {"EditCopy", EditCommand::Copy},   {"EditPaste", EditCommand::Paste},
        {"EditClear", EditCommand::Clear}, {"EditSelectAll", EditCommand::SelectAll},
    };
    for (const auto& [name, command] : names)
        if (item.Name == name) return command;
    return EditCommand::None;
}

// The text control that the Edit entries act on: the focus of the active window, or else of
// the first shown window that has one (the offscreen platform may have no active window).
QWidget* EditTarget() {
    if (QWidget* focus = QApplication::focusWidget()) return focus;
    if (QWidget* active = QApplication::activeWindow()) return active->focusWidget();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->focusWidget()) return top->focusWidget();
    return nullptr;
}

bool ClipboardHasText() {
    const QClipboard* clipboard = QApplication::clipboard();
    return clipboard && !clipboard->text().isEmpty();
}

bool CanEdit(EditCommand command, QLineEdit& e) {
    const bool writable = !e.isReadOnly();
    const bool plain = e.echoMode() == QLineEdit::Normal;
    switch (command) {
        case EditCommand::Undo:
            return writable && e.isUndoAvailable();
        case EditCommand::Cut:
            return writable && plain && e.hasSelectedText();
        case EditCommand::Copy:
            return plain && e.hasSelectedText();
        case EditCommand::Paste:
            return writable && ClipboardHasText();
        case EditCommand::Clear:
            return writable && e.hasSelectedText();
        case EditCommand::SelectAll:
            return !e.text().isEmpty();
        case EditCommand::None:
            break;
    }
    return false;
}

bool CanEdit(EditCommand command, QTextEdit& e) {
    const bool writable = !e.isReadOnly();
    const bool selection = e.textCursor().hasSelection();
    switch (command) {
        case EditCommand::Undo:
            return writable && e.document()->isUndoAvailable();
        case EditCommand::Cut:
            return writable && selection;
        case EditCommand::Copy:
            return selection;
        case EditCommand::Paste:
            return writable && ClipboardHasText();
        case EditCommand::Clear:
            return writable && selection;
        case EditCommand::SelectAll:
            return !e.document()->isEmpty();
        case EditCommand::None:
            break;
    }
    return false;
}

bool CanEdit(EditCommand command) {
    QWidget* target = EditTarget();
    if (auto* line = qobject_cast<QLineEdit*>(target)) return CanEdit(command, *line);
    if (auto* area = qobject_cast<QTextEdit*>(target)) return CanEdit(command, *area);
    return false;
}

void Edit(EditCommand command) {
    if (!CanEdit(command)) return;
    QWidget* target = EditTarget();
    if (auto* e = qobject_cast<QLineEdit*>(target)) {
        switch (command) {
            case EditCommand::Undo:
                e->undo();
                break;
            case EditCommand::Cut:
                e->cut();
                break;
            case EditCommand::Copy:
                e->copy();
                break;
            case EditCommand::Paste:
                e->paste();
                break;
            case EditCommand::Clear:
                e->del();
                break;  // deletes the selection
            case EditCommand::SelectAll:
                e->selectAll();
                break;
            case EditCommand::None:
                break;
        }
    } else if (auto* a = qobject_cast<QTextEdit*>(target)) {
        switch (command) {
            case EditCommand::Undo:
                a->undo();
                break;
            case EditCommand::Cut:
                a->cut();
                break;
            case EditCommand::Copy:
                a->copy();
                break;
            case EditCommand::Paste:
                a->paste();
                break;
            case EditCommand::Clear:
                a->textCursor().removeSelectedText();
                break;
            case EditCommand::SelectAll:
                a->selectAll();
                break;
            case EditCommand::None:
                break;
        }
    }
}

// "Cmd+Q" names the command key of the platform the menus were written for; here that is
// Ctrl (and Option is Alt).
QKeySequence ShortcutOf(const MenuItem& item) {
    if (!item.KeyboardShortcut || item.KeyboardShortcut->empty()) return {};
    QStringList parts = QString::fromStdString(*item.KeyboardShortcut).split(QChar('+'));
    for (QString& part : parts) {
        const QString key = part.trimmed();
        if (key.compare(QLatin1String("Cmd"), Qt::CaseInsensitive) == 0 ||
            key.compare(QLatin1String("Command"), Qt::CaseInsensitive) == 0)
            part = QStringLiteral("Ctrl");
        else if (key.compare(QLatin1String("Option"), Qt::CaseInsensitive) == 0)
            part = QStringLiteral("Alt");
        else
            part = key;
    }
    return QKeySequence::fromString(parts.join(QChar('+')), QKeySequence::PortableText);
}

void AddEntries(QMenu& menu, const MenuItem& parent);

QAction* MakeAction(QObject* owner, MenuItem& item) {
    auto* action = new QAction(QString::fromStdString(item.Text), owner);
    action->setShortcut(ShortcutOf(item));
    action->setVisible(item.Visible);
    action->setEnabled(item.IsEnabledNow());
    QObject::connect(action, &QAction::triggered, action, [&item] { item.Choose(); });
    return action;
}

void AddEntries(QMenu& menu, const MenuItem& parent) {
    for (const auto& child : parent.Children()) {
        if (child->Text == "-") {
            menu.addSeparator()->setVisible(child->Visible);
        } else if (!child->Children().empty()) {
            QMenu* sub = menu.addMenu(QString::fromStdString(child->Text));
            sub->menuAction()->setVisible(child->Visible);
            AddEntries(*sub, *child);
        } else {
            menu.addAction(MakeAction(&menu, *child));
        }
    }
    // Whether an Edit entry can act depends on the focus at the moment the menu opens.
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&menu, &parent] {
        const QList<QAction*> actions = menu.actions();
        qsizetype i = 0;
        for (const auto& child : parent.Children()) {
            if (i >= actions.size()) break;
            QAction* action = actions[i++];
            if (child->Text != "-" && child->Children().empty())
                action->setEnabled(child->IsEnabledNow());
        }
    });
}

}  // namespace

MenuItem::MenuItem() = default;
MenuItem::~MenuItem() = default;

void MenuItem::Append(std::unique_ptr<MenuItem> child) {
    children_.push_back(std::move(child));
}

MenuItem* MenuItem::Child(std::string_view name) const {
    for (const auto& child : children_)
        if (child->Name == name) return child.get();
    return nullptr;
}

MenuItem* MenuItem::Find(std::string_view name) const {
    for (const auto& child : children_) {
        if (child->Name == name) return child.get();
        if (MenuItem* found = child->Find(name)) return found;
    }
    return nullptr;
}

bool MenuItem::IsEnabledNow() const {
    if (Text == "-") return false;
    if (const EditCommand command = CommandOf(*this); command != EditCommand::None)
        return CanEdit(command);
    return true;
}

void MenuItem::Choose() {
    if (dynamic_cast<QuitMenuItem*>(this)) {
        Quit(0);
        return;
    }
    if (const EditCommand command = CommandOf(*this); command != EditCommand::None) Edit(command);
    // Any other entry has no standard behaviour, and the program installs no menu handlers.
}

QMenuBar* BuildMenuBar(MenuBar& model, QWidget* parent) {
    auto* bar = new QMenuBar(parent);
    bar->setNativeMenuBar(false);  // it is part of the window, above its client area
    for (const auto& menu : model.Children()) {
        if (menu->Children().empty() && menu->Text != "-") {
            bar->addAction(MakeAction(bar, *menu));
            continue;
        }
        QMenu* qmenu = bar->addMenu(QString::fromStdString(menu->Text));
        qmenu->menuAction()->setVisible(menu->Visible);
        AddEntries(*qmenu, *menu);
    }
    return bar;
}
