#include "language/Localizer.h"

#include "resources/ResourceStrings.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPointer>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QWidget>

namespace {

// A language file is a few tens of kilobytes; anything past this is damage.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

QString FromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A page's caption lives in the tab widget that holds it, not in the page.
void SetTabText(QObject* target, const QString& text) {
    auto* page = qobject_cast<QWidget*>(target);
    for (QObject* p = page ? page->parent() : nullptr; p; p = p->parent()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(p)) {
            const int index = tabs->indexOf(page);
            if (index >= 0)
                tabs->setTabText(index, text);
            return;
        }
    }
}

// An editable box shows its current entry in its edit field, and Qt rewrites
// that field when the entry changes. A text the user typed there is an input
// of its own and must survive the translation of the list.
void SetItemText(QComboBox* combo, int index, const QString& text) {
    const QString shown = combo->currentText();
    const bool typed =
        combo->isEditable() && combo->currentIndex() == index && shown != combo->itemText(index);
    if (!typed) {
        combo->setItemText(index, text);
        return;
    }
    // Silent both ways: the field ends as it was, so no handler has cause to run.
    const QSignalBlocker blockCombo(combo);
    const QSignalBlocker blockEdit(combo->lineEdit());
    combo->setItemText(index, text);
    combo->setEditText(shown);
}

// Only text properties are written, so a stray line cannot turn a number or
// a flag of a control into garbage, nor add properties the control lacks.
void SetTextProperty(QObject* target, const std::string& name, const QString& text) {
    if (name == "objectName") // renaming would lose the control for good
        return;
    const QMetaObject* meta = target->metaObject();
    const int index = meta->indexOfProperty(name.c_str());
    if (index >= 0) {
        const QMetaProperty property = meta->property(index);
        if (property.isWritable() && property.metaType().id() == QMetaType::QString)
            property.write(target, text);
        return;
    }
    if (target->dynamicPropertyNames().contains(QByteArray(name.c_str())) &&
        target->property(name.c_str()).metaType().id() == QMetaType::QString)
        target->setProperty(name.c_str(), text);
}

void Apply(QWidget* window, const lang::ControlText& entry) {
    QObject* target = window;
    if (window->objectName() != FromUtf8(entry.control))
        target = window->findChild<QObject*>(FromUtf8(entry.control));
    if (!target)
        return;
    const QString text = FromUtf8(entry.text);
    if (entry.index >= 0) {
        auto* combo = qobject_cast<QComboBox*>(target);
        if (combo && entry.property == "items" && entry.index < combo->count())
            SetItemText(combo, entry.index, text);
        return;
    }
    if (entry.property == "tabText")
        SetTabText(target, text);
    else
        SetTextProperty(target, entry.property, text);
}

} // namespace

Localizer& Localizer::Instance() {
    static Localizer instance;
    return instance;
}

void Localizer::LoadLanguage(const QString& baseName) {
    QFile file(baseName + QStringLiteral(".lng"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.read(kMaxFileBytes);
    lang::LanguageFile loaded =
        lang::ReadLanguageFile(std::string_view(bytes.constData(), bytes.size()));
    if (!loaded.recognised)
        return;
    current_ = std::move(loaded);
    res::SetTranslations(current_.resourceStrings);
    if (!autoTranslate_)
        return;
    // A change handler run inside the translation may close a window.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const auto& window : windows)
        if (window)
            Translate(window);
}

void Localizer::TranslateNewWindow(QWidget* window) const {
    if (autoTranslate_ && window)
        Translate(window);
}

void Localizer::Translate(QWidget* window) const {
    const auto section = current_.windows.find(window->objectName().toStdString());
    if (section == current_.windows.end())
        return;
    // A copy: a change handler run by a new text may load another language.
    const std::vector<lang::ControlText> texts = section->second;
    for (const auto& entry : texts)
        Apply(window, entry);
}
