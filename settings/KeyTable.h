#pragma once

// The keys of the settings file, in the order both SaveConfig and OpenConfig
// handle them; that is also the order of sections and keys in a file the
// program creates.

#include <array>
#include <cstdint>

namespace settings {

enum class KeyKind {
    SkinName,    // style name of the skin manager
    Stylization, // the "Стилизовать" check box
    Locale,      // which language button is selected
    Material,    // text of a material box
    Integer,     // an integer spin field
    Float,       // a decimal spin field
    Choice,      // a pair of radio buttons: true when `control` is checked
};

struct Key {
    const char* section;
    const char* name;
    KeyKind kind;
    const char* control;      // the control the key belongs to
    const char* otherControl; // Choice: the button selected when false
    std::int64_t intDefault;  // Integer, Locale, Stylization, Choice (0/1)
    double floatDefault;      // Float
};

inline constexpr std::array<Key, 32> kKeys{{
    {"APP", "SkinName", KeyKind::SkinName, "sSkinManager1", nullptr, 0, 0},
    {"APP", "Stylization", KeyKind::Stylization, "sCheckBox1", nullptr, 1, 0},
    {"APP", "Locale", KeyKind::Locale, "sRadioButton7", nullptr, 0, 0},
    {"INTERFACE_380", "Resistivity", KeyKind::Material, "sComboBox3", nullptr, 0, 0},
    {"INTERFACE_380", "Temperature", KeyKind::Integer, "sSpinEdit5", nullptr, 30, 0},
    {"INTERFACE_380", "Cross-section", KeyKind::Float, "sDecimalSpinEdit10", nullptr, 0, 35},
    {"INTERFACE_380", "Length", KeyKind::Integer, "sSpinEdit6", nullptr, 340, 0},
    {"INTERFACE_380", "Coef1", KeyKind::Float, "sDecimalSpinEdit1", nullptr, 0, 2.5},
    {"INTERFACE_380", "Coef2", KeyKind::Float, "sDecimalSpinEdit6", nullptr, 0, 0.2},
    {"INTERFACE_380", "Power", KeyKind::Integer, "sSpinEdit3", nullptr, 51000, 0},
    {"INTERFACE_380", "Period", KeyKind::Integer, "sSpinEdit15", nullptr, 365, 0},
    {"INTERFACE_L", "Fi", KeyKind::Choice, "sRadioButton5", "sRadioButton6", 1, 0},
    {"INTERFACE_380", "Coef3", KeyKind::Float, "sDecimalSpinEdit2", nullptr, 0, 0.29},
    {"INTERFACE_380", "Coef3cos", KeyKind::Float, "sDecimalSpinEdit9", nullptr, 0, 0.96},
    {"INTERFACE_380", "PowerAll", KeyKind::Integer, "sSpinEdit1", nullptr, 54000, 0},
    {"INTERFACE_220", "Resistivity_220", KeyKind::Material, "sComboBox1", nullptr, 0, 0},
    {"INTERFACE_220", "Temperature_220", KeyKind::Integer, "sSpinEdit2", nullptr, 30, 0},
    {"INTERFACE_220", "Cross-section_220", KeyKind::Float, "sDecimalSpinEdit11", nullptr, 0, 16},
    {"INTERFACE_220", "Length_220", KeyKind::Integer, "sSpinEdit8", nullptr, 35, 0},
    {"INTERFACE_220", "Coef1_220", KeyKind::Float, "sDecimalSpinEdit4", nullptr, 0, 1},
    {"INTERFACE_220", "MaxAmperage220", KeyKind::Integer, "sSpinEdit11", nullptr, 16, 0},
    {"INTERFACE_220", "Coef2_220", KeyKind::Float, "sDecimalSpinEdit3", nullptr, 0, 0.2},
    {"INTERFACE_220", "Hours_220", KeyKind::Integer, "sSpinEdit13", nullptr, 24, 0},
    {"INTERFACE_220", "Period_220", KeyKind::Integer, "sSpinEdit14", nullptr, 365, 0},
    {"INTERFACE_220", "Amount_220", KeyKind::Integer, "sSpinEdit12", nullptr, 20, 0},
    {"INTERFACE_220", "Power_220", KeyKind::Integer, "sSpinEdit10", nullptr, 51000, 0},
    {"INTERFACE_220", "PowerAll_220", KeyKind::Integer, "sSpinEdit9", nullptr, 54000, 0},
    {"INTERFACE_L", "Cu1", KeyKind::Choice, "sRadioButton2", "sRadioButton1", 1, 0},
    {"INTERFACE_L", "Cu2", KeyKind::Choice, "sRadioButton4", "sRadioButton3", 0, 0},
    {"INTERFACE_L", "Cross-section1", KeyKind::Float, "sDecimalSpinEdit5", nullptr, 0, 6},
    {"INTERFACE_L", "EquLength", KeyKind::Float, "sDecimalSpinEdit8", nullptr, 0, 8},
    {"INTERFACE_L", "Cross-section2", KeyKind::Float, "sDecimalSpinEdit7", nullptr, 0, 16},
}};

// The material boxes fall back to this entry ("Алюминий, плохой провод (0,0295)").
inline constexpr int kMaterialFallbackIndex = 2;

// Locale values of the settings file.
inline constexpr std::int64_t kLocaleAutomatic = 0;
inline constexpr std::int64_t kLocaleRussian = 1049;
inline constexpr std::int64_t kLocaleEnglish = 1033;

} // namespace settings
