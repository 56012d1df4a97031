// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/ui/translate_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <optional>

#include "desktop/qt_text.h"

namespace tavoric {

namespace {

void CollectObjects(QObject* parent, std::vector<QObject*>& objects) {
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        // A window of its own or a report window has its own texts; a menu pops up as a
        // window but belongs to this one.
        const bool ownWindow = widget && widget->isWindow() && !qobject_cast<QMenu*>(widget);
        if (ownWindow || qobject_cast<QMdiSubWindow*>(child)) {
            continue;
        }
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) &&
            !HasReservedPrefix(FromQString(name))) {
            objects.push_back(child);
        }
        CollectObjects(child, objects);
    }
}

// The tab widget whose page this is, and the page's index there.
std::optional<std::pair<QTabWidget*, int>> TabOf(QObject* object) {
    auto* page = qobject_cast<QWidget*>(object);
    auto* stack = page ? qobject_cast<QStackedWidget*>(page->parentWidget()) : nullptr;
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    if (!tabs || tabs->indexOf(page) < 0) {
        return std::nullopt;
    }
    return std::make_pair(tabs, tabs->indexOf(page));
}

// A tool button that shows a command keeps its tip in the command, where Qt looks it up again
// whenever the command changes.
QAction* CommandOf(QObject* object) {
    auto* button = qobject_cast<QToolButton*>(object);
    return button ? button->defaultAction() : nullptr;
}

std::optional<QString> CaptionOf(QObject* object) {
    if (CommandOf(object)) {
        return std::nullopt;
    }
    if (auto tab = TabOf(object)) {
        return tab->first->tabText(tab->second);
    }
    if (auto* menu = qobject_cast<QMenu*>(object)) {
        return menu->title();
    }
    if (auto* action = qobject_cast<QAction*>(object)) {
        return action->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        return button->text();
    }
    if (auto* label = qobject_cast<QLabel*>(object)) {
        return label->text();
    }
    if (auto* group = qobject_cast<QGroupBox*>(object)) {
        return group->title();
    }
    return std::nullopt;
}

bool HasLiveCaption(const QWidget* window) {
    return window->property(kLiveCaptionProperty).toBool();
}

void SetCaption(QObject* object, const QString& caption) {
    if (auto tab = TabOf(object)) {
        tab->first->setTabText(tab->second, caption);
    } else if (auto* menu = qobject_cast<QMenu*>(object)) {
        menu->setTitle(caption);
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        action->setText(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(object)) {
        label->setText(caption);
    } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
        group->setTitle(caption);
    }
}

// Commands have no hint of their own; their tool buttons carry it.
std::optional<QString> HintOf(QObject* object) {
    if (QAction* command = CommandOf(object)) {
        if (HasReservedPrefix(FromQString(command->objectName()))) {
            return std::nullopt;
        }
        return command->toolTip();
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) {
        return std::nullopt;
    }
    return widget->toolTip().isEmpty() ? widget->statusTip() : widget->toolTip();
}

void SetHint(QObject* object, const QString& hint) {
    if (QAction* command = CommandOf(object)) {
        command->setToolTip(hint);
    } else if (auto* widget = qobject_cast<QWidget*>(object)) {
        if (!widget->statusTip().isEmpty()) {
            widget->setStatusTip(hint);
        }
        if (!widget->toolTip().isEmpty() || widget->statusTip().isEmpty()) {
            widget->setToolTip(hint);
        }
    }
}

QTextDocument* DocumentOf(QObject* object) {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(object)) {
        return plain->document();
    }
    if (auto* rich = qobject_cast<QTextEdit*>(object)) {
        return rich->document();
    }
    return nullptr;
}

std::optional<QStringList> LinesOf(QObject* object) {
    QTextDocument* document = DocumentOf(object);
    if (!document) {
        return std::nullopt;
    }
    if (document->isEmpty()) {
        return QStringList();
    }
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        lines << block.text();
    }
    return lines;
}

void SetLines(QObject* object, const QStringList& lines) {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(object)) {
        plain->setPlainText(lines.join(QLatin1Char('\n')));
    } else if (auto* rich = qobject_cast<QTextEdit*>(object)) {
        rich->setPlainText(lines.join(QLatin1Char('\n')));
    }
}

std::optional<QStringList> ItemsOf(QObject* object) {
    QStringList items;
    if (auto* combo = qobject_cast<QComboBox*>(object)) {
        for (int i = 0; i < combo->count(); ++i) {
            items << combo->itemText(i);
        }
        return items;
    }
    if (auto* list = qobject_cast<QListWidget*>(object)) {
        for (int i = 0; i < list->count(); ++i) {
            items << list->item(i)->text();
        }
        return items;
    }
    return std::nullopt;
}

void SetItem(QObject* object, int index, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(object)) {
        combo->setItemText(index, text);
    } else if (auto* list = qobject_cast<QListWidget*>(object)) {
        list->item(index)->setText(text);
    }
}

std::string Key(const std::string& prefix, const char* property) {
    return prefix + property;
}

std::string IndexedKey(const std::string& prefix, const char* property, qsizetype index) {
    return prefix + property + "[" + std::to_string(index) + "]";
}

// The stripped value of a key, when the key is there.
std::optional<QString> Value(const IniFile& file, const std::string& section,
                             const std::string& key) {
    const auto value = file.Value(section, key);
    if (!value) {
        return std::nullopt;
    }
    return ToQString(StripEnclosing(*value));
}

// Captions, hints and items may run over more lines, written "\\n" in the file.
std::optional<QString> NonEmptyValue(const IniFile& file, const std::string& section,
                                     const std::string& key) {
    std::optional<QString> value = Value(file, section, key);
    if (!value || value->isEmpty()) {
        return std::nullopt;
    }
    return value->replace(QLatin1String("\\n"), QLatin1String("\n"));
}

void TranslateObject(QObject* object, const std::string& section, const IniFile& file) {
    const std::string prefix = section + "." + FromQString(object->objectName());
    if (CaptionOf(object)) {
        if (auto caption = NonEmptyValue(file, section, Key(prefix, ".Caption"))) {
            SetCaption(object, *caption);
        }
    }
    if (HintOf(object)) {
        if (auto hint = NonEmptyValue(file, section, Key(prefix, ".Hint"))) {
            SetHint(object, *hint);
        }
    }
    if (std::optional<QStringList> lines = LinesOf(object); lines && !lines->isEmpty()) {
        bool changed = false;
        for (qsizetype i = 0; i < lines->size(); ++i) {
            if (auto line = Value(file, section, IndexedKey(prefix, ".Lines", i))) {
                (*lines)[i] = *line;
                changed = true;
            }
        }
        if (changed) {
            SetLines(object, *lines);
        }
    }
    if (std::optional<QStringList> items = ItemsOf(object)) {
        for (qsizetype i = 0; i < items->size(); ++i) {
            if (auto item = NonEmptyValue(file, section, IndexedKey(prefix, ".Items", i))) {
                SetItem(object, static_cast<int>(i), *item);
            }
        }
    }
}

void AddObjectTemplate(QObject* object, const std::string& section, TemplateSection& result) {
    const QString name = object->objectName();
    const std::string prefix = section + "." + FromQString(name);
    auto add = [&](std::string key, const QString& value) {
        result.entries.push_back({std::move(key), EscapeLineBreaks(FromQString(value))});
    };
    if (std::optional<QString> caption = CaptionOf(object);
        caption && !caption->isEmpty() && *caption != name && *caption != QLatin1String("-")) {
        add(Key(prefix, ".Caption"), *caption);
    }
    if (std::optional<QString> hint = HintOf(object); hint && !hint->isEmpty()) {
        add(Key(prefix, ".Hint"), *hint);
    }
    if (std::optional<QStringList> lines = LinesOf(object)) {
        for (qsizetype i = 0; i < lines->size() && (*lines)[i] != name; ++i) {
            add(IndexedKey(prefix, ".Lines", i), (*lines)[i]);
        }
    }
    if (std::optional<QStringList> items = ItemsOf(object)) {
        for (qsizetype i = 0; i < items->size(); ++i) {
            add(IndexedKey(prefix, ".Items", i), (*items)[i]);
        }
    }
}

}  // namespace

std::vector<QObject*> TranslatableObjects(QWidget* window) {
    std::vector<QObject*> objects;
    CollectObjects(window, objects);
    return objects;
}

void TranslateWindow(QWidget* window, const IniFile& file) {
    const std::string section = FromQString(window->objectName());
    if (auto caption = NonEmptyValue(file, section, section + ".Caption");
        caption && !HasLiveCaption(window)) {
        window->setWindowTitle(*caption);
    }
    for (QObject* object : TranslatableObjects(window)) {
        TranslateObject(object, section, file);
    }
}

TemplateSection WindowTemplate(QWidget* window) {
    const QString name = window->objectName();
    TemplateSection result{FromQString(name), {}};
    if (!window->windowTitle().isEmpty() && window->windowTitle() != name &&
        !HasLiveCaption(window)) {
        result.entries.push_back(
            {result.window + ".Caption", EscapeLineBreaks(FromQString(window->windowTitle()))});
    }
    for (QObject* object : TranslatableObjects(window)) {
        AddObjectTemplate(object, result.window, result);
    }
    return result;
}

}  // namespace tavoric
