// SaveConfig and OpenConfig: every input and interface choice of the window,
// key by key, in the order of the key table. Each control is set through its
// normal change path, so its handler runs exactly as after a user's change.

#include "calc/NumberDisplay.h"
#include "language/ApplyLanguage.h"
#include "resources/ResourceStrings.h"
#include "settings/IniFile.h"
#include "settings/KeyTable.h"
#include "settings/SettingsMessage.h"
#include "ui/ProgramNumberFormat.h"
#include "ui/TsSpinEdit.h"
#include "ui/Unit1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QRadioButton>

#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

using settings::Key;
using settings::KeyKind;

// Built anew by each operation; the directory already ends in "/", and the
// doubled separator is read as one.
std::filesystem::path SettingsPath(const TForm1& form) {
    const QString name = form.ApplicationDirectory() + QStringLiteral("/") +
                         QStringLiteral("бримсота") + QStringLiteral(".ini");
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

template <class T> T* Control(TForm1& form, const char* name) {
    T* control = form.findChild<T*>(QString::fromLatin1(name));
    if (!control)
        throw std::logic_error(std::string("No control ") + name);
    return control;
}

// A line cannot hold CR, LF or NUL; a text that has them (pasted, or read
// from a damaged file) is kept with blanks in their place rather than
// stopping the save and losing every key after it.
std::string Storable(const QString& text) {
    std::string value = text.toStdString();
    for (char& c : value)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return value;
}

// Also when the box is at that index already: the entry's text comes back.
void SelectMaterialFallback(QComboBox* box) {
    box->setCurrentIndex(settings::kMaterialFallbackIndex);
}

// A pair of radio buttons: `on` is selected when the value is true, `off`
// otherwise. Qt does not clear the checked button of a group on its own, so
// the other button is the one selected.
void SetChoice(QRadioButton* on, QRadioButton* off, bool value) {
    if (value)
        on->setChecked(true);
    else
        off->setChecked(true);
}

void SaveKey(TForm1& form, const std::filesystem::path& path, const Key& key) {
    switch (key.kind) {
    case KeyKind::SkinName:
        ini::WriteString(path, key.section, key.name, Storable(form.sSkinManager1->SkinName()));
        break;
    case KeyKind::Stylization:
        ini::WriteBool(path, key.section, key.name,
                       Control<QCheckBox>(form, key.control)->isChecked());
        break;
    case KeyKind::Locale: {
        std::int64_t locale = settings::kLocaleEnglish;
        if (Control<QRadioButton>(form, "sRadioButton7")->isChecked())
            locale = settings::kLocaleAutomatic;
        else if (Control<QRadioButton>(form, "sRadioButton8")->isChecked())
            locale = settings::kLocaleRussian;
        ini::WriteInteger(path, key.section, key.name, locale);
        break;
    }
    case KeyKind::Material: {
        auto* box = Control<QComboBox>(form, key.control);
        if (box->currentText().isEmpty())
            SelectMaterialFallback(box);
        ini::WriteString(path, key.section, key.name, Storable(box->currentText()));
        break;
    }
    case KeyKind::Integer: {
        auto* field = Control<TsSpinEdit>(form, key.control);
        if (field->Text().isEmpty())
            field->setValue(key.intDefault);
        ini::WriteInteger(path, key.section, key.name, field->Value());
        break;
    }
    case KeyKind::Float: {
        auto* field = Control<TsDecimalSpinEdit>(form, key.control);
        if (field->Text().isEmpty())
            field->setValue(key.floatDefault);
        ini::WriteString(path, key.section, key.name,
                         calc::FormatGeneral(field->Value(), ProgramNumberFormat()));
        break;
    }
    case KeyKind::Choice:
        ini::WriteBool(path, key.section, key.name,
                       Control<QRadioButton>(form, key.control)->isChecked());
        break;
    }
}

void OpenKey(TForm1& form, const std::filesystem::path& path, const Key& key) {
    switch (key.kind) {
    case KeyKind::SkinName: {
        const std::string current = form.sSkinManager1->SkinName().toStdString();
        form.sSkinManager1->setSkinName(
            QString::fromStdString(ini::ReadString(path, key.section, key.name, current)));
        break;
    }
    case KeyKind::Stylization: {
        auto* box = Control<QCheckBox>(form, key.control);
        box->setChecked(ini::ReadBool(path, key.section, key.name, key.intDefault != 0));
        // The box's handler runs only when the box changed; styling follows
        // the box either way.
        form.sSkinManager1->setActive(box->isChecked());
        break;
    }
    case KeyKind::Locale: {
        const std::int64_t locale = ini::ReadInteger(path, key.section, key.name, key.intDefault);
        const char* button = "sRadioButton9";
        LanguageChoice choice = LanguageChoice::English;
        if (locale == settings::kLocaleAutomatic) {
            button = "sRadioButton7";
            choice = LanguageChoice::Automatic;
        } else if (locale == settings::kLocaleRussian) {
            button = "sRadioButton8";
            choice = LanguageChoice::Russian;
        }
        // The button's handler applies the language too, when it changed;
        // applying it here as well makes sure it is in force before any
        // calculator input is restored.
        Control<QRadioButton>(form, button)->setChecked(true);
        ApplyLanguage(choice);
        break;
    }
    case KeyKind::Material: {
        auto* box = Control<QComboBox>(form, key.control);
        box->setEditText(QString::fromStdString(ini::ReadString(path, key.section, key.name, "")));
        if (box->currentText().isEmpty())
            SelectMaterialFallback(box);
        break;
    }
    case KeyKind::Integer:
        Control<TsSpinEdit>(form, key.control)
            ->setValue(ini::ReadInteger(path, key.section, key.name, key.intDefault));
        break;
    case KeyKind::Float:
        Control<TsDecimalSpinEdit>(form, key.control)
            ->setValue(ini::ReadFloat(path, key.section, key.name, key.floatDefault,
                                      ProgramNumberFormat().decimalSeparator));
        break;
    case KeyKind::Choice:
        SetChoice(Control<QRadioButton>(form, key.control),
                  Control<QRadioButton>(form, key.otherControl),
                  ini::ReadBool(path, key.section, key.name, key.intDefault != 0));
        break;
    }
}

// Runs step for every key in table order; the first error stops the
// operation at that key and is shown under `heading`.
template <class Step> void ForEachKey(TForm1& form, res::Str heading, Step step) {
    std::exception_ptr error;
    try {
        const std::filesystem::path path = SettingsPath(form);
        for (const Key& key : settings::kKeys)
            step(form, path, key);
    } catch (...) {
        error = std::current_exception();
    }
    if (!error)
        return;
    try {
        settings::ShowMessage(settings::MessageText(res::Get(heading), settings::Describe(error)));
    } catch (...) {
        // Closing and start-up go on whatever the message display did.
    }
}

} // namespace

void TForm1::SaveConfig() {
    ForEachKey(*this, res::Str::SettingsSaveFailed, SaveKey);
}

void TForm1::OpenConfig() {
    ForEachKey(*this, res::Str::SettingsReadFailed, OpenKey);
}
