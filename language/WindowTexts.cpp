#include "language/WindowTexts.h"

#include "resources/ResourceStrings.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMetaProperty>
#include <QTabWidget>
#include <QWidget>

namespace lang {
namespace {

std::string Utf8(const QString& s) {
    return s.toUtf8().toStdString();
}

void Add(std::vector<ControlText>& out, const QObject* object, const char* property,
         const QString& text, int index = -1) {
    if (!text.isEmpty())
        out.push_back({Utf8(object->objectName()), property, index, Utf8(text)});
}

// The caption of a window that composes its title from several parts is its
// own property; a plain window's caption is its title.
const char* CaptionProperty(const QWidget* window) {
    const int index = window->metaObject()->indexOfProperty("Caption");
    return index >= 0 && window->metaObject()->property(index).metaType().id() == QMetaType::QString
               ? "Caption"
               : "windowTitle";
}

const QTabWidget* TabsOf(const QWidget* page) {
    for (const QObject* p = page->parent(); p; p = p->parent())
        if (const auto* tabs = qobject_cast<const QTabWidget*>(p))
            return tabs->indexOf(const_cast<QWidget*>(page)) >= 0 ? tabs : nullptr;
    return nullptr;
}

// The texts of one object, without its children.
void AddTexts(std::vector<ControlText>& out, const QObject* object) {
    const QString name = object->objectName();
    // Unnamed objects cannot be found again; qt_ ones are Qt's own parts.
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
        return;
    if (object->metaObject()->indexOfProperty("AddedTitle") >= 0)
        Add(out, object, "AddedTitle", object->property("AddedTitle").toString());
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (!widget)
        return;
    if (const auto* tabs = TabsOf(widget))
        Add(out, widget, "tabText", tabs->tabText(tabs->indexOf(const_cast<QWidget*>(widget))));
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (!ResultLabelNames().contains(name))
            Add(out, label, "text", label->text());
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        Add(out, button, "text", button->text());
    } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        Add(out, group, "title", group->title());
    } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        // The style list is made from the style files found, not translated.
        if (!combo->inherits("TsSkinSelector"))
            for (int i = 0; i < combo->count(); ++i)
                Add(out, combo, "items", combo->itemText(i), i);
    }
    Add(out, widget, "toolTip", widget->toolTip());
}

// Depth first, pages in the order of their tabs, so that a file reads like
// the window.
void Visit(std::vector<ControlText>& out, const QObject* object) {
    AddTexts(out, object);
    const auto* tabs = qobject_cast<const QTabWidget*>(object);
    for (const QObject* child : object->children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (tabs && widget && widget->isAncestorOf(tabs->widget(0)))
            continue; // the pages' own holder; visited below in tab order
        Visit(out, child);
    }
    if (tabs)
        for (int i = 0; i < tabs->count(); ++i)
            Visit(out, tabs->widget(i));
}

} // namespace

const QStringList& ResultLabelNames() {
    static const QStringList names{// trunk line
                                   "sLabel46", "sLabel43", "sLabel47", "sLabel25", "sLabel11",
                                   "sLabel19", "sLabel95", "sLabel16", "sLabel7", "sLabel39",
                                   // branches
                                   "sLabel34", "sLabel31", "sLabel38", "sLabel54", "sLabel75",
                                   "sLabel77", "sLabel94", "sLabel69", "sLabel71", "sLabel55",
                                   // equivalent length
                                   "sLabel93"};
    return names;
}

std::vector<ControlText> TranslatableTexts(const QWidget* window) {
    std::vector<ControlText> out;
    const char* caption = CaptionProperty(window);
    Add(out, window, caption, window->property(caption).toString());
    for (const QObject* child : window->children())
        Visit(out, child);
    return out;
}

LanguageFile DumpLanguage(const QWidget* window, const std::string& name) {
    LanguageFile file;
    file.recognised = true;
    file.name = name;
    file.windows[Utf8(window->objectName())] = TranslatableTexts(window);
    for (int i = 0; i < res::Count(); ++i)
        file.resourceStrings[res::Table()[i].key] = res::Get(res::Table()[i].id);
    return file;
}

} // namespace lang
